#include "ui/HelpViewer.h"

#include "board/Fonts.h"
#include "game/Category.h"
#include "game/Scoring.h"
#include "ui/Translations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

const QString kMissing = QStringLiteral("could not be found");

QStringList helpPages() {
    QStringList pages;
    for (const QString& name : QDir(kHelpFolder).entryList({QStringLiteral("*.html")}))
        pages << kHelpFolder + name;
    return pages;
}

QString readResource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The resource a reference in a page points at, resolved as the browser
// resolves it.
QString resourceFor(const QString& page, QString name) {
    if (name.startsWith(QStringLiteral(":/"))) name.prepend(QStringLiteral("qrc"));
    const QUrl url = Help::urlOf(page).resolved(QUrl(name));
    return url.scheme() == QStringLiteral("qrc") ? QLatin1Char(':') + url.path() : QString();
}

struct Reference {
    QString target;
    bool isLink;
};

// Every link and every picture of the document as shown.
QList<Reference> referencesIn(const QTextDocument& document) {
    QList<Reference> references;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                references.append({format.toImageFormat().name(), false});
            else if (format.isAnchor() && !format.anchorHref().isEmpty())
                references.append({format.anchorHref(), true});
        }
    return references;
}

QSet<QString> anchorNamesIn(const QTextDocument& document) {
    QSet<QString> names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            for (const QString& name : it.fragment().charFormat().anchorNames()) names.insert(name);
    return names;
}

// The languages the help is written in besides English.
QStringList helpLanguages() {
    QStringList languages;
    for (const QString& language : Translations::available())
        if (Help::folderFor(language) != kHelpFolder) languages << language;
    return languages;
}

// The links and the pictures of a page as shown, in order, with every link
// taken as the page's file name and anchor (the folder aside).
QStringList linksAndPicturesIn(const QTextDocument& document) {
    QStringList shown;
    for (const Reference& reference : referencesIn(document))
        shown << (reference.isLink ? QStringLiteral("link ") + QUrl(reference.target).fileName() +
                                         QLatin1Char('#') + QUrl(reference.target).fragment()
                                   : QStringLiteral("picture ") + reference.target);
    return shown;
}

void snapshot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("VORKA_SNAPSHOT_DIR");
    if (!folder.isEmpty()) widget.grab().save(folder + QLatin1Char('/') + name + ".png");
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
    QPointer<HelpViewer> viewer;

    HelpViewer& open(const QString& page = kHelpContents) {
        showHelp(viewer, nullptr, page);
        return *viewer;
    }
    QString shownText() const { return viewer->Browser->toPlainText(); }

private slots:
    void initTestCase() {
        Fonts::installFontSubstitutes();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup() {
        delete viewer;
        viewer = nullptr;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void opensAtTheContents() {
        HelpViewer& help = open();
        QVERIFY(help.isVisible());
        QVERIFY(!help.isModal());
        QCOMPARE(help.windowTitle(), QStringLiteral("Vorka Help"));
        QCOMPARE(help.currentPage(), QUrl(QStringLiteral("qrc:/help/index.html")));
        QVERIFY(shownText().contains(QStringLiteral("Welcome to Vorka")));
        QVERIFY(!help.BackButton->isEnabled());
        QVERIFY(!help.ForwardButton->isEnabled());
        QVERIFY(help.width() >= 600 && help.height() >= 500);
        snapshot(help, QStringLiteral("help-contents"));
    }

    void everyPageLoads_data() {
        QTest::addColumn<QString>("page");
        const QStringList pages = helpPages();
        QVERIFY(pages.contains(kHelpContents));
        for (const QString& page : pages) QTest::newRow(qPrintable(page)) << page;
    }
    void everyPageLoads() {
        QFETCH(QString, page);
        HelpViewer& help = open(page);
        QCOMPARE(help.currentPage(), Help::urlOf(page));
        QVERIFY2(!shownText().contains(kMissing), qPrintable(page));
        QVERIFY(!help.Browser->documentTitle().isEmpty());
        QVERIFY(shownText().trimmed().size() > 200);
        if (page == QStringLiteral(":/help/scoring.html")) {
            snapshot(help, "help-scoring");
            help.Browser->scrollToAnchor(QStringLiteral("examples"));
            snapshot(help, "help-scoring-examples");
        }
        if (!qEnvironmentVariableIsEmpty("VORKA_SNAPSHOT_DIR")) {
            // The whole page in one picture, for reading it over.
            help.resize(help.width(), int(help.Browser->document()->size().height()) +
                                          2 * help.BackButton->height());
            snapshot(help, "page-" + QFileInfo(page).baseName());
        }
    }

    void everyReferenceResolves_data() { everyPageLoads_data(); }
    void everyReferenceResolves() {
        QFETCH(QString, page);
        HelpViewer& help = open(page);
        const QList<Reference> references = referencesIn(*help.Browser->document());
        QVERIFY(!references.isEmpty());
        for (const Reference& reference : references) {
            const QString target = resourceFor(page, reference.target);
            QVERIFY2(QFile::exists(target), qPrintable(page + ": " + reference.target));
            if (!reference.isLink) continue;
            QVERIFY2(Help::isHelpPage(Help::urlOf(target)), qPrintable(reference.target));
            const QString fragment = QUrl(reference.target).fragment();
            if (fragment.isEmpty()) continue;
            QTextDocument linked;
            linked.setHtml(readResource(target));
            QVERIFY2(anchorNamesIn(linked).contains(fragment), qPrintable(reference.target));
        }
        // The style sheet is a reference too, though the document does not keep it.
        QVERIFY(readResource(page).contains(QStringLiteral("href=\"help.css\"")));
        QVERIFY(QFile::exists(resourceFor(page, QStringLiteral("help.css"))));
    }

    void everyPageIsListedInTheContents() {
        HelpViewer& help = open();
        QSet<QString> listed;
        for (const Reference& reference : referencesIn(*help.Browser->document()))
            if (reference.isLink) listed.insert(resourceFor(kHelpContents, reference.target));
        for (const QString& page : helpPages())
            if (page != kHelpContents) QVERIFY2(listed.contains(page), qPrintable(page));
    }

    void followingLinksKeepsAHistory() {
        HelpViewer& help = open();
        emit help.Browser->anchorClicked(QUrl(QStringLiteral("scoring.html")));
        QCOMPARE(help.currentPage(), QUrl(QStringLiteral("qrc:/help/scoring.html")));
        QVERIFY(help.BackButton->isEnabled());
        QTest::mouseClick(help.BackButton, Qt::LeftButton);
        QCOMPARE(help.currentPage(), QUrl(QStringLiteral("qrc:/help/index.html")));
        QVERIFY(help.ForwardButton->isEnabled());
        QTest::mouseClick(help.ForwardButton, Qt::LeftButton);
        QCOMPARE(help.currentPage(), QUrl(QStringLiteral("qrc:/help/scoring.html")));
        QTest::mouseClick(help.ContentsButton, Qt::LeftButton);
        QCOMPARE(help.currentPage(), QUrl(QStringLiteral("qrc:/help/index.html")));
    }

    void oneWindowIsReused() {
        HelpViewer& first = open(QStringLiteral(":/help/halls.html"));
        first.hide();
        HelpViewer* second = showHelp(viewer, nullptr);
        QCOMPARE(second, &first);
        QVERIFY(second->isVisible());
        QCOMPARE(second->currentPage(), QUrl(QStringLiteral("qrc:/help/index.html")));
    }

    void aMissingFileIsReportedOnThePage_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("named");
        QTest::newRow("missing page") << ":/help/nosuch.html"
                                      << ":/help/nosuch.html";
        QTest::newRow("outside the help") << ":/pictures/vorka.svg"
                                          << ":/pictures/vorka.svg";
        QTest::newRow("old help file") << "Vorka.hlp"
                                       << ":/help/Vorka.hlp";
        QTest::newRow("local file") << "/etc/passwd" << QDir::toNativeSeparators("/etc/passwd");
        QTest::newRow("web") << "https://example.com/help.html"
                             << "https://example.com/help.html";
    }
    void aMissingFileIsReportedOnThePage() {
        QFETCH(QString, file);
        QFETCH(QString, named);
        HelpViewer& help = open(file);
        QVERIFY(help.isVisible());
        QVERIFY2(shownText().contains(
                     QStringLiteral("The help page \"%1\" could not be found.").arg(named)),
                 qPrintable(shownText()));
        QVERIFY(!shownText().contains(QStringLiteral("root:")));
        snapshot(help, QStringLiteral("help-missing-%1").arg(QTest::currentDataTag()));
        QTest::mouseClick(help.ContentsButton, Qt::LeftButton);
        QVERIFY(shownText().contains(QStringLiteral("Welcome to Vorka")));
    }

    void linksLeadingOutsideAreNotFollowed_data() {
        QTest::addColumn<QString>("link");
        QTest::newRow("web") << "https://example.com/vorka.html";
        QTest::newRow("mail") << "mailto:someone@example.com";
        QTest::newRow("local file") << "file:///etc/passwd";
        QTest::newRow("climbing out") << "../../etc/passwd";
        QTest::newRow("another resource") << "qrc:/pictures/vorka.svg";
    }
    void linksLeadingOutsideAreNotFollowed() {
        QFETCH(QString, link);
        HelpViewer& help = open(QStringLiteral(":/help/turn.html"));
        emit help.Browser->anchorClicked(QUrl(link));
        QCOMPARE(help.currentPage(), QUrl(QStringLiteral("qrc:/help/turn.html")));
        QVERIFY(!help.StatusLabel->isHidden());
        QCOMPARE(help.StatusLabel->text(), HelpViewer::kRefusedLinkText);
        emit help.Browser->anchorClicked(QUrl(QStringLiteral("index.html")));
        QVERIFY(help.StatusLabel->isHidden());
    }

    void localFilesAreNeverRead() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile secret(folder.filePath(QStringLiteral("secret.html")));
        QVERIFY(secret.open(QIODevice::WriteOnly));
        secret.write("<html><body>top secret</body></html>");
        secret.close();
        HelpBrowser browser;
        const QUrl url = QUrl::fromLocalFile(secret.fileName());
        QVERIFY(!browser.loadResource(QTextDocument::HtmlResource, url)
                     .toString()
                     .contains(QStringLiteral("top secret")));
        QVERIFY(browser.loadResource(QTextDocument::ImageResource, url).isNull());
        browser.setSource(url);
        QVERIFY(!browser.toPlainText().contains(QStringLiteral("top secret")));
        QVERIFY(browser.toPlainText().contains(kMissing));
    }

    void picturesOfTheGameAreShown() {
        HelpBrowser browser;
        browser.setSource(Help::urlOf(QStringLiteral(":/help/turn.html")));
        const QVariant die = browser.loadResource(QTextDocument::ImageResource,
                                                  QUrl(QStringLiteral(":/pictures/dice/5.svg")));
        QVERIFY(!QImage::fromData(die.toByteArray()).isNull());
        QVERIFY(
            browser
                .loadResource(QTextDocument::StyleSheetResource, QUrl(QStringLiteral("help.css")))
                .toByteArray()
                .contains("body"));
    }

    // The examples on the scoring page must score as the game scores them.
    void scoringExamplesAgreeWithTheRules() {
        const QString html = readResource(QStringLiteral(":/help/scoring.html"));
        const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"),
                                     QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"),
                                      QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpression die(QStringLiteral("dice/([1-6])\\.svg"));
        int examples = 0;
        QSet<QString> covered;
        for (const auto& r : row.globalMatch(html)) {
            QStringList cells;
            for (const auto& c : cell.globalMatch(r.captured(1))) cells << c.captured(1);
            if (cells.size() < 3 || !cells[1].contains(QStringLiteral("dice/"))) continue;
            Faces faces{};
            int n = 0;
            for (const auto& d : die.globalMatch(cells[1]))
                if (n < 5) faces[n++] = d.captured(1).toInt();
            QCOMPARE(n, 5);
            const Category* category = nullptr;
            for (const Category& c : kAllCategories)
                if (categoryCaption(c) == cells[0].trimmed()) category = &c;
            QVERIFY2(category, qPrintable(cells[0]));
            QCOMPARE(EvaluateCategory(*category, faces), cells[2].trimmed().toInt());
            covered.insert(cells[0].trimmed());
            ++examples;
        }
        QVERIFY(examples >= 15);
        // Every lower category has an example.
        for (int i = kUpperCount; i < kCategoryCount; ++i)
            QVERIFY2(covered.contains(categoryCaption(categoryAt(i))),
                     qPrintable(categoryCaption(categoryAt(i))));
    }

    void theScoringPageExplainsEveryCategory() {
        open(QStringLiteral(":/help/scoring.html"));
        const QString html = readResource(QStringLiteral(":/help/scoring.html"));
        for (const Category c : kAllCategories)
            QVERIFY2(html.contains("<td><b>" + categoryCaption(c) + "</b></td>"),
                     qPrintable(categoryCaption(c)));
    }
    // The help speaks the player's language where it is written in it, and
    // English everywhere else.
    void thePlayersLanguageChoosesThePages_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("folder");
        QTest::newRow("German") << "de_DE"
                                << ":/help/de/";
        QTest::newRow("Austrian German") << "de_AT"
                                         << ":/help/de/";
        QTest::newRow("French") << "fr_FR"
                                << ":/help/fr/";
        QTest::newRow("French of Canada") << "fr_CA"
                                          << ":/help/fr/";
        QTest::newRow("Spanish") << "es_ES"
                                 << ":/help/es/";
        QTest::newRow("Spanish of Mexico") << "es_MX"
                                           << ":/help/es/";
        QTest::newRow("English") << "en_US"
                                 << ":/help/";
        QTest::newRow("British English") << "en_GB"
                                         << ":/help/";
        QTest::newRow("no translation") << "it_IT"
                                        << ":/help/";
        QTest::newRow("C") << "C"
                           << ":/help/";
    }
    void thePlayersLanguageChoosesThePages() {
        QFETCH(QString, locale);
        QFETCH(QString, folder);
        QLocale::setDefault(QLocale(locale));
        HelpViewer& help = open();
        QCOMPARE(help.currentPage(), Help::urlOf(folder + "index.html"));
        QVERIFY(!shownText().contains(kMissing));
        QVERIFY(shownText().contains(QStringLiteral("Vorka")));
        if (folder != kHelpFolder) snapshot(help, "help-contents-" + locale);
        emit help.Browser->anchorClicked(QUrl(QStringLiteral("scoring.html#zero")));
        QCOMPARE(help.currentPage(), Help::urlOf(folder + "scoring.html#zero"));
        QTest::mouseClick(help.ContentsButton, Qt::LeftButton);
        QCOMPARE(help.currentPage(), Help::urlOf(folder + "index.html"));
        // A page asked for by name, anchor and all.
        help.showPage(QStringLiteral(":/help/halls.html"));
        QCOMPARE(help.currentPage(), Help::urlOf(folder + "halls.html"));
        // A page that is nowhere is reported by its English name.
        help.showPage(QStringLiteral("nosuch.html"));
        QVERIFY(shownText().contains(QStringLiteral("\":/help/nosuch.html\"")));
    }

    void everyLanguageHasEveryPage_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("translated");
        // Every language the game speaks has its help.
        const QStringList languages = helpLanguages();
        QCOMPARE(languages, Translations::available());
        for (const QString& language : languages)
            for (const QString& page : helpPages()) {
                const QString name = QFileInfo(page).fileName();
                QTest::newRow(qPrintable(language + ": " + name))
                    << page << Help::folderFor(language) + name;
            }
    }
    // Each page in another language is whole, its links and pictures resolve
    // inside that language's pages, and it shows what the English page shows:
    // the same links, anchors and pictures (the dice of every example) in the
    // same order.
    void everyLanguageHasEveryPage() {
        QFETCH(QString, page);
        QFETCH(QString, translated);
        QVERIFY2(translated != page, "the language has no help folder of its own");
        QVERIFY2(QFile::exists(translated), qPrintable(translated));
        HelpViewer& help = open(translated);
        QCOMPARE(help.currentPage(), Help::urlOf(translated));
        QVERIFY2(!shownText().contains(kMissing), qPrintable(translated));
        QVERIFY(!help.Browser->documentTitle().isEmpty());
        QVERIFY(!shownText().contains(QLatin1Char('@')));
        const QString folder = QFileInfo(translated).path() + QLatin1Char('/');
        for (const Reference& reference : referencesIn(*help.Browser->document())) {
            const QString target = resourceFor(translated, reference.target);
            QVERIFY2(QFile::exists(target), qPrintable(translated + ": " + reference.target));
            if (!reference.isLink) continue;
            QVERIFY2(target.startsWith(folder), qPrintable(translated + ": " + reference.target));
            const QString fragment = QUrl(reference.target).fragment();
            if (fragment.isEmpty()) continue;
            QTextDocument linked;
            linked.setHtml(readResource(target));
            QVERIFY2(anchorNamesIn(linked).contains(fragment), qPrintable(reference.target));
        }
        QVERIFY(readResource(translated).contains(QStringLiteral("href=\"../help.css\"")));
        QVERIFY(QFile::exists(resourceFor(translated, QStringLiteral("../help.css"))));

        QTextDocument english;
        english.setHtml(readResource(page));
        QTextDocument other;
        other.setHtml(readResource(translated));
        QCOMPARE(linksAndPicturesIn(other), linksAndPicturesIn(english));
        QCOMPARE(anchorNamesIn(other), anchorNamesIn(english));
        // Written in the language, not copied: the first heading differs.
        QVERIFY2(help.Browser->documentTitle() !=
                     english.metaInformation(QTextDocument::DocumentTitle),
                 qPrintable(help.Browser->documentTitle()));
        if (!qEnvironmentVariableIsEmpty("VORKA_SNAPSHOT_DIR")) {
            help.resize(help.width(), int(help.Browser->document()->size().height()) +
                                          2 * help.BackButton->height());
            snapshot(help, "page-" + QFileInfo(folder.chopped(1)).fileName() + "-" +
                               QFileInfo(page).baseName());
        }
    }
};

QTEST_MAIN(HelpViewerTest)
#include "HelpViewerTest.moc"

#include "ui/Translations.h"

#include "game/Board.h"
#include "game/GameResult.h"
#include "storage/SavedGame.h"
#include "support/Fakes.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>

#include <functional>

namespace {

// A text a player would see that bypasses Qt's translation. The scan reads
// C++ source and reports every string literal holding a letter that is not
// inside the arguments of a translation call (tr, QT_TR_NOOP,
// QT_TRANSLATE_NOOP, translate, ...) and that is either
//  - an argument of a call that shows text (setText, setToolTip, QLabel, ...),
//    directly or through QStringLiteral and its kind, or
//  - prose: a plain "..." literal with a letter, blanks and a letter.
// Identifiers (object names, keys, file names) are written as
// QStringLiteral(...) or u"..." and are not prose. Log texts (qWarning() and
// its kind), #-lines and the game's name alone ("Vorka") are left alone, and
// so is a line that ends with "// untranslated: <why>".
// Each hit is "line: text"; literals written next to each other count as one.
QStringList untranslatedTexts(const QString& code) {
    const auto names = [](const char* list) {
        const QStringList all = QString::fromLatin1(list).split(u' ');
        return QSet<QString>(all.begin(), all.end());
    };
    static const QSet<QString> translating =
        names("tr qsTr translate qtTrId QT_TR_NOOP QT_TR_N_NOOP QT_TRANSLATE_NOOP "
              "QT_TRANSLATE_NOOP3 QT_TRID_NOOP QT_TRANSLATE_N_NOOP QT_TRANSLATE_N_NOOP3");
    static const QSet<QString> showing =
        names("setText setWindowTitle setToolTip setStatusTip setWhatsThis setAccessibleName "
              "setAccessibleDescription setPlaceholderText setTitle setLabelText setTabText "
              "setHeaderLabel setHeaderLabels setHorizontalHeaderLabels "
              "showMessage addAction addMenu addTab QAction QLabel QPushButton QToolButton "
              "QToolBar QMenu QCheckBox QRadioButton QGroupBox");
    // Calls that only hand a literal on: the call around them decides.
    static const QSet<QString> wrapping =
        names("QStringLiteral QLatin1String QLatin1StringView QByteArrayLiteral");
    static const QRegularExpression prose(QStringLiteral("[A-Za-z] +[A-Za-z]"));
    static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
    static const QRegularExpression markupAndPlaces(QStringLiteral("<[^>]*>|%L?\\d|&\\w+;"));
    static const QRegularExpression logging(
        QStringLiteral("\\bq(C)?(Debug|Info|Warning|Critical|Fatal)\\b|\\bstatic_assert\\b"));

    QStringList calls;      // the open parentheses, each with the name before it
    QSet<int> excusedLines; // lines that end with the marker
    QStringList hits;
    qsizetype statement = 0; // where the current statement began
    int line = 1;
    const qsizetype n = code.size();
    const auto at = [&](qsizetype i) { return i < n ? code[i] : QChar(); };
    const auto identifierBefore = [&](qsizetype i) {
        qsizetype end = i;
        while (end > 0 && code[end - 1].isSpace()) --end;
        qsizetype begin = end;
        while (begin > 0 && (code[begin - 1].isLetterOrNumber() || code[begin - 1] == u'_'))
            --begin;
        return code.mid(begin, end - begin);
    };
    // Skips blanks and comments from `i`, counting lines; notes markers.
    const auto skipSpace = [&](qsizetype& i) {
        while (i < n) {
            if (code[i] == u'\n') {
                ++line;
                ++i;
            } else if (code[i].isSpace()) {
                ++i;
            } else if (code[i] == u'/' && at(i + 1) == u'/') {
                const qsizetype end = code.indexOf(u'\n', i);
                const QString comment = code.mid(i, (end < 0 ? n : end) - i);
                if (comment.startsWith(QStringLiteral("// untranslated:"))) excusedLines << line;
                i = end < 0 ? n : end;
            } else if (code[i] == u'/' && at(i + 1) == u'*') {
                const qsizetype end = code.indexOf(QStringLiteral("*/"), i + 2);
                const qsizetype stop = end < 0 ? n : end + 2;
                line += int(QStringView(code).mid(i, stop - i).count(u'\n'));
                i = stop;
            } else {
                return;
            }
        }
    };
    // Reads the literal at `i` (after any prefix); returns its text.
    const auto readLiteral = [&](qsizetype& i) {
        QString text;
        if (code[i] == u'R') { // R"delimiter( ... )delimiter"
            const qsizetype open = code.indexOf(u'(', i);
            const QString close = u')' + code.mid(i + 2, open - i - 2) + u'"';
            qsizetype end = code.indexOf(close, open);
            if (end < 0) end = n;
            text = code.mid(open + 1, end - open - 1);
            line += int(text.count(u'\n'));
            i = qMin(n, end + close.size());
            return text;
        }
        for (++i; i < n && code[i] != u'"' && code[i] != u'\n'; ++i) {
            if (code[i] == u'\\') ++i;
            text += code[i];
        }
        ++i;
        return text;
    };
    const auto literalStart = [&](qsizetype i, qsizetype& body, bool& plain) {
        static const QStringList prefixes = {"u8R", "uR", "UR", "LR", "u8", "u", "U", "L", "R", ""};
        for (const QString& prefix : prefixes) {
            if (QStringView(code).mid(i, prefix.size()) != prefix) continue;
            qsizetype quote = i + prefix.size();
            if (at(quote) != u'"') continue;
            if (i > 0 && (code[i - 1].isLetterOrNumber() || code[i - 1] == u'_')) return false;
            body = prefix.endsWith(u'R') ? quote - 1 : quote;
            plain = prefix.isEmpty() || prefix == QLatin1String("R");
            return true;
        }
        return false;
    };

    qsizetype i = 0;
    bool lineStart = true;
    while (i < n) {
        const qsizetype before = i;
        skipSpace(i);
        if (i >= n) break;
        if (i != before && code.mid(before, i - before).contains(u'\n')) lineStart = true;
        const QChar c = code[i];
        if (lineStart && c == u'#') { // a preprocessor line
            const qsizetype end = code.indexOf(u'\n', i);
            i = end < 0 ? n : end;
            continue;
        }
        lineStart = false;
        qsizetype body = 0;
        bool plain = false;
        qsizetype token = i; // the number or word that `c` may end
        while (token > 0 && (code[token - 1].isLetterOrNumber() || code[token - 1] == u'_'))
            --token;
        if (c == u'\'' && token < i && code[token].isDigit()) { // 1'000
            ++i;
        } else if (c == u'\'') { // a character literal
            for (++i; i < n && code[i] != u'\''; ++i)
                if (code[i] == u'\\') ++i;
            ++i;
        } else if (literalStart(i, body, plain)) {
            const int first = line;
            i = body;
            QString text = readLiteral(i);
            // Literals written next to each other make one text.
            for (;;) {
                qsizetype next = i;
                const int lineBefore = line;
                skipSpace(next);
                qsizetype nextBody = 0;
                bool nextPlain = false;
                if (next < n && literalStart(next, nextBody, nextPlain)) {
                    i = nextBody;
                    text += readLiteral(i);
                } else {
                    line = lineBefore;
                    break;
                }
            }
            bool translated = false;
            for (const QString& call : calls) translated = translated || translating.contains(call);
            QString shownBy;
            for (auto call = calls.crbegin(); call != calls.crend(); ++call) {
                if (wrapping.contains(*call)) continue;
                if (showing.contains(*call)) shownBy = *call;
                break;
            }
            const bool identifier = !plain || (!calls.isEmpty() && wrapping.contains(calls.last()));
            const QString words = QString(text).remove(markupAndPlaces);
            const bool seen =
                !shownBy.isEmpty() ? words.contains(letter) : !identifier && words.contains(prose);
            bool excused = false;
            for (int l = first; l <= line; ++l) excused = excused || excusedLines.contains(l);
            // The marker may follow on the literal's own line.
            if (!excused) {
                const qsizetype end = code.indexOf(u'\n', i);
                const QString rest = code.mid(i, (end < 0 ? n : end) - i);
                excused = rest.contains(QStringLiteral("// untranslated:"));
            }
            const bool logged = code.mid(statement, i - statement).contains(logging);
            if (seen && !translated && !excused && !logged && text != QLatin1String("Vorka"))
                hits << QStringLiteral("%1: %2").arg(QString::number(first), text);
        } else if (c == u'(') {
            calls.append(identifierBefore(i));
            ++i;
        } else if (c == u')') {
            if (!calls.isEmpty()) calls.removeLast();
            ++i;
        } else if (c == u';' || c == u'{' || c == u'}') {
            ++i;
            statement = i;
        } else {
            ++i;
        }
    }
    return hits;
}

// A language of the test's own: every text in capitals behind ">>", so that
// a test sees which texts go through the translation.
class Capitals : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int n) const override {
        QString text = QString::fromUtf8(source);
        if (n >= 0) text.replace(QStringLiteral("%n"), QString::number(n));
        return QStringLiteral(">>") + text.toUpper();
    }
};

using Shown = std::function<QString()>;

} // namespace

Q_DECLARE_METATYPE(Shown)

// Which language the game speaks for a locale, and what start-up installs
// for it: the game's own translation and Qt's, or nothing for English.
class TranslationsTest : public QObject {
    Q_OBJECT

    static QList<QTranslator*> installed() {
        return qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly);
    }

private slots:
    void cleanup() { qDeleteAll(installed()); } // a translator removes itself as it goes

    void theGameSpeaksThreeLanguagesBesidesEnglish() {
        QCOMPARE(Translations::available(),
                 QStringList({QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")}));
    }

    void languageFollowsTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("language");
        const QStringList ours = Translations::available();
        QTest::newRow("German") << "de_DE" << ours << "de";
        QTest::newRow("Swiss German") << "de_CH" << ours << "de";
        QTest::newRow("French of Canada") << "fr_CA" << ours << "fr";
        QTest::newRow("Spanish of Mexico") << "es_MX" << ours << "es";
        QTest::newRow("English") << "en_US" << ours << "";
        QTest::newRow("British English") << "en_GB" << ours << "";
        QTest::newRow("no translation") << "it_IT" << ours << "";
        QTest::newRow("C") << "C" << ours << "";
        const QStringList portuguese = {QStringLiteral("pt"), QStringLiteral("pt_BR")};
        QTest::newRow("region first") << "pt_BR" << portuguese << "pt_BR";
        QTest::newRow("else the language") << "pt_PT" << portuguese << "pt";
        QTest::newRow("only the region") << "pt_PT" << QStringList{"pt_BR"} << "";
        QTest::newRow("script and region") << "zh_Hant_TW" << QStringList{"zh_TW"} << "zh_TW";
    }
    void languageFollowsTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QStringList, languages);
        QFETCH(QString, language);
        QCOMPARE(Translations::languageFor(QLocale(locale), languages), language);
    }

    // Qt's own buttons speak the game's language, and only when the game does.
    void startUpInstallsTheGamesTranslationAndQts_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("German") << "de_DE"
                                << "de"
                                << "Abbrechen";
        QTest::newRow("French") << "fr_FR"
                                << "fr"
                                << "Annuler";
        QTest::newRow("Spanish") << "es_ES"
                                 << "es"
                                 << "Cancelar";
        QTest::newRow("English") << "en_US"
                                 << ""
                                 << "Cancel";
        // Qt has an Italian translation, the game has none: all stays English.
        QTest::newRow("no translation") << "it_IT"
                                        << ""
                                        << "Cancel";
    }
    void startUpInstallsTheGamesTranslationAndQts() {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, cancel);
        QCOMPARE(Translations::install(*QCoreApplication::instance(), QLocale(locale)), language);
        QCOMPARE(QCoreApplication::translate("QProgressDialog", "Cancel"), cancel);
        QStringList files;
        for (const QTranslator* translator : installed()) files << translator->filePath();
        if (language.isEmpty()) {
            QVERIFY2(files.isEmpty(), qPrintable(files.join(QLatin1Char(' '))));
            return;
        }
        QCOMPARE(files.size(), 2);
        const QString own = Translations::kFolder + "vorka_" + language + ".qm";
        QVERIFY2(files.contains(own), qPrintable(files.join(QLatin1Char(' '))));
        for (const QTranslator* translator : installed())
            QCOMPARE(translator->language().section(QLatin1Char('_'), 0, 0), language);
    }
    // The rules' texts speak the player's language where they are made; the
    // face values, the game's name and the players' names do not change.
    void rulesSpeakTheLoadedLanguage_data() {
        QTest::addColumn<Shown>("shown");
        QTest::addColumn<QString>("text");
        QTest::newRow("upper category")
            << Shown([] { return categoryName(Category::Ones); }) << ">>ONES";
        QTest::newRow("lower category")
            << Shown([] { return categoryCaption(Category::FullHouse); }) << ">>FULL HOUSE";
        QTest::newRow("face value")
            << Shown([] { return categoryCaption(Category::Sixes); }) << "6";
        QTest::newRow("the game's name")
            << Shown([] { return categoryName(Category::Vorka); }) << "Vorka";
        QTest::newRow("total") << Shown([] {
            return Totals{88, 190}.grandText();
        }) << ">>TOTAL: 190";
        QTest::newRow("result") << Shown([] {
            return computeGameResult({{"Ann", 5}, {"Bob", 4}}).message();
        }) << ">>GAME OVER.\r>>Ann WINS THE GAME WITH A SCORE OF 5. WELL PLAYED!";
        QTest::newRow("draw of all") << Shown([] {
            return computeGameResult({{"Ann", 5}, {"Bob", 5}}).resultLine;
        }) << ">>ALL 2 PLAYERS SCORED 5 AND THEREFORE DREW. WELL PLAYED!";
        QTest::newRow("not a saved game") << Shown([] {
            return OpenError{OpenError::Kind::WrongHeader, 0, {}}.message();
        }) << ">>THIS IS NOT A TOL VORKA SAVED GAME FILE!";
    }
    void rulesSpeakTheLoadedLanguage() {
        QFETCH(Shown, shown);
        QFETCH(QString, text);
        auto* capitals = new Capitals;
        capitals->setParent(qApp);
        QCoreApplication::installTranslator(capitals);
        QCOMPARE(shown(), text);
    }

    // A final score is the total itself, in every language.
    void finalScoreDoesNotReadTheCaption() {
        auto* capitals = new Capitals;
        capitals->setParent(qApp);
        QCoreApplication::installTranslator(capitals);
        FakeServices fake;
        Board board(fake.services());
        fake.random.setFaces({6, 6, 6, 6, 6});
        board.rollAll();
        board.commitScore(Category::Sixes, board.scoreFor(Category::Sixes));
        board.Countup();
        QCOMPARE(board.grandTotalText(), QString(">>TOTAL: 30"));
        QCOMPARE(int(board.finalScore()), 30);
    }

    // The scan itself, on lines of code: what it must report and what not.
    void scanFindsTextsThatBypassTranslation_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("hits");
        const QStringList none;
        QTest::newRow("shown") << "label->setText(\"Some text\");" << QStringList{"1: Some text"};
        QTest::newRow("shown, one word")
            << "button->setToolTip(QStringLiteral(\"Roll\"));" << QStringList{"1: Roll"};
        QTest::newRow("shown, filled in")
            << "die->setAccessibleName(QStringLiteral(\"Die %1\").arg(i));"
            << QStringList{"1: Die %1"};
        QTest::newRow("made with its text")
            << "auto* ok = new QPushButton(QStringLiteral(\"OK  \"), this);"
            << QStringList{"1: OK  "};
        QTest::newRow("prose") << "const QString kText = \"Two words\";"
                               << QStringList{"1: Two words"};
        QTest::newRow("prose on a later line")
            << "notice(x,\n       \"Two \"\n       \"words\");" << QStringList{"2: Two words"};
        QTest::newRow("quotes inside") << "const QString k = \"Say \\\"hi\\\" to them\";"
                                       << QStringList{"1: Say \"hi\" to them"};
        QTest::newRow("after a quote character")
            << "if (c == '\"') label->setText(\"Some text\");" << QStringList{"1: Some text"};
        QTest::newRow("after digit separators")
            << "const int k = 1'000'000;\nlabel->setText(\"Some text\");"
            << QStringList{"2: Some text"};
        QTest::newRow("translated") << "label->setText(tr(\"Some text\"));" << none;
        QTest::newRow("translated over lines")
            << "label->setText(tr(\"Some \"\n                  \"text\"));" << none;
        QTest::newRow("translated later")
            << "const char k[] = QT_TRANSLATE_NOOP(\"Board\", \"Two words\");" << none;
        QTest::newRow("identifier") << "setObjectName(QStringLiteral(\"Two words\"));" << none;
        QTest::newRow("picture of a shown command")
            << "menu->addAction(QIcon(QStringLiteral(\":/new.svg\")), tr(\"New\"));" << none;
        QTest::newRow("comments") << "// label->setText(\"Some text\");\n/* \"Two words\" */"
                                  << none;
        QTest::newRow("log") << "qWarning() << \"Cannot open the file\" << name;" << none;
        QTest::newRow("marked") << "label->setText(\"Some text\"); // untranslated: a name" << none;
        QTest::newRow("the game's name") << "setWindowTitle(QStringLiteral(\"Vorka\"));" << none;
        QTest::newRow("column headings")
            << "list->setHeaderLabels({QStringLiteral(\"Score\"), QStringLiteral(\"Name\")});"
            << QStringList{"1: Score", "1: Name"};
        QTest::newRow("a number") << "cell->setText(QStringLiteral(\" 12\"));" << none;
        QTest::newRow("include") << "#include \"board/Two words.h\"" << none;
    }
    void scanFindsTextsThatBypassTranslation() {
        QFETCH(QString, code);
        QFETCH(QStringList, hits);
        QCOMPARE(untranslatedTexts(code), hits);
    }

    // Every text of src/ that a player sees goes through the translation, one
    // row a part of the program (src/hallswriter shows nothing).
    void visibleTextsGoThroughTranslation_data() {
        QTest::addColumn<QString>("part");
        for (const char* part : {"board", "game", "players", "storage", "ui", "main.cpp"})
            QTest::newRow(part) << part;
    }
    void visibleTextsGoThroughTranslation() {
        QFETCH(QString, part);
        const QString src = QStringLiteral(VORKA_SOURCE_DIR "/");
        QStringList files;
        if (part.endsWith(QLatin1String(".cpp"))) {
            files << src + part;
        } else {
            QDirIterator it(src + part, {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                            QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) files << it.next();
        }
        QVERIFY(!files.isEmpty());
        files.sort();
        QStringList hits;
        for (const QString& path : files) {
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            for (const QString& hit : untranslatedTexts(QString::fromUtf8(file.readAll())))
                hits << path.mid(src.size()) + u':' + hit;
        }
        for (const QString& hit : hits) qInfo().noquote() << hit;
        QVERIFY2(hits.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts bypass the translation, each shown above")
                                .arg(hits.size())));
    }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"

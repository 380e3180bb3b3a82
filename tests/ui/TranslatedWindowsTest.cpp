#include "support/WindowWalk.h"

#include "ui/GameStyle.h"
#include "ui/Translations.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>

// Every window and dialog of the game in German, French and Spanish, walked
// as in a game: each text the English game shows at a place is shown in the
// language there (names, numbers and words the language shares with English
// aside), and each text fits its control or, elided, has its whole text in
// its tooltip. A made-up language whose every word is two fifths longer, in
// accented letters, finds texts that would not fit a longer translation and
// texts that no translation reaches.

namespace {

constexpr QChar kEllipsis(0x2026);

// The made-up language: every word two fifths longer, its letters accented;
// placeholders, mnemonics and blanks stay as they are.
QString longerAccented(const QString& source) {
    static const QString plain = QStringLiteral("aeioucnyAEIOUCN");
    static const QString accented = QStringLiteral("áéîöüçñýÅÉÎÖÜÇÑ");
    QString out;
    for (qsizetype i = 0; i < source.size();) {
        const QChar c = source[i];
        if ((c == u'%' || c == u'&') && i + 1 < source.size() && source[i + 1] != u' ') {
            out += source.mid(i, 2);
            i += 2;
        } else if (c.isLetter()) {
            qsizetype end = i;
            while (end < source.size() && source[end].isLetter()) ++end;
            QString word;
            for (qsizetype k = i; k < end; ++k) {
                const qsizetype at = plain.indexOf(source[k]);
                word += at < 0 ? source[k] : accented[at];
            }
            out += word + word.left((word.size() * 2 + 4) / 5);
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

class LongerLanguage final : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return longerAccented(QString::fromUtf8(source));
    }
};

QString withoutMnemonic(QString text) {
    text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
    return text;
}

// The texts the language's translation keeps as they are in English
// ("Chance", "OK  "): the .ts file's finished messages translated to their
// own source, access keys aside.
QStringList sameInTheLanguage(const QString& language) {
    QFile file(QStringLiteral(VORKA_TRANSLATIONS_DIR "/vorka_%1.ts").arg(language));
    QStringList same;
    if (!file.open(QIODevice::ReadOnly)) return same;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (type.isEmpty() && withoutMnemonic(translation) == withoutMnemonic(source))
                same << source;
        }
    }
    return same;
}

// Where a widget stands in its window: its name where no other widget of
// the window has it, else its path, unnamed steps by class and place.
QString placeOf(const QWidget* w, const QWidget* top) {
    if (!w->objectName().isEmpty() && top->findChildren<QWidget*>(w->objectName()).size() <= 1)
        return w->objectName();
    QStringList steps;
    for (const QWidget* at = w; at && at != top; at = at->parentWidget()) {
        QString step = at->objectName();
        if (step.isEmpty()) {
            int index = 0;
            if (const QObject* parent = at->parent())
                for (const QObject* sibling : parent->children()) {
                    if (sibling == at) break;
                    if (sibling->metaObject() == at->metaObject()) ++index;
                }
            step =
                QString::fromLatin1(at->metaObject()->className()) + u'#' + QString::number(index);
        }
        steps.prepend(step);
    }
    return steps.join(u'/');
}

struct Walked {
    std::map<QString, QString> texts; // where -> text
    QStringList cut;                  // where and why
};

// Whether `text` fits `room` in `font`, or is elided with the whole text in
// `toolTip`.
bool fitsOrElided(const QString& text, const QFont& font, int room, const QString& toolTip) {
    // The last letter may reach a pixel further, as the designed titles do.
    if (QFontMetrics(font).size(Qt::TextShowMnemonic, text).width() <= room + 1) return true;
    return text.endsWith(kEllipsis) && toolTip.contains(withoutMnemonic(text.chopped(1)).trimmed());
}

int contentsWidthOf(const QAbstractButton* b) {
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton*>(b)) contents = QStyle::SE_RadioButtonContents;
    if (qobject_cast<const QCheckBox*>(b)) contents = QStyle::SE_CheckBoxContents;
    if (const auto* push = qobject_cast<const QPushButton*>(b)) {
        if (push->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
        if (push->isFlat()) option.features |= QStyleOptionButton::Flat;
    }
    int width = b->style()->subElementRect(contents, &option, b).width();
    if (!b->icon().isNull()) width -= b->iconSize().width() + 4;
    return width;
}

// The texts of `w` and whether each one fits, into `walked`.
void read(const QWidget* w, const QWidget* top, const QString& where, Walked& walked) {
    const auto keep = [&](const QString& what, const QString& text) {
        if (!text.trimmed().isEmpty()) walked.texts[where + u':' + what] = text;
    };
    const auto cut = [&](const QString& text, const QString& why) {
        walked.cut << where + QStringLiteral(": \"") + text + QStringLiteral("\" ") + why;
    };
    // A tool button shows its command, whose texts its toolbar holds.
    if (const auto* tool = qobject_cast<const QToolButton*>(w); tool && tool->defaultAction())
        return;
    // Wholly outside its window it is never seen (a name kept only to be
    // measured, the box for the hidden codes): only what a screen reader
    // says of it counts. Partly outside, from side to side, it is cut. A
    // board and the high scores are windows of their own in the main
    // window, which scrolls them.
    const QWidget* frame = top;
    for (const QWidget* at = w->parentWidget(); at && at != top; at = at->parentWidget())
        if (qobject_cast<const QMdiSubWindow*>(at)) {
            frame = at;
            break;
        }
    const QRect place(w->mapTo(frame, QPoint(0, 0)), w->size());
    QRect shown = place & frame->rect();
    for (const QWidget* at = w->parentWidget(); w != top && at && at != frame;
         at = at->parentWidget())
        shown &= QRect(at->mapTo(frame, QPoint(0, 0)), at->size());
    const bool seen = !shown.isEmpty();
    keep(QStringLiteral("accessible name"), w->accessibleName());
    keep(QStringLiteral("accessible description"), w->accessibleDescription());
    if (!seen) return;
    if (w == top || qobject_cast<const QMdiSubWindow*>(w) || qobject_cast<const QToolBar*>(w))
        keep(QStringLiteral("title"), w->windowTitle());
    keep(QStringLiteral("tooltip"), w->toolTip());
    keep(QStringLiteral("status tip"), w->statusTip());
    for (const QAction* action : w->actions()) {
        if (action->isSeparator() || !action->isVisible()) continue;
        const QString name = QStringLiteral("action ") + action->objectName();
        keep(name, action->text());
        keep(name + QStringLiteral(" tooltip"), action->toolTip());
        keep(name + QStringLiteral(" status tip"), action->statusTip());
    }

    const bool inWindow = place.left() >= 0 && place.right() <= frame->rect().right();
    const QWidget* parent = w->parentWidget();
    const bool scrolled = parent && qobject_cast<const QScrollArea*>(parent->parentWidget());
    const bool inParent = !parent || w == top || scrolled ||
                          (w->x() >= 0 && w->geometry().right() <= parent->rect().right());

    if (const auto* label = qobject_cast<const QLabel*>(w); label && label->pixmap().isNull()) {
        keep(QStringLiteral("text"), label->text());
        if (label->text().isEmpty()) return;
        if (!inWindow || !inParent) cut(label->text(), QStringLiteral("lies outside its window"));
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                          -label->margin(), -label->margin());
        if (label->wordWrap()) {
            const QRect needed = label->fontMetrics().boundingRect(
                room, int(label->alignment()) | Qt::TextWordWrap, label->text());
            if (needed.width() > room.width() || needed.height() > room.height())
                cut(label->text(), QStringLiteral("needs %1x%2 of %3x%4")
                                       .arg(needed.width())
                                       .arg(needed.height())
                                       .arg(room.width())
                                       .arg(room.height()));
        } else {
            for (const QString& line : label->text().split(u'\n'))
                if (!fitsOrElided(line, label->font(), room.width(), label->toolTip()))
                    cut(line, QStringLiteral("is wider than %1").arg(room.width()));
            // One line: its letters, accents included, within the window.
            const QFontMetrics metrics(label->font());
            const int free = room.height() - metrics.height();
            const Qt::Alignment align = label->alignment();
            const int offset = align & Qt::AlignTop ? 0 : align & Qt::AlignBottom ? free : free / 2;
            const QRect ink =
                metrics.tightBoundingRect(label->text())
                    .translated(0, place.top() + room.top() + offset + metrics.ascent());
            if (!label->text().contains(u'\n') &&
                (ink.top() < 0 || ink.bottom() >= frame->height()))
                cut(label->text(), QStringLiteral("reaches out of its window"));
        }
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        keep(QStringLiteral("text"), button->text());
        if (button->text().isEmpty()) return;
        if (!inWindow || !inParent) cut(button->text(), QStringLiteral("lies outside its window"));
        const int room = qobject_cast<const QToolButton*>(w) ? w->width() : contentsWidthOf(button);
        if (!fitsOrElided(button->text(), button->font(), room, button->toolTip()))
            cut(button->text(), QStringLiteral("is wider than %1").arg(room));
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            keep(QStringLiteral("tab %1").arg(i), tabs->tabText(i));
            keep(QStringLiteral("tab %1 tooltip").arg(i), tabs->tabToolTip(i));
            const QRect tab = tabs->tabRect(i);
            const int needed =
                tabs->fontMetrics().size(Qt::TextShowMnemonic, tabs->tabText(i)).width() +
                tabs->iconSize().width();
            if (!inWindow || tab.left() < 0 || tab.right() >= tabs->width() || needed > tab.width())
                cut(tabs->tabText(i), QStringLiteral("does not fit its tab"));
        }
    } else if (const auto* list = qobject_cast<const QTreeWidget*>(w)) {
        const QHeaderView* header = list->header();
        const int margin = list->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        const int cellMargin =
            2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
        for (int c = 0; c < list->columnCount(); ++c) {
            const QString heading = list->headerItem()->text(c);
            keep(QStringLiteral("heading %1").arg(c), heading);
            if (!header->isHidden() &&
                header->fontMetrics().horizontalAdvance(heading) + 2 * margin >
                    header->sectionSize(c))
                cut(heading, QStringLiteral("is wider than its column"));
            for (int r = 0; r < list->topLevelItemCount(); ++r) {
                const QTreeWidgetItem* item = list->topLevelItem(r);
                keep(QStringLiteral("row %1 cell %2").arg(r).arg(c), item->text(c));
                const int icon = item->icon(c).isNull() ? 0 : list->iconSize().width() + 4;
                if (QFontMetrics(item->font(c)).horizontalAdvance(item->text(c)) + icon +
                        cellMargin >
                    list->columnWidth(c))
                    cut(item->text(c), QStringLiteral("is wider than its column"));
            }
        }
    } else if (const auto* entries = qobject_cast<const QListWidget*>(w)) {
        for (int r = 0; r < entries->count(); ++r) {
            keep(QStringLiteral("row %1").arg(r), entries->item(r)->text());
            keep(QStringLiteral("row %1 tooltip").arg(r), entries->item(r)->toolTip());
        }
    } else if (const auto* bar = qobject_cast<const QStatusBar*>(w)) {
        keep(QStringLiteral("message"), bar->currentMessage());
    } else if (const auto* box = qobject_cast<const QLineEdit*>(w)) {
        keep(QStringLiteral("text"), box->text());
        keep(QStringLiteral("placeholder"), box->placeholderText());
    }
}

// Every text of window `top`, seen under `name`.
void readWindow(const QWidget& top, const QString& name, Walked& walked) {
    read(&top, &top, name, walked);
    for (const QWidget* w : top.findChildren<QWidget*>()) {
        // Windows of their own are walked as such.
        if (w->isWindow() || !w->isVisibleTo(&top)) continue;
        read(w, &top, name + u'/' + placeOf(w, &top), walked);
    }
}

// The whole game, walked with the translators installed now.
Walked walkTheGame(const QString& pictures) {
    Walked walked;
    ShellFixture f;
    if (!pictures.isEmpty()) QDir().mkpath(pictures);
    WindowWalk::walk(
        f, {[&](QWidget& w, const QString& name) {
                readWindow(w, name, walked);
                if (!pictures.isEmpty())
                    w.grab().save(pictures + u'/' + name + QStringLiteral(".png"));
            },
            [&](const QString& name, const QString& text) { walked.texts[name] = text; }});
    return walked;
}

// Whether an English text may stay as it is: nothing but names, numbers,
// the game's name and words the language writes as English does.
bool mayStayEnglish(QString text, const QStringList& same) {
    text = withoutMnemonic(text);
    QStringList kept = WindowWalk::typedTexts()
                       << QStringLiteral("Vorka") << QStringLiteral("Tolvane Studios");
    for (const QString& word : same)
        for (const QString& part : word.split(QRegularExpression(QStringLiteral("%L?\\d+"))))
            kept << withoutMnemonic(part).trimmed();
    // Longest first, so that no shorter one breaks a longer one up.
    std::sort(kept.begin(), kept.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& word : std::as_const(kept))
        if (!word.isEmpty()) text.remove(word, Qt::CaseInsensitive);
    return !text.contains(QRegularExpression(QStringLiteral("\\p{L}")));
}

} // namespace

class TranslatedWindowsTest : public QObject {
    Q_OBJECT
    const QLocale english = QLocale();

private slots:
    void initTestCase() {
        QApplication::setStyle(GameStyle::overApplicationStyle());
        Fonts::installFontSubstitutes();
    }

    void cleanup() {
        qDeleteAll(qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly));
        QLocale::setDefault(english);
    }

    void everyWindowSpeaksTheLanguageWhole_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("German") << "de_DE";
        QTest::newRow("French") << "fr_FR";
        QTest::newRow("Spanish") << "es_ES";
        // Not a language: every text longer, none the same as in English.
        QTest::newRow("Longer") << "";
    }
    void everyWindowSpeaksTheLanguageWhole() {
        QFETCH(QString, locale);
        const Walked english = walkTheGame(QString());
        QVERIFY2(english.texts.size() > 300, "the walk saw too few texts");

        QString language = QStringLiteral("longer");
        if (locale.isEmpty())
            QCoreApplication::installTranslator(new LongerLanguage(qApp));
        else
            language = Translations::install(*qApp, QLocale(locale));
        // Numbers as the language writes them, as on a system that speaks it.
        if (!locale.isEmpty()) QLocale::setDefault(QLocale(locale));
        QVERIFY2(!language.isEmpty(), "no translation for the language");
        const QString folder = qEnvironmentVariable("VORKA_SNAPSHOT_DIR");
        const Walked shown = walkTheGame(folder.isEmpty() ? folder : folder + u'/' + language);
        const QStringList same = sameInTheLanguage(language);

        QStringList leftInEnglish;
        for (const auto& [where, text] : english.texts) {
            const auto it = shown.texts.find(where);
            if (it == shown.texts.end())
                leftInEnglish << where + QStringLiteral(": \"") + text +
                                     QStringLiteral("\" is gone");
            else if (withoutMnemonic(it->second).trimmed() == withoutMnemonic(text).trimmed() &&
                     !mayStayEnglish(text, same))
                leftInEnglish << where + QStringLiteral(": \"") + text + u'"';
        }
        for (const QString& text : std::as_const(leftInEnglish))
            qWarning("left in English: %s", qPrintable(text));
        for (const QString& text : shown.cut) qWarning("cut: %s", qPrintable(text));
        QVERIFY2(leftInEnglish.isEmpty() && shown.cut.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts left in English, %2 cut (listed above)")
                                .arg(leftInEnglish.size())
                                .arg(shown.cut.size())));
    }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "TranslatedWindowsTest.moc"

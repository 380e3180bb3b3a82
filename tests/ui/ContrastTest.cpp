// Text stays readable under a dark colour scheme (Fusion with a dark palette,
// as a desktop's dark mode gives Qt programs): every text checked here keeps
// WCAG AA contrast, 4.5:1, against what it is drawn on, read from the pixels
// of the windows as they are drawn. The same holds when the palette turns dark
// while the windows are open, and the game's own colours are kept.

#include "support/ShellFixture.h"

#include "ui/FrmHighScores.h"
#include "ui/HelpViewer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextList>

#include <cmath>
#include <map>

using MdlGlobalDecs::DialogKind;

namespace {

// The palette a dark desktop gives Qt programs with the Fusion style.
QPalette darkPalette() {
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(240, 240, 240);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, base);
    p.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    return p;
}

double channel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb c) {
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text in `area` of `shot`: its ground is the commonest colour there, the
// text the pixel that stands out most from it (a glyph's core, not its
// smoothed edge).
struct Reading {
    QRgb ground = 0;
    QRgb text = 0;
    double ratio = 1;
};

Reading readText(const QImage& shot, const QRect& area) {
    std::map<QRgb, int> counts;
    const QRect inside = area & shot.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[shot.pixel(x, y) | 0xff000000];
    Reading r;
    int most = 0;
    for (const auto& [colour, n] : counts)
        if (n > most) most = n, r.ground = colour;
    for (const auto& [colour, n] : counts) {
        const double ratio = contrast(colour, r.ground);
        if (ratio > r.ratio) r.ratio = ratio, r.text = colour;
    }
    return r;
}

// Whether some pixel of `area` is exactly `colour`: the core of a glyph.
bool shows(const QImage& shot, const QRect& area, QRgb colour) {
    const QRect inside = area & shot.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if ((shot.pixel(x, y) | 0xff000000) == (colour | 0xff000000)) return true;
    return false;
}

QString hex(QRgb c) {
    return QColor(c).name();
}

// The text in `area` of the picture reads at a contrast of at least 4.5:1.
void checkReadable(const QString& text, const QImage& shot, const QRect& area) {
    const Reading r = readText(shot, area);
    QVERIFY2(r.ratio >= 4.5, qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                                            .arg(text, hex(r.text), hex(r.ground))
                                            .arg(r.ratio, 0, 'f', 2)));
    qInfo("%s: %s on %s, %.2f:1", qPrintable(text), qPrintable(hex(r.text)),
          qPrintable(hex(r.ground)), r.ratio);
}

void saveShotIfAsked(const QImage& shot, const QString& name) {
    const QString folder = qEnvironmentVariable("VORKA_SHOTS");
    if (!folder.isEmpty()) shot.save(folder + "/dark-" + name + ".png");
}

// `widget`'s place in `window`'s picture.
QRect placeIn(QWidget* window, QWidget* widget, QRect rect) {
    return rect.translated(widget->mapTo(window, QPoint(0, 0)));
}

} // namespace

class ContrastTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellFixture> f;
    QPalette original_;

    void darken() {
        QApplication::setPalette(darkPalette());
        QCoreApplication::processEvents();
    }

private slots:
    void initTestCase() {
        Fonts::installFontSubstitutes();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        original_ = QApplication::palette();
    }
    void init() { f = std::make_unique<ShellFixture>(); }
    void cleanup() {
        f.reset();
        QApplication::setPalette(original_);
    }

    // Each text, under a dark palette set before the windows open and one
    // set while they are open.
    void textKeepsContrast_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whileOpen");
        for (bool whileOpen : {false, true}) {
            for (const char* text :
                 {"Hall of Fame tab", "Hall of Shame tab", "hall row", "hall header",
                  "Clear All Scores", "board 1-6 total", "board total", "board score cell",
                  "message", "option", "dialog button", "help text", "help heading", "help bullet",
                  "announcement words", "announcement name"}) {
                QTest::addRow("%s, %s", text, whileOpen ? "turned dark while open" : "dark")
                    << QString::fromLatin1(text) << whileOpen;
            }
        }
    }
    void textKeepsContrast() {
        QFETCH(QString, text);
        QFETCH(bool, whileOpen);
        if (!whileOpen) darken();
        if (text.startsWith("announcement")) {
            f->start({"Ann", "Bob"});
            QImage shot;
            QRect area;
            f->modals.then([&](QDialog& d) {
                if (whileOpen) darken();
                auto& a = static_cast<FrmNewPlayer&>(d);
                for (int i = 0; i < 25; ++i) a.Timer1_Timer(); // the name at its widest
                QCoreApplication::processEvents();
                shot = a.grab().toImage();
                QLabel* item = text.endsWith("words") ? a.Label2 : a.Picture2;
                // The name: the printed picture, stretched over the strip.
                const int width = a.animationWidth();
                const QRect r = text.endsWith("words") ? item->rect()
                                                       : QRect((item->width() - width) / 2 + 1, 1,
                                                               width - 2, a.Picture1.height() - 2) &
                                                             item->rect();
                area = placeIn(&a, item, r);
                QTest::mouseClick(a.Command1, Qt::LeftButton);
            });
            f->play(0, {3, 3, 3, 1, 6}, Category::Threes);
            saveShotIfAsked(shot, "announcement");
            checkReadable(text, shot, area);
            return;
        }
        f->start({"Ann"});
        f->play(0, {3, 3, 3, 1, 6}, Category::Threes);

        QImage shot;
        QRect area;
        QString shotName;
        const auto mainShot = [&] {
            if (whileOpen) darken();
            QCoreApplication::processEvents();
            return f->window->grab().toImage();
        };
        if (text.startsWith("Hall") || text.startsWith("hall") || text == "Clear All Scores") {
            FrmHighScores* scores = f->window->highScores();
            QVERIFY(scores);
            shot = mainShot();
            shotName = "high-scores";
            if (text.endsWith("tab")) {
                const int tab = text.contains("Shame") ? 1 : 0;
                QTabBar* tabs = scores->TabStrip1;
                QStyleOptionTab option;
                option.initFrom(tabs);
                option.rect = tabs->tabRect(tab);
                option.text = tabs->tabText(tab);
                option.icon = tabs->tabIcon(tab);
                option.iconSize = tabs->iconSize();
                option.shape = tabs->shape();
                const QRect r =
                    tabs->style()->subElementRect(QStyle::SE_TabBarTabText, &option, tabs);
                // Inside the tab's frame.
                area = placeIn(f->window.get(), tabs, r & option.rect.adjusted(2, 3, -2, -6));
            } else if (text == "hall row") {
                QTreeWidget* list = scores->ListView1[0];
                const QRect r = list->visualRect(list->model()->index(0, 1));
                area = placeIn(f->window.get(), list->viewport(), r);
            } else if (text == "hall header") {
                QHeaderView* header = scores->ListView1[0]->header();
                const int x = header->sectionViewportPosition(1);
                area = placeIn(f->window.get(), header,
                               QRect(x + 2, 2, header->sectionSize(1) - 4, header->height() - 4));
            } else {
                area = placeIn(f->window.get(), scores->Command1,
                               scores->Command1->rect().adjusted(6, 5, -6, -5));
            }
        } else if (text.startsWith("board")) {
            FrmMainGame* board = f->board(0);
            shot = mainShot();
            shotName = "board";
            QLabel* cell = text.endsWith("1-6 total") ? board->Label12
                           : text.endsWith("total")   ? board->Label13
                                                      : board->Label2[2];
            area = placeIn(f->window.get(), cell, cell->rect());
        } else if (text.startsWith("help")) {
            QPointer<HelpViewer> help;
            showHelp(help, f->window.get(), QStringLiteral(":/help/turn.html"));
            if (whileOpen) darken();
            QCoreApplication::processEvents();
            QTextBrowser* browser = help->Browser;
            shot = help->grab().toImage();
            shotName = "help";
            QTextDocument* doc = browser->document();
            const QPoint scroll(browser->horizontalScrollBar()->value(),
                                browser->verticalScrollBar()->value());
            QTextBlock found;
            for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
                const bool heading = b.blockFormat().headingLevel() > 0;
                const bool listed = b.textList() != nullptr;
                if ((text == "help heading" && heading) || (text == "help bullet" && listed) ||
                    (text == "help text" && !heading && !listed && b.length() > 40)) {
                    found = b;
                    break;
                }
            }
            QVERIFY2(found.isValid(), "no such block on the page");
            const QRectF block = doc->documentLayout()->blockBoundingRect(found);
            const QTextLine line = found.layout()->lineAt(0);
            QRect r(block.left() + line.x(), block.top() + line.y(), line.naturalTextWidth(),
                    line.height());
            if (text == "help bullet")
                r = QRect(block.left(), r.top(), r.left() - block.left() - 2, r.height());
            area = placeIn(help, browser->viewport(), r.translated(-scroll));
        } else {
            QImage dialogShot;
            f->modals.then([&](QDialog& d) {
                if (whileOpen) darken();
                QCoreApplication::processEvents();
                auto& box = static_cast<FrmMessageBox&>(d);
                dialogShot = box.grab().toImage();
                QWidget* item = text == "message"  ? static_cast<QWidget*>(box.Label1)
                                : text == "option" ? static_cast<QWidget*>(box.Option1[1])
                                                   : static_cast<QWidget*>(box.Command1);
                QRect r = item->rect();
                if (text == "option") r.setLeft(r.left() + 20);
                if (text == "dialog button") r = r.adjusted(8, 8, -8, -8);
                area = placeIn(&box, item, r);
                QTest::mouseClick(box.Command1, Qt::LeftButton);
            });
            MdlGlobalDecs::ShowMessageBox(f->services(), DialogKind::Welcome);
            shot = dialogShot;
            shotName = "message";
        }
        saveShotIfAsked(shot, shotName);
        QVERIFY(!area.isEmpty());
        checkReadable(text, shot, area);
    }

    // The game's own colours are the same under every palette, and the ones
    // it lightens for a dark scheme come back as they were under the default
    // one.
    void gameColoursStay_data() {
        QTest::addColumn<QString>("palettes");
        QTest::addColumn<bool>("endsDark");
        QTest::newRow("default") << "default" << false;
        QTest::newRow("dark") << "dark" << true;
        QTest::newRow("dark, then default again while open") << "dark default" << false;
    }
    void gameColoursStay() {
        QFETCH(QString, palettes);
        QFETCH(bool, endsDark);
        if (palettes.startsWith("dark")) darken();
        f->start({"Ann"});
        f->play(0, {3, 3, 3, 1, 6}, Category::Threes);
        if (palettes.endsWith("default")) QApplication::setPalette(original_);
        QCoreApplication::processEvents();
        const QImage shot = f->window->grab().toImage();
        FrmHighScores* scores = f->window->highScores();
        QLabel* heading = scores->Label1;
        QCOMPARE(QColor(shot.pixel(placeIn(f->window.get(), scores, QRect(2, 2, 1, 1)).topLeft())),
                 QColor(255, 192, 192));
        const QRgb red = qRgb(255, 0, 0);
        QVERIFY(shows(shot, placeIn(f->window.get(), heading, heading->rect()), red));
        QLabel* cell = f->board(0)->Label2[2];
        QCOMPARE(shows(shot, placeIn(f->window.get(), cell, cell->rect()), red), !endsDark);

        QColor ground;
        f->modals.then([&](QDialog& d) {
            ground = QColor(d.grab().toImage().pixel(4, 4));
            QTest::mouseClick(static_cast<FrmMessageBox&>(d).Command1, Qt::LeftButton);
        });
        MdlGlobalDecs::ShowMessageBox(f->services(), DialogKind::Welcome);
        QCOMPARE(ground, QColor(255, 255, 0));
    }
};

QTEST_MAIN(ContrastTest)
#include "ContrastTest.moc"

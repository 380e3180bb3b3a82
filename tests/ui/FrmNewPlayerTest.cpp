#include "ui/FrmNewPlayer.h"
#include "board/Fonts.h"
#include "support/Fakes.h"
#include "support/ScriptedModals.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using MdlGlobalDecs::AnnounceTurn;

namespace {

FrmNewPlayer& asAnnouncement(QDialog& dialog) {
    auto* window = qobject_cast<FrmNewPlayer*>(&dialog);
    if (!window) qFatal("the window shown is not the announcement");
    return *window;
}

bool isRed(const QColor& c) {
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

// The columns of the strip in which some pixel is red.
QPair<int, int> redColumns(const QImage& image) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (isRed(image.pixelColor(x, y))) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

void saveShotIfAsked(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("VORKA_SHOTS");
    if (!folder.isEmpty()) window.grab().save(folder + "/" + name + ".png");
}

} // namespace

class FrmNewPlayerTest : public QObject {
    Q_OBJECT

    FakeServices fakes;
    // The fakes, with `modals` answering the window (the program's own
    // QDialog::exec() when none is given).
    ExecRunner exec;
    AppServices app(ModalRunner* modals = nullptr) {
        return {fakes.services(), modals ? modals : &exec, nullptr};
    }

private slots:
    void initTestCase() { Fonts::installFontSubstitutes(); }
    void init() {
        fakes.sound.setOn(true);
        fakes.sound.played.clear();
        fakes.sound.waited.clear();
        fakes.events.pumps = 0;
    }

    void window();
    void captionsAreLetters_data();
    void captionsAreLetters();
    void announcement_data();
    void announcement();
    void soundsOff();
    void enterDismisses_data();
    void enterDismisses();
    void closeIsRefused();
    void ticks_data();
    void ticks();
    void stretchPlacesTheName_data();
    void stretchPlacesTheName();
    void timerAnimatesTheStrip();
    void realModalLoop();
    void screenReaderHearsTheName();
};

void FrmNewPlayerTest::window() {
    FrmNewPlayer window(app());
    QCOMPARE(window.objectName(), QStringLiteral("FrmNewPlayer"));
    QCOMPARE(window.size(), QSize(352, 217));
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window.Shape1->geometry(), QRect(0, 0, 352, 217));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(window.pos(), QPoint(screen.left() + (screen.width() - 352) / 2,
                                  screen.top() + (screen.height() - 217) / 2));

    QCOMPARE(window.Label2->text(), QStringLiteral("IT's"));
    QCOMPARE(window.Label3->text(), QStringLiteral("GO!"));
    QCOMPARE(window.Command1->text(), QStringLiteral("OK  "));
    QVERIFY(window.Command1->isDefault());
    QCOMPARE(window.Label2->pos(), QPoint(135, -4));
    QCOMPARE(window.Label3->pos(), QPoint(126, 118));
    QCOMPARE(window.Picture2->geometry(), QRect(1, 56, 350, 55));
    QCOMPARE(window.Command1->geometry(), QRect(77, 169, 272, 43));
    QCOMPARE(window.Label2->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(window.Label3->palette().color(QPalette::WindowText), QColor(Qt::blue));
    // The measuring label is out of sight below the client area.
    QVERIFY(window.Label1->y() >= window.height());

    // The lines sit inside the window, one above the other, without
    // covering the strip or the button.
    const QRect client = window.rect();
    QVERIFY(window.Label2->geometry().bottom() < window.Picture2->y() + 2);
    QVERIFY(window.Label3->geometry().top() >= window.Picture2->geometry().bottom() - 2);
    QVERIFY(window.Label3->geometry().bottom() <= window.Command1->y() + 4);
    QVERIFY(client.contains(window.Image2->geometry()));
    QVERIFY(!window.Image2->geometry().intersects(window.Command1->geometry()));
    QVERIFY(!window.Image2->geometry().intersects(window.Label3->geometry()));
    QVERIFY(!window.Image2->geometry().intersects(window.Picture2->geometry()));
    QVERIFY(!window.Image2->pixmap().isNull());

    QVERIFY(window.Timer1->isActive());
    QCOMPARE(window.Timer1->interval(), 10);
    QCOMPARE(window.animationWidth(), int16_t(150));
    QCOMPARE(window.animationStep(), int16_t(-8));

    const QImage image = window.grab().toImage();
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(image.pixelColor(351, 216), QColor(Qt::black));
}

void FrmNewPlayerTest::captionsAreLetters_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("IT's") << "Label2";
    QTest::newRow("GO!") << "Label3";
    QTest::newRow("OK") << "Command1";
}

void FrmNewPlayerTest::captionsAreLetters() {
    QFETCH(QString, control);
    FrmNewPlayer window(app());
    auto* widget = window.findChild<QWidget*>(control);
    QVERIFY(widget);
    const QFontInfo info(widget->font());
    QVERIFY2(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Latin),
             qPrintable(info.family()));
    QVERIFY(info.bold());
    const QString text = widget->property("text").toString();
    const QFontMetrics metrics(widget->font());
    for (QChar c : text.trimmed()) QVERIFY(metrics.inFont(c));
    // A label is sized to its text; the button needs a little room besides.
    const int room = qobject_cast<QLabel*>(widget) ? 0 : 4;
    QVERIFY2(metrics.horizontalAdvance(text) + room <= widget->width(),
             qPrintable(QString("%1 pixels wide").arg(metrics.horizontalAdvance(text))));
}

void FrmNewPlayerTest::announcement_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Ann") << "Ann"
                         << "ANN's";
    QTest::newRow("already capitals") << "BOB"
                                      << "BOB's";
    QTest::newRow("apostrophe") << "o'Neil"
                                << "O'NEIL's";
    QTest::newRow("markup") << "<b>cy</b>"
                            << "<B>CY</B>'s";
    QTest::newRow("long name") << "Maximiliana Wolkenstein"
                               << "MAXIMILIANA WOLKENSTEIN's";
}

void FrmNewPlayerTest::announcement() {
    QFETCH(QString, name);
    QFETCH(QString, shown);
    ScriptedModals modals;
    QStringList soundsWhileUp;
    modals.then([&](QDialog& dialog) {
        FrmNewPlayer& window = asAnnouncement(dialog);
        soundsWhileUp = fakes.sound.played;
        QCOMPARE(window.Label1->text(), shown);
        QCOMPARE(window.Label1->textFormat(), Qt::PlainText);
        // Events ran before the window came up.
        QVERIFY(fakes.events.pumps >= 1);

        // The name was printed in red into the off-screen picture, which
        // took the measuring label's size: the whole text, not a tag.
        QCOMPARE(window.Picture1.size(), window.Label1->size());
        QVERIFY(window.Label1->width() >=
                window.Label1->fontMetrics().horizontalAdvance(shown) - 2);
        const auto [first, last] = redColumns(window.Picture1.toImage());
        QVERIFY(first >= 0);
        QVERIFY(first < 10);
        QVERIFY(last > window.Picture1.width() - 10);

        window.Timer1->stop();
        window.Timer1_Timer();
        saveShotIfAsked(window, QString("newplayer-%1").arg(QTest::currentDataTag()));
        ScriptedModals::click("Command1")(dialog);
    });
    AnnounceTurn(app(&modals), name);

    QCOMPARE(modals.shown, QStringList{"FrmNewPlayer"});
    QCOMPARE(soundsWhileUp, QStringList{"NEWPLAYER"});
    QCOMPARE(fakes.sound.played, (QStringList{"NEWPLAYER", "OKNWPLYR"}));
    QVERIFY(fakes.sound.waited.isEmpty());
}

void FrmNewPlayerTest::soundsOff() {
    fakes.sound.setOn(false);
    ScriptedModals modals;
    modals.thenClick("Command1");
    AnnounceTurn(app(&modals), "Ann");
    // Still announced, in silence.
    QCOMPARE(modals.shown, QStringList{"FrmNewPlayer"});
    QCOMPARE(fakes.sound.played, QStringList());
}

void FrmNewPlayerTest::enterDismisses_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    // "OK  " is the only answer, and changes nothing.
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void FrmNewPlayerTest::enterDismisses() {
    QFETCH(int, key);
    ScriptedModals modals;
    modals.then([key](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key(key)); });
    AnnounceTurn(app(&modals), "Bob");
    QCOMPARE(fakes.sound.played, (QStringList{"NEWPLAYER", "OKNWPLYR"}));
}

void FrmNewPlayerTest::closeIsRefused() {
    ScriptedModals modals;
    modals.then([](QDialog& dialog) {
        QVERIFY(!dialog.close());
        QCloseEvent event;
        QApplication::sendEvent(&dialog, &event);
        QVERIFY(!event.isAccepted());
        QVERIFY(dialog.isVisible());
        ScriptedModals::click("Command1")(dialog);
    });
    AnnounceTurn(app(&modals), "Cy");
    QCOMPARE(fakes.sound.played, (QStringList{"NEWPLAYER", "OKNWPLYR"}));
}

void FrmNewPlayerTest::ticks_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("step");
    QTest::newRow("first") << 1 << 158 << 8;
    QTest::newRow("second") << 2 << 166 << 8;
    QTest::newRow("last below the top") << 24 << 342 << 8;
    QTest::newRow("top") << 25 << 350 << 8;
    QTest::newRow("turned down") << 26 << 342 << -8;
    QTest::newRow("last above the bottom") << 49 << 158 << -8;
    QTest::newRow("bottom") << 50 << 150 << -8;
    QTest::newRow("turned up") << 51 << 158 << 8;
    QTest::newRow("top again") << 75 << 350 << 8;
    QTest::newRow("bottom again") << 100 << 150 << -8;
}

void FrmNewPlayerTest::ticks() {
    QFETCH(int, ticks);
    QFETCH(int, width);
    QFETCH(int, step);
    FrmNewPlayer window(app());
    window.Timer1->stop();
    window.Label1->setText("ANN's");
    window.ShowFrmNewPlayer();
    for (int i = 0; i < ticks; ++i) window.Timer1_Timer();
    QCOMPARE(window.animationWidth(), int16_t(width));
    QCOMPARE(window.animationStep(), int16_t(step));
}

void FrmNewPlayerTest::stretchPlacesTheName_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::newRow("narrowest drawn, wide name") << 1 << QSize(600, 40) << 96 << 158;
    QTest::newRow("widest, wide name") << 25 << QSize(600, 40) << 0 << 350;
    QTest::newRow("in between, narrow name") << 13 << QSize(90, 55) << 48 << 254;
    QTest::newRow("back at the bottom") << 50 << QSize(120, 30) << 100 << 150;
}

void FrmNewPlayerTest::stretchPlacesTheName() {
    QFETCH(int, ticks);
    QFETCH(QSize, picture);
    QFETCH(int, left);
    QFETCH(int, width);
    FrmNewPlayer window(app());
    window.Timer1->stop();
    // A solid picture shows exactly where the stretched copy lands.
    window.Picture1 = QPixmap(picture);
    window.Picture1.fill(Qt::red);
    for (int i = 0; i < ticks; ++i) window.Timer1_Timer();

    const QImage strip = window.Picture2->pixmap().toImage();
    QCOMPARE(strip.size(), QSize(350, 55));
    const auto [first, last] = redColumns(strip);
    QCOMPARE(first, left);
    QCOMPARE(last, left + width - 1);
    // The height is the picture's, never stretched.
    const int height = qMin(picture.height(), 55);
    QVERIFY(isRed(strip.pixelColor(left, height - 1)));
    if (height < 55) QVERIFY(!isRed(strip.pixelColor(left, height)));
    // Each tick clears what the last one drew.
    if (left > 0) QVERIFY(!isRed(strip.pixelColor(left - 1, 0)));
}

void FrmNewPlayerTest::timerAnimatesTheStrip() {
    FrmNewPlayer window(app());
    window.Label1->setText("ANN's");
    window.ShowFrmNewPlayer();
    QTRY_VERIFY_WITH_TIMEOUT(window.animationWidth() > 158, 2000);
    const auto [first, last] = redColumns(window.Picture2->pixmap().toImage());
    QVERIFY(first >= 0);
    QVERIFY(last > first);
}

void FrmNewPlayerTest::realModalLoop() {
    // In the program's own modal loop the name keeps moving while the window
    // waits, and Escape ends the wait as "OK  " does.
    int widthSeen = 150;
    QTimer::singleShot(100, [&widthSeen] {
        auto* window = qobject_cast<FrmNewPlayer*>(QApplication::activeModalWidget());
        QVERIFY(window);
        widthSeen = window->animationWidth();
        QTest::keyClick(window, Qt::Key_Escape);
    });
    QTimer fallback;
    fallback.setSingleShot(true);
    connect(&fallback, &QTimer::timeout, [] {
        if (auto* window = qobject_cast<FrmNewPlayer*>(QApplication::activeModalWidget()))
            window->Command1->click();
    });
    fallback.start(5000);
    AnnounceTurn(app(), "Ann");
    QVERIFY(fallback.isActive());
    QVERIFY(widthSeen != 150);
    QCOMPARE(fakes.sound.played, (QStringList{"NEWPLAYER", "OKNWPLYR"}));
}

void FrmNewPlayerTest::screenReaderHearsTheName() {
    // The name is drawn as a picture; the window still says it in words.
    ScriptedModals modals;
    QString name;
    QString description;
    QString strip;
    modals.then([&](QDialog& dialog) {
        auto& window = static_cast<FrmNewPlayer&>(dialog);
        name = QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name);
        description =
            QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Description);
        strip = QAccessible::queryAccessibleInterface(window.Picture2)->text(QAccessible::Name);
        ScriptedModals::click("Command1")(dialog);
    });
    AnnounceTurn(app(&modals), "Ann");
    // Named in the player's own letters, as the window's words say it.
    QCOMPARE(name, QStringLiteral("It's Ann's go!"));
    QCOMPARE(description, QStringLiteral("IT's ANN's GO!"));
    QCOMPARE(strip, QStringLiteral("ANN's"));
}

QTEST_MAIN(FrmNewPlayerTest)
#include "FrmNewPlayerTest.moc"

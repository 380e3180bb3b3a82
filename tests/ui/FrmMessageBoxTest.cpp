#include "ui/FrmMessageBox.h"
#include "board/Fonts.h"
#include "game/GameResult.h"
#include "game/Limits.h"
#include "support/Fakes.h"
#include "support/ScriptedModals.h"
#include "ui/DialogAnswers.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTextDocument>
#include <QTextOption>
#include <QTimer>
#include <QTreeWidget>

using MdlGlobalDecs::DialogKind;
using MdlGlobalDecs::ShowMessageBox;
using MdlGlobalDecs::ShowNotice;

Q_DECLARE_METATYPE(DialogKind)

namespace {

// "\?" keeps the compiler from reading "??!" as a trigraph.
const QString kLeave = QStringLiteral("LEAVE VORKA???\?!!!\r\rAre you sure????");
const QString kClearAll = QStringLiteral("Choosing this option will delete all scores on both the "
                                         "Hall of Fame and the Hall of Shame.\r\rAre you sure?");
const QString kNul = QString(QChar(u'\0'));

const QStringList kOptionalControls = {"Command1",  "Command2", "Command3", "Option1_0",
                                       "Option1_1", "Text1",    "ListView1"};

FrmMessageBox& asBox(QDialog& dialog) {
    auto* box = qobject_cast<FrmMessageBox*>(&dialog);
    if (!box) qFatal("the window shown is not the message dialog");
    return *box;
}

// What a player sees of the window while it is up.
struct Seen {
    QString message;
    QString label;
    int16_t picture = -1;
    QStringList visible;
    QStringList captions; // "control=caption" of every shown button, option and box
    QString focus;
    int labelRoom = 0; // pixels to spare below the message, negative if cut off
};

Seen look(FrmMessageBox& box) {
    Seen seen;
    seen.message = box.message();
    seen.label = box.Label1->text();
    seen.picture = box.picture();
    for (const QString& name : kOptionalControls) {
        auto* control = box.findChild<QWidget*>(name);
        if (control && control->isVisible()) seen.visible.append(name);
    }
    for (auto* button : box.findChildren<QAbstractButton*>())
        if (button->isVisible()) seen.captions.append(button->objectName() + "=" + button->text());
    if (box.Text1->isVisible()) seen.captions.append("Text1=" + box.Text1->text());
    seen.captions.sort();
    if (QWidget* focus = box.focusWidget()) seen.focus = focus->objectName();
    // The message must end within its label and above the controls under it.
    int bottom = box.Label1->y() + box.Label1->height();
    for (QWidget* below : {static_cast<QWidget*>(box.Text1), static_cast<QWidget*>(box.Option1[0])})
        if (below->isVisible()) bottom = qMin(bottom, below->y());
    seen.labelRoom = bottom - box.Label1->y() - box.Label1->heightForWidth(box.Label1->width());
    return seen;
}

void saveShotIfAsked(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("VORKA_SHOTS");
    if (!folder.isEmpty()) window.grab().save(folder + "/" + name + ".png");
}

// Types into the name box as a player does: select all, then type over it.
void typeName(FrmMessageBox& box, const QString& text) {
    box.Text1->selectAll();
    QTest::keyClick(box.Text1, Qt::Key_Backspace);
    QTest::keyClicks(box.Text1, text);
}

} // namespace

class FrmMessageBoxTest : public QObject {
    Q_OBJECT

    FakeServices fakes;
    // The fakes, with `modals` answering the dialogs.
    AppServices app(ModalRunner* modals = nullptr) { return {fakes.services(), modals, nullptr}; }

private slots:
    void initTestCase() { Fonts::installFontSubstitutes(); }
    void init() {
        fakes.sound.played.clear();
        fakes.sound.waited.clear();
        fakes.sound.setOn(true);
    }

    void window();
    void controlPlaces_data();
    void controlPlaces();
    void tabOrder();
    void pictureCells();
    void kinds_data();
    void kinds();
    void answers_data();
    void answers();
    void enterInNameBoxPressesOnce_data();
    void enterInNameBoxPressesOnce();
    void enterAnswersWhereTheFocusIs_data();
    void enterAnswersWhereTheFocusIs();
    void notices_data();
    void notices();
    void noticeSounds_data();
    void noticeSounds();
    void soundsOff();
    void closeIsRefused();
    void markupIsShownAsText();
    void captionsAreLettersAndFit_data();
    void captionsAreLettersAndFit();
    void ownNoticeWithScoreList();
    void realModalLoop();
    void screenReaderHearsTheQuestion();
    void resultMessageIsWhole_data();
    void resultMessageIsWhole();
};

void FrmMessageBoxTest::window() {
    FrmMessageBox box(app());
    QCOMPARE(box.objectName(), QStringLiteral("FrmMessageBox"));
    QCOMPARE(box.size(), QSize(435, 201));
    QVERIFY(box.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(box.palette().color(QPalette::Window), QColor(255, 255, 0));
    QCOMPARE(box.Shape1->geometry(), QRect(0, 0, 435, 201));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(box.pos(), QPoint(screen.left() + (screen.width() - 435) / 2,
                               screen.top() + (screen.height() - 201) / 2));

    // The frame is black on yellow, all the way round.
    const QImage image = box.grab().toImage();
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(image.pixelColor(434, 200), QColor(Qt::black));
    QCOMPARE(image.pixelColor(217, 200), QColor(Qt::black));
    QCOMPARE(image.pixelColor(2, 100), QColor(255, 255, 0));

    // Loaded, every optional control is hidden and "On my own" is chosen.
    for (const QString& name : kOptionalControls)
        QVERIFY2(box.findChild<QWidget*>(name)->isHidden(), qPrintable(name));
    QVERIFY(box.Option1[0]->isChecked());
    QVERIFY(!box.Option1[1]->isChecked());
    QCOMPARE(box.Command1->text(), QStringLiteral("OK  "));
    QCOMPARE(box.Command2->text(), QStringLiteral("YES  "));
    QCOMPARE(box.Command3->text(), QStringLiteral("NO  "));
    QCOMPARE(box.Option1[0]->text(), QStringLiteral("On my own"));
    QCOMPARE(box.Option1[1]->text(), QStringLiteral("With others"));
}

void FrmMessageBoxTest::controlPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("picture") << "Image1" << QRect(5, 14, 125, 170);
    QTest::newRow("message") << "Label1" << QRect(137, 18, 276, 89);
    QTest::newRow("score list") << "ListView1" << QRect(136, 77, 280, 58);
    QTest::newRow("on my own") << "Option1_0" << QRect(146, 116, 122, 16);
    QTest::newRow("with others") << "Option1_1" << QRect(277, 116, 122, 16);
    QTest::newRow("name box") << "Text1" << QRect(136, 112, 279, 22);
    QTest::newRow("wide button") << "Command1" << QRect(135, 138, 280, 46);
    QTest::newRow("left button") << "Command2" << QRect(135, 138, 140, 46);
    QTest::newRow("right button") << "Command3" << QRect(275, 138, 140, 46);
}

void FrmMessageBoxTest::controlPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    FrmMessageBox box(app());
    auto* control = box.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), place);
}

void FrmMessageBoxTest::tabOrder() {
    FrmMessageBox box(app());
    QStringList order;
    QWidget* w = box.Command1;
    const QStringList expected = {"Command1", "Option1_0", "Option1_1",
                                  "Command2", "Command3",  "Text1"};
    for (int i = 0; i < expected.size(); ++i) {
        order.append(w->objectName());
        w = w->nextInFocusChain();
    }
    QCOMPARE(order, expected);
}

void FrmMessageBoxTest::pictureCells() {
    FrmMessageBox box(app());
    for (int cell = 0; cell < 4; ++cell) {
        QVERIFY2(!box.Pics(cell).isNull(), qPrintable(QString("cell %1 is missing").arg(cell)));
        QCOMPARE(box.Pics(cell).size(), QSize(117, 167));
        // Drawn on a yellow ground, with a figure on it.
        const QImage image = box.Pics(cell).toImage();
        QCOMPARE(image.pixelColor(0, 0), QColor(255, 255, 0));
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; y += 3)
            for (int x = 0; x < image.width() && !drawn; x += 3)
                drawn = image.pixelColor(x, y) != QColor(255, 255, 0);
        QVERIFY2(drawn, qPrintable(QString("cell %1 is blank").arg(cell)));
        for (int other = 0; other < cell; ++other) QVERIFY(box.Pics(other).toImage() != image);
    }
    box.setPicture(2);
    QCOMPARE(box.Image1->pixmap().toImage(), box.Pics(2).toImage());
    box.setPicture(7); // no such cell: nothing shown, nothing broken
    QVERIFY(box.Image1->pixmap().isNull());
}

void FrmMessageBoxTest::kinds_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<bool>("gameInProgress");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QStringList>("shown"); // "control=caption" of every control shown
    QTest::addColumn<QString>("sound");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("close");
    const auto row = [](const char* tag, DialogKind kind, bool game, const QString& message,
                        int picture, const QStringList& shown, const char* sound, const char* focus,
                        const char* close) {
        QTest::newRow(tag) << kind << game << message << picture << shown << QString(sound)
                           << QString(focus) << QString(close);
    };
    const QStringList yeahNa = {"Command2=YEAH  ", "Command3=NA  "};
    row("Welcome", DialogKind::Welcome, false,
        "Welcome to Vorka.\r\rPlease select whether you would like to play alone or with others.",
        0, {"Command1=OK  ", "Option1_0=On my own", "Option1_1=With others"}, "START", "Command1",
        "Command1");
    row("PlayerNames", DialogKind::PlayerNames, false,
        "Please enter the names of those playing.\r\rIf you have reached the end of the list, "
        "click OK",
        0, {"Command2=NEXT  ", "Command3=OK  ", "Text1=Noname"}, "FANFARE", "Text1", "Command3");
    row("OwnName", DialogKind::OwnName, false, "Please enter your name.", 0,
        {"Command1=OK  ", "Text1=Noname"}, "FANFARE", "Text1", "Command1");
    // Questions whose "YEAH  " loses something (a zero in the card, a game)
    // open on "NA  ".
    row("ConfirmZero", DialogKind::ConfirmZero, false,
        "Chosing this option would place 0 in this cell.\r\rAre you sure?", 1, yeahNa, "QUESTION",
        "Command3", "Command3");
    row("ConfirmLeave, no game", DialogKind::ConfirmLeave, false, kLeave, 3, yeahNa, "QUESTION",
        "Command3", "Command3");
    row("ConfirmLeave, during a game", DialogKind::ConfirmLeave, true,
        kLeave + "\r\rYou'll forfeit the current game!!", 3, yeahNa, "QUESTION", "Command3",
        "Command3");
    row("ConfirmForfeit", DialogKind::ConfirmForfeit, true,
        "Choosing this option will forfeit the current game.\r\rAre you sure?", 1, yeahNa,
        "QUESTION", "Command3", "Command3");
}

void FrmMessageBoxTest::kinds() {
    QFETCH(DialogKind, kind);
    QFETCH(bool, gameInProgress);
    QFETCH(QString, message);
    QFETCH(int, picture);
    QFETCH(QStringList, shown);
    QFETCH(QString, sound);
    QFETCH(QString, focus);
    QFETCH(QString, close);

    ScriptedModals modals;
    Seen seen;
    QStringList soundsWhileUp;
    modals.then([&](QDialog& dialog) {
        FrmMessageBox& box = asBox(dialog);
        seen = look(box);
        soundsWhileUp = fakes.sound.played;
        QCOMPARE(box.kind(), static_cast<int16_t>(kind));
        QCOMPARE(box.Tag, QString::number(static_cast<int>(kind)));
        QCOMPARE(box.Image1->pixmap().toImage(), box.Pics(picture).toImage());
        saveShotIfAsked(box, QString("messagebox-%1").arg(QTest::currentDataTag()));
        ScriptedModals::click(close)(dialog);
    });
    ShowMessageBox(app(&modals), kind, gameInProgress);

    QCOMPARE(modals.shown, QStringList{"FrmMessageBox"});
    QCOMPARE(seen.message, message);
    QCOMPARE(seen.label, QString(message).replace(u'\r', u'\n'));
    QCOMPARE(seen.picture, static_cast<int16_t>(picture));
    shown.sort();
    QCOMPARE(seen.captions, shown);
    QStringList visible;
    for (const QString& control : shown) visible.append(control.section('=', 0, 0));
    QCOMPARE(seen.visible, visible);
    QCOMPARE(seen.focus, focus);
    QVERIFY2(seen.labelRoom >= 0, qPrintable(QString::number(seen.labelRoom)));
    // The kind's sound starts as the window opens, before any button.
    QCOMPARE(soundsWhileUp, QStringList{sound});
    QCOMPARE(fakes.sound.played, (QStringList{sound, "BPRESS"}));
    QVERIFY(fakes.sound.waited.isEmpty());
}

void FrmMessageBoxTest::answers_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<bool>("retype");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("withOthers");
    QTest::addColumn<QString>("press"); // a button, or "Enter" in the name box
    QTest::addColumn<QVariant>("answer");
    // A null `typed` leaves the box as it opened; otherwise it is typed over.
    const auto row = [](const char* tag, DialogKind kind, const QString& typed, bool withOthers,
                        const char* press, const QVariant& answer) {
        QTest::newRow(tag) << kind << !typed.isNull() << typed << withOthers << QString(press)
                           << answer;
    };
    const QString untouched;
    const QString cleared(""); // empty, not null
    const QVariant noname(QStringLiteral("Noname"));
    const QVariant lastNoname(QStringLiteral("Noname") + kNul);
    row("Welcome untouched", DialogKind::Welcome, untouched, false, "Command1", 0);
    row("Welcome with others", DialogKind::Welcome, untouched, true, "Command1", 1);
    row("names NEXT untouched", DialogKind::PlayerNames, untouched, false, "Command2", noname);
    row("names Enter untouched", DialogKind::PlayerNames, untouched, false, "Enter", noname);
    row("names OK untouched", DialogKind::PlayerNames, untouched, false, "Command3", lastNoname);
    row("names NEXT cleared", DialogKind::PlayerNames, cleared, false, "Command2", noname);
    row("names Enter cleared", DialogKind::PlayerNames, cleared, false, "Enter", noname);
    row("names OK cleared", DialogKind::PlayerNames, cleared, false, "Command3", lastNoname);
    row("names NEXT Ann", DialogKind::PlayerNames, "Ann", false, "Command2", QString("Ann"));
    row("names Enter Ann", DialogKind::PlayerNames, "Ann", false, "Enter", QString("Ann"));
    // No longer than a saved game keeps a name.
    row("names NEXT 70 letters", DialogKind::PlayerNames, QString(70, u'x'), false, "Command2",
        QString(64, u'x'));
    row("own name 70 letters", DialogKind::OwnName, QString(70, u'y'), false, "Command1",
        QString(64, u'y'));
    row("names OK Ann", DialogKind::PlayerNames, "Ann", false, "Command3", QString("Ann") + kNul);
    row("names blanks stay", DialogKind::PlayerNames, "   ", false, "Command2", QString("   "));
    row("names blank stays, last", DialogKind::PlayerNames, " ", false, "Command3",
        QString(" ") + kNul);
    row("own name OK untouched", DialogKind::OwnName, untouched, false, "Command1", noname);
    row("own name OK cleared", DialogKind::OwnName, cleared, false, "Command1", noname);
    row("own name Enter Bob", DialogKind::OwnName, "Bob", false, "Enter", QString("Bob"));
    row("own name OK Bob", DialogKind::OwnName, "Bob", false, "Command1", QString("Bob"));
    row("zero YEAH", DialogKind::ConfirmZero, untouched, false, "Command2", true);
    row("zero NA", DialogKind::ConfirmZero, untouched, false, "Command3", false);
    row("leave YEAH", DialogKind::ConfirmLeave, untouched, false, "Command2", true);
    row("leave NA", DialogKind::ConfirmLeave, untouched, false, "Command3", false);
    row("forfeit YEAH", DialogKind::ConfirmForfeit, untouched, false, "Command2", true);
    row("forfeit NA", DialogKind::ConfirmForfeit, untouched, false, "Command3", false);
    // Escape gives the answer that changes nothing; where there is only one
    // answer, that one.
    row("zero Escape", DialogKind::ConfirmZero, untouched, false, "Escape", false);
    row("leave Escape", DialogKind::ConfirmLeave, untouched, false, "Escape", false);
    row("forfeit Escape", DialogKind::ConfirmForfeit, untouched, false, "Escape", false);
    row("Welcome Escape", DialogKind::Welcome, untouched, false, "Escape", 0);
    row("Welcome with others Escape", DialogKind::Welcome, untouched, true, "Escape", 1);
    row("own name Escape Bob", DialogKind::OwnName, "Bob", false, "Escape", QString("Bob"));
}

void FrmMessageBoxTest::answers() {
    QFETCH(DialogKind, kind);
    QFETCH(bool, retype);
    QFETCH(QString, typed);
    QFETCH(bool, withOthers);
    QFETCH(QString, press);
    QFETCH(QVariant, answer);

    ScriptedModals modals;
    modals.then([&](QDialog& dialog) {
        FrmMessageBox& box = asBox(dialog);
        if (retype) typeName(box, typed);
        if (withOthers) {
            QTest::mouseClick(box.Option1[1], Qt::LeftButton);
            QVERIFY(box.Option1[1]->isChecked());
            QVERIFY(!box.Option1[0]->isChecked());
        }
        if (press == "Enter")
            QTest::keyClick(box.Text1, Qt::Key_Return);
        else if (press == "Escape")
            QTest::keyClick(box.focusWidget() ? box.focusWidget() : &dialog, Qt::Key_Escape);
        else
            ScriptedModals::click(press)(dialog);
    });
    const QVariant returned = ShowMessageBox(app(&modals), kind);

    QCOMPARE(returned.typeId(), answer.typeId());
    QCOMPARE(returned, answer);
    QCOMPARE(fakes.sound.played.count("BPRESS"), 1);
}

void FrmMessageBoxTest::enterInNameBoxPressesOnce_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<int>("key");
    QTest::newRow("names, Return") << DialogKind::PlayerNames << int(Qt::Key_Return);
    QTest::newRow("names, keypad Enter") << DialogKind::PlayerNames << int(Qt::Key_Enter);
    QTest::newRow("own name, Return") << DialogKind::OwnName << int(Qt::Key_Return);
}

void FrmMessageBoxTest::enterInNameBoxPressesOnce() {
    QFETCH(DialogKind, kind);
    QFETCH(int, key);
    ScriptedModals modals;
    modals.then([&](QDialog& dialog) {
        FrmMessageBox& box = asBox(dialog);
        typeName(box, "Cy");
        // Typing goes into the box as usual, Enter excepted.
        QCOMPARE(box.Text1->text(), QStringLiteral("Cy"));
        QTest::keyClick(box.Text1, Qt::Key(key));
    });
    QCOMPARE(ShowMessageBox(app(&modals), kind), QVariant(QStringLiteral("Cy")));
    // One press, not a second one by a default button.
    QCOMPARE(fakes.sound.played, (QStringList{"FANFARE", "BPRESS"}));
}

// Enter, wherever the dialog opened its focus or the player moved it, gives
// the answer of the button it stands for: "OK  " from a chosen option of the
// welcome, "NA  " in a question that would lose the game or put a zero in
// the card.
void FrmMessageBoxTest::enterAnswersWhereTheFocusIs_data() {
    QTest::addColumn<DialogKind>("kind");
    QTest::addColumn<QString>("moveTo"); // a control to give the focus first, or none
    QTest::addColumn<QVariant>("answer");
    QTest::newRow("welcome, 'With others' chosen")
        << DialogKind::Welcome << "Option1_1" << QVariant(1);
    QTest::newRow("welcome, as it opens") << DialogKind::Welcome << "" << QVariant(0);
    QTest::newRow("leave") << DialogKind::ConfirmLeave << "" << QVariant(false);
    QTest::newRow("forfeit") << DialogKind::ConfirmForfeit << "" << QVariant(false);
    QTest::newRow("zero") << DialogKind::ConfirmZero << "" << QVariant(false);
}

void FrmMessageBoxTest::enterAnswersWhereTheFocusIs() {
    QFETCH(DialogKind, kind);
    QFETCH(QString, moveTo);
    QFETCH(QVariant, answer);
    ScriptedModals modals;
    modals.then([&](QDialog& dialog) {
        FrmMessageBox& box = asBox(dialog);
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QWidget* focus = QApplication::focusWidget();
        if (!moveTo.isEmpty()) {
            auto* option = box.findChild<QRadioButton*>(moveTo);
            QVERIFY(option);
            option->setChecked(true);
            option->setFocus();
            focus = option;
        }
        QTest::keyClick(focus ? focus : &dialog, Qt::Key_Return);
    });
    QCOMPARE(ShowMessageBox(app(&modals), kind, true), answer);
}

void FrmMessageBoxTest::notices_data() {
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QVariant>("answer");
    QTest::addColumn<QString>("focus");
    const auto row = [](const char* tag, int buttons, const QStringList& captions,
                        const char* press, const QVariant& answer, const char* focus) {
        QTest::newRow(tag) << buttons << captions << QString(press) << answer << QString(focus);
    };
    const QStringList yeahNa = {"Command2=YEAH  ", "Command3=NA  "};
    const QStringList okCancel = {"Command2=OK  ", "Command3=CANCEL  "};
    // Set 1 answers nothing.
    row("set 1, OK", 1, {"Command1=OK  "}, "Command1", QVariant(), "Command1");
    // YEAH / NA asks before the Halls are cleared: it opens on NA, so that
    // Enter (or Alt+C, Alt+C, Enter from the main window) deletes nothing.
    row("set 2, YEAH", 2, yeahNa, "Command2", true, "Command3");
    row("set 2, NA", 2, yeahNa, "Command3", false, "Command3");
    row("set 2, Enter", 2, yeahNa, "Enter", false, "Command3");
    row("set 3, OK", 3, okCancel, "Command2", true, "Command2");
    row("set 3, CANCEL", 3, okCancel, "Command3", false, "Command2");
    // Escape: NA and CANCEL, or OK when it is the only answer.
    row("set 1, Escape", 1, {"Command1=OK  "}, "Escape", QVariant(), "Command1");
    row("set 2, Escape", 2, yeahNa, "Escape", false, "Command3");
    row("set 3, Escape", 3, okCancel, "Escape", false, "Command2");
}

void FrmMessageBoxTest::notices() {
    QFETCH(int, buttons);
    QFETCH(QStringList, captions);
    QFETCH(QString, press);
    QFETCH(QVariant, answer);
    QFETCH(QString, focus);

    ScriptedModals modals;
    Seen seen;
    modals.then([&](QDialog& dialog) {
        FrmMessageBox& box = asBox(dialog);
        seen = look(box);
        QCOMPARE(box.kind(), int16_t(99));
        saveShotIfAsked(box, QString("notice-%1").arg(buttons));
        if (press == "Enter")
            QTest::keyClick(box.focusWidget() ? box.focusWidget() : &dialog, Qt::Key_Return);
        else if (press == "Escape")
            QTest::keyClick(box.focusWidget() ? box.focusWidget() : &dialog, Qt::Key_Escape);
        else
            ScriptedModals::click(press)(dialog);
    });
    const QVariant returned = ShowNotice(app(&modals), kClearAll, int16_t(buttons), 1, 1);

    QCOMPARE(seen.message, kClearAll);
    QCOMPARE(seen.picture, int16_t(1));
    QCOMPARE(seen.captions, captions);
    QCOMPARE(seen.focus, focus);
    QVERIFY(seen.labelRoom >= 0);
    QCOMPARE(returned, answer);
    QCOMPARE(fakes.sound.played, (QStringList{"QUESTION", "BPRESS"}));
}

void FrmMessageBoxTest::noticeSounds_data() {
    QTest::addColumn<int>("sound");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << "START";
    QTest::newRow("1") << 1 << "QUESTION";
    QTest::newRow("2") << 2 << "WIN";
    QTest::newRow("3") << 3 << "FANFARE";
    QTest::newRow("4") << 4 << "END";
    QTest::newRow("5") << 5 << "QUESTION";
    QTest::newRow("-1") << -1 << "QUESTION";
    QTest::newRow("99") << 99 << "QUESTION";
}

void FrmMessageBoxTest::noticeSounds() {
    QFETCH(int, sound);
    QFETCH(QString, name);
    ScriptedModals modals;
    modals.thenClick("Command1");
    ShowNotice(app(&modals), "Game over.", 1, 0, int16_t(sound));
    QCOMPARE(fakes.sound.played, (QStringList{name, "BPRESS"}));
    // Only the exit waits for its sound; a notice never does.
    QVERIFY(fakes.sound.waited.isEmpty());
}

void FrmMessageBoxTest::soundsOff() {
    fakes.sound.setOn(false);
    ScriptedModals modals;
    for (const char* button : {"Command1", "Command3", "Command1", "Command2", "Command3",
                               "Command2", "Command1", "Command3"})
        modals.thenClick(button);
    QCOMPARE(ShowMessageBox(app(&modals), DialogKind::Welcome), QVariant(0));
    QCOMPARE(ShowMessageBox(app(&modals), DialogKind::PlayerNames),
             QVariant(QString("Noname") + kNul));
    QCOMPARE(ShowMessageBox(app(&modals), DialogKind::OwnName), QVariant(QString("Noname")));
    QCOMPARE(ShowMessageBox(app(&modals), DialogKind::ConfirmZero), QVariant(true));
    QCOMPARE(ShowMessageBox(app(&modals), DialogKind::ConfirmLeave), QVariant(false));
    QCOMPARE(ShowMessageBox(app(&modals), DialogKind::ConfirmForfeit), QVariant(true));
    QCOMPARE(ShowNotice(app(&modals), "Silent", 1, 3, 4), QVariant());
    QCOMPARE(ShowNotice(app(&modals), "Silent", 3, 3, 0), QVariant(false));
    // Silent throughout, button presses included.
    QCOMPARE(modals.shown.size(), 8);
    QCOMPARE(fakes.sound.played, QStringList());
}

void FrmMessageBoxTest::closeIsRefused() {
    ScriptedModals modals;
    modals.then([&](QDialog& dialog) {
        // The window manager's close, and Escape and a plain reject where
        // no answer changes nothing, leave the question up and the answer
        // as it was.
        QVERIFY(!dialog.close());
        QVERIFY(dialog.isVisible());
        QCloseEvent event;
        QApplication::sendEvent(&dialog, &event);
        QVERIFY(!event.isAccepted());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        dialog.reject();
        QVERIFY(dialog.isVisible());
        QVERIFY(!asBox(dialog).DialogAnswer.isValid());
        ScriptedModals::click("Command2")(dialog);
    });
    QCOMPARE(ShowMessageBox(app(&modals), DialogKind::PlayerNames), QVariant(QString("Noname")));
    QCOMPARE(fakes.sound.played, (QStringList{"FANFARE", "BPRESS"}));
}

void FrmMessageBoxTest::markupIsShownAsText() {
    const QString name = QStringLiteral("<h1>Bob</h1><img src=\":/pictures/pics/0.svg\">");
    FrmMessageBox box(app());
    box.setMessage(name + "\rwins");
    QCOMPARE(box.Label1->textFormat(), Qt::PlainText);
    QCOMPARE(box.Label1->text(), name + "\nwins");
    // Shown as text, the markup is as wide as its characters.
    box.Label1->setWordWrap(false);
    QVERIFY(box.Label1->sizeHint().width() >=
            box.Label1->fontMetrics().horizontalAdvance(name) - 2);
}

void FrmMessageBoxTest::captionsAreLettersAndFit_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    for (const char* caption : {"YES  ", "YEAH  ", "NEXT  ", "OK  "})
        QTest::addRow("Command2 %s", caption) << "Command2" << caption;
    for (const char* caption : {"NO  ", "NA  ", "OK  ", "CANCEL  "})
        QTest::addRow("Command3 %s", caption) << "Command3" << caption;
    QTest::newRow("Command1 OK") << "Command1"
                                 << "OK  ";
    QTest::newRow("option 0") << "Option1_0"
                              << "On my own";
    QTest::newRow("option 1") << "Option1_1"
                              << "With others";
}

void FrmMessageBoxTest::captionsAreLettersAndFit() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    FrmMessageBox box(app());
    auto* control = box.findChild<QAbstractButton*>(button);
    QVERIFY(control);
    const QFontInfo info(control->font());
    QVERIFY2(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Latin),
             qPrintable(info.family()));
    QVERIFY(!QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Symbol));
    const QFontMetrics metrics(control->font());
    for (QChar c : caption.trimmed()) QVERIFY(metrics.inFont(c));
    // The caption fits inside the button, blanks included: centred, a wider
    // one would lose letters at both edges.
    control->setText(caption);
    const int room = qobject_cast<QRadioButton*>(control) ? 24 : 4;
    QVERIFY2(metrics.horizontalAdvance(caption) + room <= control->width(),
             qPrintable(QString("%1 pixels wide").arg(metrics.horizontalAdvance(caption))));
    QVERIFY(metrics.height() <= control->height());
}

void FrmMessageBoxTest::ownNoticeWithScoreList() {
    // The end of a game builds its notice itself: message, picture, OK and
    // the list of scores.
    ScriptedModals modals;
    FrmMessageBox box(app());
    QCOMPARE(box.ListView1->headerItem()->text(0), QStringLiteral("Score"));
    QCOMPARE(box.ListView1->headerItem()->text(1), QStringLiteral("Name"));
    QVERIFY(!box.ListView1->rootIsDecorated());
    box.setMessage(QStringLiteral("Ann wins!"));
    box.setPicture(0);
    box.setButtonSet(1);
    new QTreeWidgetItem(box.ListView1, {"250", "Ann"});
    new QTreeWidgetItem(box.ListView1, {"190", "Bob"});
    box.ListView1->show();
    box.setKind(DialogKind::Notice);
    modals.then([](QDialog& dialog) {
        saveShotIfAsked(dialog, "notice-game-over");
        ScriptedModals::click("Command1")(dialog);
    });
    modals.run(box);
    QVERIFY(!box.isVisible());
    QVERIFY(!box.DialogAnswer.isValid()); // "OK  " alone answers nothing
    QCOMPARE(fakes.sound.played, QStringList{"BPRESS"});
}

void FrmMessageBoxTest::realModalLoop() {
    // The program's own modal loop: Escape (in the name list, which has no
    // answer that changes nothing) and a close request leave it waiting;
    // only a button ends it.
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<FrmMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(!box->close());
        QTimer::singleShot(0, [box] {
            QVERIFY(box->isVisible());
            QTest::mouseClick(box->Command2, Qt::LeftButton);
        });
    });
    // Should the dialog hang on, answer it differently so the test fails.
    QTimer fallback;
    fallback.setSingleShot(true);
    connect(&fallback, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<FrmMessageBox*>(QApplication::activeModalWidget()))
            box->Command3->click();
    });
    fallback.start(5000);
    ExecRunner exec;
    QCOMPARE(ShowMessageBox(app(&exec), DialogKind::PlayerNames), QVariant(QString("Noname")));
    QCOMPARE(fakes.sound.played, (QStringList{"FANFARE", "BPRESS"}));
}

void FrmMessageBoxTest::screenReaderHearsTheQuestion() {
    // The window is named with its whole message and describes what it can
    // be answered with; its buttons speak their captions.
    ScriptedModals modals;
    QString name;
    QString description;
    QString yes;
    modals.then([&](QDialog& dialog) {
        auto& box = static_cast<FrmMessageBox&>(dialog);
        name = QAccessible::queryAccessibleInterface(&box)->text(QAccessible::Name);
        description = QAccessible::queryAccessibleInterface(&box)->text(QAccessible::Description);
        yes = QAccessible::queryAccessibleInterface(box.Command2)->text(QAccessible::Name);
        ScriptedModals::click("Command3")(dialog);
    });
    MdlGlobalDecs::ShowMessageBox(app(&modals), DialogKind::ConfirmZero);
    QCOMPARE(name, QStringLiteral("Chosing this option would place 0 in this cell. Are you sure?"));
    QCOMPARE(description, QStringLiteral("Answer with YEAH or NA."));
    QCOMPARE(yes.trimmed(), QStringLiteral("YEAH"));

    // A notice with OK alone says so.
    modals.then([&](QDialog& dialog) {
        description =
            QAccessible::queryAccessibleInterface(&dialog)->text(QAccessible::Description);
        ScriptedModals::click("Command1")(dialog);
    });
    MdlGlobalDecs::ShowNotice(app(&modals), QStringLiteral("Saved."), 1, 1, 1);
    QCOMPARE(description, QStringLiteral("Answer with OK."));
}

// The whole result message shows above the score list, and the window, its
// picture and its button stay as they always are.
void checkResultLayout(FrmMessageBox& box) {
    QCOMPARE(box.size(), QSize(435, 201));
    QCOMPARE(box.Image1->geometry(), QRect(5, 14, 125, 170));
    QCOMPARE(box.Command1->geometry(), QRect(135, 138, 280, 46));
    QVERIFY(box.Command1->isVisible());

    // The message, whole: in its label, or scrolling in its own place.
    const int needed = box.Label1->heightForWidth(box.Label1->width());
    QRect message(box.Label1->pos(), QSize(box.Label1->width(), needed));
    if (box.messageScroller() && box.messageScroller()->isVisible()) {
        message = box.messageScroller()->geometry();
        QVERIFY(box.Label1->height() >= needed);
        QCOMPARE(box.Label1->width(), box.messageScroller()->viewport()->width());
    } else {
        QVERIFY2(needed <= box.Label1->height(),
                 qPrintable(QString("the message needs %1 pixels and has %2")
                                .arg(needed)
                                .arg(box.Label1->height())));
    }
    QVERIFY(box.Label1->fontInfo().pointSizeF() >= 7.5);
    // No word is wider than the label: none is cut off at its right.
    QTextDocument lines;
    lines.setDocumentMargin(0);
    lines.setDefaultFont(box.Label1->font());
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WordWrap);
    lines.setDefaultTextOption(wrap);
    lines.setPlainText(box.Label1->text());
    lines.setTextWidth(box.Label1->width());
    QVERIFY2(lines.idealWidth() <= box.Label1->width(),
             qPrintable(QString("a line is %1 pixels wide in a label of %2")
                            .arg(lines.idealWidth())
                            .arg(box.Label1->width())));
    // Above the list, which shows at least its header and one player, and
    // the list above the button.
    const QRect list = box.ListView1->geometry();
    QVERIFY(box.ListView1->isVisible());
    QVERIFY2(message.bottom() < list.top(),
             qPrintable(QString("the message ends at %1, the list starts at %2")
                            .arg(message.bottom())
                            .arg(list.top())));
    QVERIFY(list.bottom() < box.Command1->y());
    QVERIFY(message.top() >= 0 && message.right() < box.width());
    QVERIFY(box.ListView1->visualItemRect(box.ListView1->topLevelItem(0)).bottom() <
            box.ListView1->viewport()->height());
}

void FrmMessageBoxTest::resultMessageIsWhole_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("nameLength");
    for (int players : {2, 3, 4, 5, 6, 8, 12, 255})
        for (int length : {3, 20, kMaxNameLength})
            QTest::addRow("%d players named with %d letters", players, length) << players << length;
}

void FrmMessageBoxTest::resultMessageIsWhole() {
    // The players draw: the longest message for so many names.
    QFETCH(int, players);
    QFETCH(int, nameLength);
    std::vector<PlayerScore> scores;
    for (int i = 0; i < players; ++i) {
        const QString number = QString::number(i + 1);
        scores.push_back({QString(nameLength - number.size(), QChar(u'W')) + number, 278});
    }
    // One more who lost, so that the drawn players are named one by one.
    scores.push_back({QStringLiteral("Lou"), 100});
    const GameResult result = computeGameResult(scores);
    ScriptedModals modals;
    bool checked = false;
    modals.then([&](QDialog& dialog) {
        auto& box = static_cast<FrmMessageBox&>(dialog);
        saveShotIfAsked(dialog, QStringLiteral("result-%1-%2").arg(players).arg(nameLength));
        QCOMPARE(box.message(), result.message());
        checkResultLayout(box);
        checked = !QTest::currentTestFailed();
        ScriptedModals::click("Command1")(dialog);
    });
    DialogAnswers answers(app(&modals));
    answers.showResult(result, scores);
    QVERIFY(checked);
}

QTEST_MAIN(FrmMessageBoxTest)
#include "FrmMessageBoxTest.moc"

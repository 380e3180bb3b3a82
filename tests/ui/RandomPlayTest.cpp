// A player who does anything at any moment: random clicks on dice, Roll,
// categories and player buttons, die keys, the toolbar's commands with their
// dialogs answered either way, seats handed to the computer and taken back,
// the hint opened and closed, and quitting, all with a fixed seed, from a
// timer that fires inside rolls and dialogs as well as between them. The game
// must neither crash nor hang, and whenever it is at rest it must show a
// consistent game. VORKA_STRESS=1 plays for much longer.

#include "board/Fonts.h"
#include "board/FrmMainGame.h"
#include "game/TurnFlow.h"
#include "players/GameSession.h"
#include "storage/Registry_Operations.h"
#include "ui/ComputerSeats.h"
#include "ui/FileChooser.h"
#include "ui/HintWindow.h"
#include "ui/MDIFrmMainGame.h"

#include "support/Fakes.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <thread>

namespace {

using Ticks = std::chrono::steady_clock;

// Time that moves on by a fifth of a second at every look: a roll lasts
// some eight frames, each with a real pass of the event loop.
class SteppingClock final : public Clock {
public:
    double secondsSinceMidnight() override { return 43200.0 + now_ / 1e9; }
    int64_t monotonicNanoseconds() override { return now_ += 200'000'000; }

private:
    int64_t now_ = 0;
};

// The file dialogs: a modal window up for a moment with its own event loop,
// as a real one is, until the player answers with the game's file or
// cancels.
class LingeringChooser final : public FileChooser {
public:
    QString file;
    QEventLoop* open = nullptr;
    QDialog* shown = nullptr;
    bool chosen = false;

    QString openFileName(QWidget*, const QString&, const QString&) override { return linger(); }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return linger(); }

private:
    QString linger() {
        QDialog dialog;
        dialog.setObjectName("FileDialog");
        dialog.setModal(true);
        dialog.show();
        QEventLoop loop;
        open = &loop;
        shown = &dialog;
        loop.exec();
        open = nullptr;
        shown = nullptr;
        return chosen ? file : QString();
    }
};

// The offscreen platform's notes on what it cannot do, thousands of them.
QtMessageHandler qtHandler = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        qtHandler(type, context, message);
}

} // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    SteppingClock clock;
    XoshiroRandom random;
    FakeSound sound;
    QtEventPump events;
    LingeringChooser chooser;
    ExecRunner modals;
    Registry_Operations::Registry store{dir.filePath("store.sqlite")};
    std::mt19937 rng{20261208};
    std::unique_ptr<MDIFrmMainGame> window;
    QEventLoop* run = nullptr;
    bool quitting = false;
    QElapsedTimer quitSince;
    int actions = 0;
    int restarts = 0;
    int finished = 0;   // games played to their end
    int handedOver = 0; // seats given to the computer
    // While a file dialog is up: the game as first seen under it, which the
    // computer must leave as it is (whose turn, rolls left, categories used).
    QString underDialog;
    int computerWaited = 0; // looks at a file dialog up while the computer had the turn
    std::atomic<int64_t> lastTick{0};

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(int percent) { return pick(100) < percent; }

    GameSession& session() { return window->session(); }

    // A click as the mouse makes it: the press may roll, and a roll may
    // replace the game, its windows with it, before the button comes up.
    static void click(QWidget* widget, QPoint at = QPoint()) {
        const QPointer<QWidget> guard(widget);
        QTest::mousePress(widget, Qt::LeftButton, {}, at);
        if (guard) QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    }
    static void key(QWidget* widget, int key, bool held = false) {
        const QPointer<QWidget> guard(widget);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), held);
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), held);
        if (guard) QCoreApplication::sendEvent(widget, &release);
    }

    void clickAny(QWidget& parent, bool mostlyLast = false) {
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : parent.findChildren<QAbstractButton*>())
            if (b->isVisible() && b->isEnabled()) buttons << b;
        if (buttons.isEmpty()) {
            key(&parent, Qt::Key_Escape);
            return;
        }
        QAbstractButton* b =
            mostlyLast && chance(60) ? buttons.last() : buttons[pick(int(buttons.size()))];
        click(b);
    }

    void answerDialog(QWidget& dialog) {
        auto* name = dialog.findChild<QLineEdit*>();
        const bool naming = name && name->isVisible();
        if (naming && chance(50)) QTest::keyClicks(name, QStringList{"Ann", "Bob", "Cy"}[pick(3)]);
        // Names end mostly with the last one's OK, so that games start.
        clickAny(dialog, naming);
    }

    void answerMenu(QMenu& menu) {
        // Not the perfect seat: it needs the whole value table, seconds of
        // work on other threads (the computer's own tests play it).
        QList<QAction*> choices;
        for (QAction* a : menu.actions())
            if (a->isEnabled() && !a->isSeparator() && a->objectName() != "Perfect") choices << a;
        if (choices.isEmpty() || chance(20)) {
            key(&menu, Qt::Key_Escape);
            return;
        }
        click(&menu, menu.actionGeometry(choices[pick(int(choices.size()))]).center());
    }

    void playOnWindow() {
        const int boards = session().boardCount();
        const int16_t index = int16_t(boards > 0 ? pick(boards) : 0);
        // Mostly the player whose turn it is.
        const int16_t player = chance(80) ? session().currentPlayer() : index;
        FrmMainGame* board = window->boardWindow(player);
        const int what = pick(100);
        if (!session().gameInProgress() && chance(30)) {
            window->commandAction("New")->trigger();
        } else if (board && what < 30) {
            click(board->Command1);
        } else if (board && what < 42) {
            click(board->Digits[pick(Board::kDice)]);
        } else if (board && what < 50) {
            key(board, Qt::Key_1 + pick(Board::kDice), chance(30));
        } else if (board && what < 85) {
            // Mostly a category the dice may go in, as a player would.
            QList<QPushButton*> open;
            for (Category c : kAllCategories)
                if (board->categoryButton(c)->isEnabled()) open << board->categoryButton(c);
            click(!open.isEmpty() && chance(80)
                      ? open[pick(int(open.size()))]
                      : board->categoryButton(categoryAt(pick(kCategoryCount))));
        } else if (what < 88) {
            if (QAction* button = window->playerButton(index)) button->trigger();
        } else if (what < 92) {
            if (QAction* button = window->playerButton(index)) {
                // The player button's menu: the computer takes the seat or gives it back.
                QWidget* widget = window->Toolbar1->widgetForAction(button);
                const QPoint at = widget->geometry().center();
                QContextMenuEvent menu(QContextMenuEvent::Mouse, at,
                                       window->Toolbar1->mapToGlobal(at));
                QCoreApplication::sendEvent(window->Toolbar1, &menu);
            }
        } else if (what < 94) {
            if (HintWindow* hint = window->computerSeats().hintWindow(); hint && chance(50))
                hint->close();
            else
                window->commandAction("Hint")->trigger();
        } else {
            static const QStringList commands = {"New", "Open", "Save", "Sounds", "Scores", "Quit"};
            const QString command = commands[pick(int(commands.size()))];
            if (command == "Quit" && chance(50))
                window->close(); // the window's close button
            else
                window->commandAction(command)->trigger();
        }
    }

    // Whatever is on top takes the next action: a menu, a modal window (which
    // may stand over a file dialog), a file dialog, or else the main window.
    void act() {
        lastTick = Ticks::now().time_since_epoch().count();
        ++actions;
        // A quit that never gets back to the event loop is a hang too.
        if (quitting && quitSince.isValid() && quitSince.hasExpired(5000)) {
            QWidget* top = QApplication::activeModalWidget();
            std::fprintf(stderr,
                         "FAIL: not back in the event loop 5 s after quitting; on top: %s\n",
                         top ? top->metaObject()->className() : "no window");
            std::abort();
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            answerMenu(*menu);
        } else if (modal && modal != chooser.shown) {
            answerDialog(*modal);
        } else if (chooser.open) {
            checkComputerWaits();
            // The player takes a while over the name, long enough for the
            // computer's pause to run out many times.
            if (chance(10)) {
                chooser.chosen = chance(60);
                chooser.open->quit();
                underDialog.clear();
            }
        } else if (quitting) {
            run->exit();
        } else {
            checkAtRest();
            playOnWindow();
        }
    }

    // The computer makes no move while a person is in a file dialog: nothing
    // of its turn may come up over it and take what is typed there.
    void checkComputerWaits() {
        GameSession& s = session();
        if (!s.gameInProgress() || s.boardCount() == 0 || !s.isComputer(s.currentPlayer())) return;
        ++computerWaited;
        const Board& board = s.board(s.currentPlayer());
        int used = 0;
        for (Category c : kAllCategories) used += board.card().available(c) ? 0 : 1;
        const QString seen = QString("player %1, %2 rolls left, %3 categories used")
                                 .arg(s.currentPlayer())
                                 .arg(board.rollsLeft())
                                 .arg(used);
        if (underDialog.isEmpty())
            underDialog = seen;
        else
            QVERIFY2(seen == underDialog, qPrintable("the computer moved under a file dialog: " +
                                                     underDialog + ", then " + seen));
    }

    bool atRest() const {
        for (int16_t i = 0; i < window->session().boardCount(); ++i)
            if (window->session().board(i).spinning()) return false;
        return true;
    }

    // What a player sees between moves agrees with the game.
    void checkAtRest() {
        if (!atRest() || QTest::currentTestFailed()) return;
        GameSession& s = session();
        int pressed = 0;
        for (int16_t i = 0; i < s.boardCount(); ++i)
            if (QAction* b = window->playerButton(i); b && b->isChecked()) ++pressed;
        QVERIFY2(pressed <= 1, "more than one player button pressed");
        if (!s.gameInProgress()) return;
        QCOMPARE(s.boardCount(), s.lastPlayer() + 1);
        for (int16_t i = 0; i < s.boardCount(); ++i) {
            const Board& board = s.board(i);
            FrmMainGame* shown = window->boardWindow(i);
            QVERIFY(shown);
            if (s.lastPlayer() > 0 && i != s.currentPlayer())
                QVERIFY2(!shown->Command1->isEnabled(), "a board without the turn can roll");
            // The board with the turn can roll while it has rolls left, but
            // for the moment the turn is being handed to it.
            const bool handedOver =
                board.rollsLeft() == Board::kRollsPerTurn && !board.diceEnabled();
            if (i == s.currentPlayer() && board.rollsLeft() >= 1 && !handedOver)
                QVERIFY2(shown->Command1->isEnabled(),
                         qPrintable(
                             QString("the board with the turn cannot roll: %1 rolls left, dice %2")
                                 .arg(board.rollsLeft())
                                 .arg(board.diceEnabled() ? "on" : "off")));
            const Totals totals = Countup(board.card());
            QCOMPARE(shown->Label12->text(), totals.upperText());
            QCOMPARE(shown->Label13->text(), totals.grandText());
        }
    }

    // One run of the program, from its start to a confirmed quit or the end
    // of the actions.
    void playOneRun(int until) {
        quitting = false;
        quitSince.invalidate();
        // The real modal loops: the dialogs run their own event loops, inside
        // which the actions go on.
        window = std::make_unique<MDIFrmMainGame>(
            AppServices{{&clock, &random, &sound, &events}, &modals, &chooser, &store});
        window->exitProgram = [this] { quitting = true; };
        window->toolbarSettingsFile = dir.filePath("toolbar.ini");
        window->pendingScoresFile = dir.filePath("pending-scores.ini");
        window->computerSeats().setPaceMs(3);
        connect(&window->session(), &GameSession::gameOver, this, [this] { ++finished; });
        connect(&window->session(), &GameSession::seatChanged, this, [this](int16_t i) {
            if (window->session().isComputer(i)) ++handedOver;
        });
        // A small table: a perfect seat or the hint outside it waits, as it may.
        window->computerSeats().setTableCategories(uint16_t(
            (1u << categoryIndex(Category::Chance)) | (1u << categoryIndex(Category::Vorka))));
        QEventLoop loop;
        run = &loop;
        // A timer does not fire again while its own slot runs, so each action
        // is posted: one that opens a dialog or rolls leaves the timer free to
        // post the next one inside it.
        QTimer driver;
        driver.setInterval(1);
        bool posted = false;
        connect(&driver, &QTimer::timeout, this, [&] {
            if (posted) return;
            posted = true;
            QMetaObject::invokeMethod(
                this,
                [&] {
                    posted = false;
                    if (actions >= until || QTest::currentTestFailed()) quitting = true;
                    if (quitting && !quitSince.isValid()) quitSince.start();
                    act();
                },
                Qt::QueuedConnection);
        });
        QTimer::singleShot(0, window.get(), &MDIFrmMainGame::MDIForm_Load);
        driver.start();
        loop.exec();
        driver.stop();
        run = nullptr;
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ++restarts;
    }

private slots:
    void initTestCase() {
        qtHandler = qInstallMessageHandler(quietPlatform);
        Fonts::installFontSubstitutes();
        chooser.file = dir.filePath("play.vrk");
    }

    void anythingAtAnyMoment() {
        const int total = qEnvironmentVariableIsSet("VORKA_STRESS") ? 30000 : 2500;
        // Stuck for five seconds is a hang: say where the game was and stop.
        std::atomic<bool> done{false};
        lastTick = Ticks::now().time_since_epoch().count();
        std::thread watchdog([&] {
            while (!done) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                const auto idle = Ticks::now().time_since_epoch().count() - lastTick.load();
                if (std::chrono::nanoseconds(idle) > std::chrono::seconds(5)) {
                    std::fprintf(stderr, "FAIL: no action for 5 s after %d actions\n", actions);
                    std::abort();
                }
            }
        });
        while (actions < total && !QTest::currentTestFailed()) playOneRun(total);
        done = true;
        watchdog.join();
        qInfo("%d actions in %d runs: %d games finished, %d seats handed to the computer, %d "
              "looks at a file dialog over the computer's turn",
              actions, restarts, finished, handedOver, computerWaited);
        QVERIFY(restarts >= 1);
        QVERIFY2(computerWaited > 0, "no file dialog was ever up over the computer's turn");
        QVERIFY2(!QTest::currentTestFailed(), qPrintable(QString("after %1 actions").arg(actions)));
    }
};

QTEST_MAIN(RandomPlayTest)
#include "RandomPlayTest.moc"

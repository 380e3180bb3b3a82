#pragma once

// Every window and dialog of the game, shown one after the other in the
// real windows offscreen, in the course of games played by script: the main
// window with its toolbars and boards, every kind of message dialog, the
// announcement, the high scores, the hint, the seat menu, the customise
// dialog, the help, the file dialogs' titles and the notices. Whoever walks
// looks at each window while it shows (the screenshots save it, the
// languages' test reads its texts).

#include "support/ShellFixture.h"

#include "players/StrategyTable.h"
#include "ui/ComputerSeats.h"
#include "ui/DialogAnswers.h"
#include "ui/FrmHighScores.h"
#include "ui/HelpViewer.h"
#include "ui/HintWindow.h"
#include "ui/ScoreKeeper.h"

#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

#include <functional>

struct WindowVisitor {
    // A window as it shows, under a name of its own.
    std::function<void(QWidget& window, const QString& name)> window;
    // A text the game hands to a window that is not its own (the file
    // dialogs' titles and filters).
    std::function<void(const QString& name, const QString& text)> text;
};

namespace WindowWalk {

// The players' names and the other texts the walk types or hands in:
// they are the players' own, in any language.
inline QStringList typedTexts() {
    return {QStringLiteral("Ann"),
            QStringLiteral("Bob"),
            QStringLiteral("Cy"),
            QStringLiteral("Dee"),
            QStringLiteral("Łukasz Wróblewski-Szczepańska"),
            QStringLiteral("Ἀθηνᾶ"),
            QStringLiteral("/nowhere/vorka-walk")};
}

// The file dialogs: their texts are shown, and the file chosen is one that
// cannot be opened or written.
struct Files final : FileChooser {
    const WindowVisitor& visit;
    explicit Files(const WindowVisitor& v) : visit(v) {}
    QString openFileName(QWidget*, const QString& title, const QString& filter) override {
        visit.text(QStringLiteral("open-dialog-title"), title);
        visit.text(QStringLiteral("open-dialog-filter"), filter);
        return typedTexts().last() + QStringLiteral("/missing.vrk");
    }
    QString saveFileName(QWidget*, const QString& title, const QString& filter) override {
        visit.text(QStringLiteral("save-dialog-title"), title);
        visit.text(QStringLiteral("save-dialog-filter"), filter);
        return typedTexts().last() + QStringLiteral("/game.vrk");
    }
};

inline void walk(ShellFixture& f, const WindowVisitor& visit) {
    const auto see = [&](QWidget* w, const char* name) {
        visit.window(*w, QString::fromLatin1(name));
    };
    const auto seeAndClick = [&](const char* name, const char* button) {
        return [&see, name, button](QDialog& d) {
            see(&d, name);
            ShellFixture::click(QString::fromLatin1(button))(d);
        };
    };

    // The welcome dialog over the main window, then the names.
    f.modals.then([&](QDialog& d) {
        see(f.window.get(), "main-welcome-behind");
        see(&d, "welcome");
        ShellFixture::click(QStringLiteral("Option1_1"))(d);
        ShellFixture::click(QStringLiteral("Command1"))(d);
    });
    f.modals.then([&](QDialog& d) {
        see(&d, "player-names");
        ShellFixture::typeName(QStringLiteral("Ann"), QStringLiteral("Command2"))(d);
    });
    f.modals.then(ShellFixture::typeName(QStringLiteral("Bob"), QStringLiteral("Command2")));
    f.modals.then(ShellFixture::typeName(QStringLiteral("Cy"), QStringLiteral("Command3")));
    f.window->MDIForm_Load();

    f.play(0, {4, 4, 4, 1, 2}, Category::Fours);
    f.play(1, {1, 2, 3, 4, 5}, Category::LowStraight);
    f.play(2, {6, 6, 6, 6, 5}, Category::Sixes);
    f.fake.random.setFaces({2, 5, 3, 5, 2});
    QTest::mouseClick(f.board(0)->Command1, Qt::LeftButton);
    QCoreApplication::processEvents();
    see(f.window.get(), "main-three-players");

    // A category the dice do not satisfy asks first; the answer is no.
    f.modals.then(seeAndClick("confirm-zero", "Command3"));
    QTest::mouseClick(f.board(0)->Command11, Qt::LeftButton);

    f.modals.then([&](QDialog& d) {
        auto& a = static_cast<FrmNewPlayer&>(d);
        for (int i = 0; i < 12; ++i) a.Timer1_Timer();
        see(&d, "announcement");
        QTest::mouseClick(a.Command1, Qt::LeftButton);
    });
    QTest::mouseClick(f.board(0)->Command2[1], Qt::LeftButton);

    // New, saving to a folder that is not there, and leaving, each while a
    // game is running; the answers keep the game.
    f.modals.then(seeAndClick("confirm-forfeit", "Command3"));
    f.window->Toolbar2_ButtonClick(QStringLiteral("New"));
    Files files(visit);
    f.files.target = &files;
    f.modals.then([&](QDialog& d) {
        see(&d, "save-failed");
        d.accept();
    });
    f.window->Toolbar2_ButtonClick(QStringLiteral("Save"));
    f.modals.then(seeAndClick("confirm-leave", "Command3"));
    f.window->close();

    // Play the game out, every turn into the first free category, and keep
    // the result.
    while (f.session().gameInProgress()) {
        const int p = f.session().currentPlayer();
        const ScoreCard& card = f.board(p)->model().card();
        int free = 0;
        Category first = Category::Vorka;
        for (Category c : kAllCategories)
            if (card.available(c) && free++ == 0) first = c;
        if (p == f.session().lastPlayer() && free == 1)
            f.modals.then(seeAndClick("result", "Command1"));
        f.play(p, {6, 6, 6, 6, 6}, first);
    }
    ShellFixture::flushDeletes();
    QCoreApplication::processEvents();
    see(f.window.get(), "main-after-game");
    see(f.window->highScores(), "highscores");
    f.window->highScores()->TabStrip1->setCurrentIndex(1);
    see(f.window->highScores(), "highscores-shame");
    f.modals.then(seeAndClick("clear-question", "Command3"));
    QTest::mouseClick(f.window->highScores()->Command1, Qt::LeftButton);

    // What the players are told: another copy holds the Halls, letters a
    // saved game cannot keep, Halls that cannot be changed, scores that could
    // not be kept at the end, nothing to save, a file that does not open.
    const QString why = typedTexts().last();
    for (const auto& [name, message] :
         {std::pair{"notice-scores-waiting", FrmHighScores::scoresWaiting()},
          std::pair{"notice-names-changed", DialogAnswers::namesChangedQuestion(
                                                {QStringLiteral("Łukasz Wróblewski-Szczepańska"),
                                                 QStringLiteral("Ἀθηνᾶ")})},
          std::pair{"notice-cannot-keep", ScoreKeeper::cannotKeepMessage(why)},
          std::pair{"notice-not-kept-at-exit", ScoreKeeper::notKeptAtExitMessage(why)}}) {
        f.modals.then(seeAndClick(name, "Command1"));
        MdlGlobalDecs::ShowNotice(f.services(), message, 1, 1, 1);
    }
    f.modals.then(seeAndClick("notice-nothing-to-save", "Command1"));
    f.window->Toolbar2_ButtonClick(QStringLiteral("Save"));
    f.modals.then([&](QDialog& d) {
        see(&d, "open-failed");
        d.accept();
    });
    f.window->Toolbar2_ButtonClick(QStringLiteral("Open"));
    f.files.target = nullptr;

    // Too narrow for the command toolbar: its extension button shows.
    f.window->resize(300, f.window->height());
    QCoreApplication::processEvents();
    see(f.window.get(), "main-narrow");
    f.window->resize(900, f.window->height());

    // The customise dialog and the help.
    f.modals.then(seeAndClick("customize-toolbar", "CloseButton"));
    f.window->customizeToolbar();
    f.window->Toolbar2_ButtonClick(QStringLiteral("HELP"));
    if (auto* help = f.window->findChild<HelpViewer*>()) {
        QCoreApplication::processEvents();
        see(help, "help");
        help->close();
    }

    // One player alone: the name dialog of one.
    f.modals.thenClick(QStringLiteral("Command1"));
    f.modals.then([&](QDialog& d) {
        see(&d, "own-name");
        ShellFixture::typeName(QStringLiteral("Dee"), QStringLiteral("Command1"))(d);
    });
    f.session().StartNewGame();

    // A game with a computer seat: the player button's menu, the hint, and
    // the computer's board while its dice roll.
    ComputerSeats& seats = f.window->computerSeats();
    seats.setPaceMs(0);
    f.scriptPlayers({QStringLiteral("Ann"), QStringLiteral("Bob")});
    f.session().StartNewGame();
    {
        std::unique_ptr<QMenu> menu = seats.seatMenu(1);
        QToolBar* players = f.window->Toolbar1;
        menu->popup(players->mapToGlobal(
            players->widgetForAction(f.window->playerButton(1))->geometry().center()));
        QCoreApplication::processEvents();
        see(menu.get(), "seat-menu");
        if (auto* paces = menu->findChild<QMenu*>(QStringLiteral("PaceMenu"))) {
            paces->popup(menu->geometry().topRight());
            QCoreApplication::processEvents();
            see(paces, "pace-menu");
            paces->hide();
        }
        menu->findChild<QAction*>(QStringLiteral("Casual"))->trigger();
        menu->hide();
    }
    f.fake.random.setFaces({2, 5, 3, 5, 2});
    QTest::mouseClick(f.board(0)->Command1, Qt::LeftButton);
    seats.showHint();
    if (!QTest::qWaitFor([&] { return seats.table() && seats.table()->ready(); }, 60000))
        qWarning("the table took too long");
    QCoreApplication::processEvents();
    see(seats.hintWindow(), "hint");
    seats.hintWindow()->hide();
    bool computerRolling = false;
    int computerPumps = 0;
    f.fake.events.onPump = [&](int) {
        if (computerRolling || f.session().currentPlayer() != 1 ||
            !f.session().board(1).spinning() || ++computerPumps < 6)
            return;
        computerRolling = true;
        QCoreApplication::processEvents();
        see(f.window.get(), "main-computer-turn");
    };
    f.fake.random.setFaces({4, 4, 6, 1, 4});
    QTest::mouseClick(f.board(0)->Command2[1], Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return f.session().currentPlayer() == 0; }, 5000))
        qWarning("the computer did not pass the turn back");
    f.fake.events.onPump = nullptr;
    QCoreApplication::processEvents();
    see(f.window.get(), "main-after-computer-turn");

    // Where the keyboard is on a board: a die, and the hidden box.
    f.window->activateWindow();
    if (!QTest::qWaitForWindowActive(f.window.get())) qWarning("the window is not active");
    f.fake.random.setFaces({3, 1, 6, 2, 5});
    QTest::mouseClick(f.board(0)->Command1, Qt::LeftButton);
    f.board(0)->Digits[2]->setFocus();
    QCoreApplication::processEvents();
    see(f.board(0), "board-die-focus");
    f.board(0)->Text1->setFocus();
    QCoreApplication::processEvents();
    see(f.board(0), "board-hidden-box-focus");

    // The result of a game with a computer seat.
    {
        DialogAnswers answers(f.services(), f.window.get());
        const std::vector<PlayerScore> scores = {{QStringLiteral("Ann"), 231, false},
                                                 {QStringLiteral("Bob"), 244, true}};
        f.modals.then(seeAndClick("result-computer", "Command1"));
        answers.showResult(computeGameResult(scores), scores);
    }

    // Four players in a large window: every board in view, in rows.
    f.scriptPlayers({QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy"),
                     QStringLiteral("Dee")});
    f.session().StartNewGame();
    f.window->resize(1120, 900);
    QCoreApplication::processEvents();
    see(f.window.get(), "main-large-window");
}

} // namespace WindowWalk

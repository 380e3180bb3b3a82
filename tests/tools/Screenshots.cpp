// Renders the main windows of a game in progress to PNG files, offscreen, so
// that they can be looked at without a display:
//   vorka_screenshots <folder>

#include "support/ShellFixture.h"

#include "players/StrategyTable.h"
#include "ui/ComputerSeats.h"
#include "ui/DialogAnswers.h"
#include "ui/FrmHighScores.h"
#include "ui/GameStyle.h"
#include "ui/HintWindow.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // In the system's language, as the game shows it: LANG=de_DE.UTF-8 gives German.
    Translations::install(app);
    QApplication::setStyle(GameStyle::overApplicationStyle());
    Fonts::installFontSubstitutes();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    auto save = [&](QWidget* w, const QString& name) {
        w->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    };

    ShellFixture f;
    // The welcome dialog over the main window.
    f.modals.then([&](QDialog& d) {
        save(f.window.get(), QStringLiteral("main-welcome-behind"));
        save(&d, QStringLiteral("welcome"));
        ShellFixture::click(QStringLiteral("Option1_1"))(d);
        ShellFixture::click(QStringLiteral("Command1"))(d);
    });
    for (const char* name : {"Ann", "Bob"})
        f.modals.then(
            ShellFixture::typeName(QString::fromLatin1(name), QStringLiteral("Command2")));
    f.modals.then(ShellFixture::typeName(QStringLiteral("Cy"), QStringLiteral("Command3")));
    f.window->MDIForm_Load();

    f.play(0, {4, 4, 4, 1, 2}, Category::Fours);
    f.play(1, {1, 2, 3, 4, 5}, Category::LowStraight);
    f.play(2, {6, 6, 6, 6, 5}, Category::Sixes);
    f.fake.random.setFaces({2, 5, 3, 5, 2});
    QTest::mouseClick(f.board(0)->Command1, Qt::LeftButton);
    QCoreApplication::processEvents();
    save(f.window.get(), QStringLiteral("main-three-players"));

    f.modals.then([&](QDialog& d) {
        auto& a = static_cast<FrmNewPlayer&>(d);
        for (int i = 0; i < 12; ++i) a.Timer1_Timer();
        save(&d, QStringLiteral("announcement"));
        QTest::mouseClick(a.Command1, Qt::LeftButton);
    });
    QTest::mouseClick(f.board(0)->Command2[1], Qt::LeftButton);

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
            f.modals.then([&](QDialog& d) {
                save(&d, QStringLiteral("result"));
                ShellFixture::click(QStringLiteral("Command1"))(d);
            });
        f.play(p, {6, 6, 6, 6, 6}, first);
    }
    ShellFixture::flushDeletes();
    QCoreApplication::processEvents();
    save(f.window.get(), QStringLiteral("main-after-game"));
    save(f.window->highScores(), QStringLiteral("highscores"));
    f.window->highScores()->TabStrip1->setCurrentIndex(1);
    save(f.window->highScores(), QStringLiteral("highscores-shame"));
    // What the players are told when another copy holds the Halls, and the
    // question before names are saved with letters the file cannot keep.
    for (const auto& [name, message] :
         {std::pair{QStringLiteral("notice-scores-waiting"), FrmHighScores::scoresWaiting()},
          std::pair{
              QStringLiteral("notice-names-changed"),
              DialogAnswers::namesChangedQuestion(
                  {QStringLiteral("Łukasz Wróblewski-Szczepańska"), QStringLiteral("Ἀθηνᾶ")})}}) {
        f.modals.then([&, name = name](QDialog& d) {
            save(&d, name);
            ShellFixture::click(QStringLiteral("Command1"))(d);
        });
        MdlGlobalDecs::ShowNotice(f.services(), message, 1, 1, 1);
    }
    // Too narrow for the command toolbar: its extension button shows.
    f.window->resize(300, f.window->height());
    QCoreApplication::processEvents();
    save(f.window.get(), QStringLiteral("main-narrow"));
    f.window->resize(900, f.window->height());

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
        save(menu.get(), QStringLiteral("seat-menu"));
        if (auto* paces = menu->findChild<QMenu*>(QStringLiteral("PaceMenu"))) {
            paces->popup(menu->geometry().topRight());
            QCoreApplication::processEvents();
            save(paces, QStringLiteral("pace-menu"));
            paces->hide();
        }
        menu->findChild<QAction*>(QStringLiteral("Casual"))->trigger();
        menu->hide();
    }
    f.fake.random.setFaces({2, 5, 3, 5, 2});
    QTest::mouseClick(f.board(0)->Command1, Qt::LeftButton);
    seats.showHint();
    if (!QTest::qWaitFor([&] { return seats.table() && seats.table()->ready(); }, 20000))
        qWarning("the table took too long");
    QCoreApplication::processEvents();
    save(seats.hintWindow(), QStringLiteral("hint"));
    seats.hintWindow()->hide();
    bool computerRolling = false;
    int computerPumps = 0;
    f.fake.events.onPump = [&](int) {
        if (computerRolling || f.session().currentPlayer() != 1 ||
            !f.session().board(1).spinning() || ++computerPumps < 6)
            return;
        computerRolling = true;
        QCoreApplication::processEvents();
        save(f.window.get(), QStringLiteral("main-computer-turn"));
    };
    f.fake.random.setFaces({4, 4, 6, 1, 4});
    QTest::mouseClick(f.board(0)->Command2[1], Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return f.session().currentPlayer() == 0; }, 5000))
        qWarning("the computer did not pass the turn back");
    f.fake.events.onPump = nullptr;
    QCoreApplication::processEvents();
    save(f.window.get(), QStringLiteral("main-after-computer-turn"));

    // Where the keyboard is on a board: a die, and the hidden box.
    f.window->activateWindow();
    if (!QTest::qWaitForWindowActive(f.window.get())) qWarning("the window is not active");
    f.fake.random.setFaces({3, 1, 6, 2, 5});
    QTest::mouseClick(f.board(0)->Command1, Qt::LeftButton);
    f.board(0)->Digits[2]->setFocus();
    QCoreApplication::processEvents();
    save(f.board(0), QStringLiteral("board-die-focus"));
    f.board(0)->Text1->setFocus();
    QCoreApplication::processEvents();
    save(f.board(0), QStringLiteral("board-hidden-box-focus"));

    // The result of a game with a computer seat.
    {
        DialogAnswers answers(f.services(), f.window.get());
        const std::vector<PlayerScore> scores = {{QStringLiteral("Ann"), 231, false},
                                                 {QStringLiteral("Bob"), 244, true}};
        f.modals.then([&](QDialog& d) {
            save(&d, QStringLiteral("result-computer"));
            ShellFixture::click(QStringLiteral("Command1"))(d);
        });
        answers.showResult(computeGameResult(scores), scores);
    }

    // Four players in a large window: every board in view, in rows.
    f.scriptPlayers({QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy"),
                     QStringLiteral("Dee")});
    f.session().StartNewGame();
    f.window->resize(1120, 900);
    QCoreApplication::processEvents();
    save(f.window.get(), QStringLiteral("main-large-window"));
    return 0;
}

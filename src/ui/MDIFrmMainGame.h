#pragma once

#include "game/GameResult.h"
#include "ui/AppServices.h"

#include <QHash>
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class ComputerSeats;
class DialogAnswers;
class FrmHighScores;
class FrmMainGame;
class HelpViewer;
class GameSession;
class QAction;
class QActionGroup;
class QMenu;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QStatusBar;
class QTimer;
class QToolBar;
class ScoreKeeper;

// The program's frame: the command toolbar, the player toolbar, the boards
// and the high-score window side by side in its client area, and the status
// bar. Closing it in any way asks first and ends the program.
class MDIFrmMainGame : public QMainWindow {
    Q_OBJECT
public:
    // Plays, asks and sounds through `services`, which it hands on.
    explicit MDIFrmMainGame(const AppServices& services, QWidget* parent = nullptr);
    ~MDIFrmMainGame() override;

    // The game this window shows and the toolbar commands drive.
    GameSession& session() { return *session_; }
    // How the players are asked, and the computer's seats and hint.
    DialogAnswers& answers() { return *answers_; }
    ComputerSeats& computerSeats() { return *seats_; }

    static constexpr QSize kCommandIconSize{24, 24};
    static constexpr QSize kPlayerIconSize{32, 32};
    static inline const QString kIcon = QStringLiteral(":/pictures/vorka.svg");
    static inline const QString kPlayerIcon = QStringLiteral(":/pictures/toolbar/player.svg");
    // A seat the computer plays.
    static inline const QString kComputerIcon = QStringLiteral(":/pictures/toolbar/computer.svg");
    // Opens the command toolbar's customise dialog from the keyboard.
    static inline const QKeySequence kCustomizeShortcut{Qt::CTRL | Qt::SHIFT | Qt::Key_T};

    QMdiArea* mdiArea;
    QToolBar* Toolbar2; // commands
    QToolBar* Toolbar1; // one button per player
    // The player buttons, button i + 1 at i: at most one shows pressed.
    QActionGroup* playerButtonGroup;
    QList<QAction*> playerButtons;
    QStatusBar* StatusBar1;
    // In the status bar while a game runs: whose turn it is, the rolls
    // left and whether sounds are on.
    QLabel* TurnStatus;
    QTimer* Timer1;

    // The window of board `index`, or nullptr.
    FrmMainGame* boardWindow(int16_t index) const;
    // The player button of board `index`, or nullptr.
    QAction* playerButton(int16_t index) const;
    // The key of board `index`'s button, and the board index a key names.
    static QString playerButtonKey(int16_t index);
    static int16_t boardIndexOfKey(const QString& key);

    // Brings board `index` in front of the other child windows and gives it
    // the keyboard focus.
    void bringBoardToFront(int16_t index);
    // Shows the button of board `index` pressed and every other one released.
    void pressPlayerButton(int16_t index);
    // A player button was clicked: its board comes to the front with the focus.
    void Toolbar1_ButtonClick(QAction* button);
    // Run whenever a board receives the focus: its button shows pressed.
    void Form_GotFocus(FrmMainGame& board);

    // The command toolbar's actions by key ("New", ..., "Separator").
    QAction* commandAction(const QString& key) const { return commands_.value(key); }

    // The Halls for the whole run, and what the players are told of them.
    ScoreKeeper& scoreKeeper() { return *scores_; }
    // The high-score window, loaded (and shown) first if it is not.
    FrmHighScores* highScores();
    // Brings the high-score window to the front with the keyboard focus.
    void showHighScores();

    // Start-up: sounds on, the high-score window, the size, the first game,
    // then the saved toolbar layout.
    void MDIForm_Load();

    // A command button was pressed.
    void Toolbar2_ButtonClick(const QString& key);
    // The command toolbar was customised: apply the layout and save it.
    void Toolbar2_Change(const QStringList& layout);
    void Timer1_Timer();

    // Opens the customise dialog of the command toolbar.
    void customizeToolbar();

    // What ends the program once leaving has been confirmed; tests replace it.
    std::function<void()> exitProgram;
    // Ends the program without asking (a signal to end it came): the same
    // way out as a confirmed QUIT.
    void leaveWithoutAsking();
    // Where the toolbar layout is kept, with the window's size and place and
    // the computer's pace; tests give their own file.
    QString toolbarSettingsFile;
    // Where final scores that could not be entered outlive the program.
    QString pendingScoresFile;
    // A saved game to open once start-up has set up the first game, as the
    // OPEN command would (the program was started with it); empty: none.
    QString startFile;

    // No menu that could hide the toolbars.
    QMenu* createPopupMenu() override { return nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scrollIntoView(QMdiSubWindow& frame);
    // Where board `index` of `board`'s size stands in the client area.
    QPoint boardPlace(int16_t index, QSize board) const;
    // Lays every board out at its place, and the high-score window beside
    // them where it fits; not after Cascade, until Tile or the next game.
    void arrangeBoards();
    // After a change of the board whose turn it is, the keyboard goes to it
    // unless the player has put it somewhere.
    void keepKeyboardOnTurn(FrmMainGame& board);
    bool boardMenuAsked(FrmMainGame& board, QEvent& event);
    void showSeat(int16_t index);
    void showTurnStatus();
    void showSoundsState();
    void buildCommandToolbar();
    void setToolbarLayout(const QStringList& layout);
    // Makes the client area just tall enough for a board (unless the window
    // has a size of its own), with the high-score window beside the first.
    void fitHeightToBoards(bool resizeWindow);
    bool MDIForm_QueryUnload();
    // The computer's pace as the player last chose it.
    void restorePlayerSettings();
    // Makes the window of board `index` and its button, and shows both.
    void addBoard(int16_t index);
    // Every board window and player button goes, with the event loop.
    void removeAllPlayers();
    // The final scores go to the Halls, then the high-score window comes up.
    void enterFinalScores(const std::vector<PlayerScore>& scores);
    void MDIForm_Unload();

    AppServices services_;
    std::unique_ptr<DialogAnswers> answers_;
    std::unique_ptr<GameSession> session_;
    QList<FrmMainGame*> boards_; // board i's window at i
    QHash<QString, QAction*> commands_;
    QStringList layout_;
    QPointer<FrmHighScores> highScores_;
    QPointer<HelpViewer> help_;
    ScoreKeeper* scores_ = nullptr;
    bool askBeforeLeaving_ = true;
    ComputerSeats* seats_ = nullptr;
    bool leaving_ = false;
    bool arrangeBoards_ = true;
};

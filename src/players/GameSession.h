#pragma once

#include "game/Board.h"
#include "game/GameResult.h"
#include "game/Strength.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class Answers;
struct PlayerRecord;

// Who makes a move: a person at the board, or the computer playing a seat.
enum class Mover { Person, Computer };

// One game at a time: the players' boards in turn order, whose turn it is
// and whether a game is running, with the procedures that set a game up, pass
// the turn, end the game and keep it in a file. It asks the players through
// Answers and tells the windows what happened through its signals; it never
// touches a window.
//
// Every move comes in through rollAll(), rollDie() and score(), whether from
// a board's click or key, the computer or a test; the session decides whether
// it is allowed. Rolls and questions run the event loop, where any command may
// replace the game: each procedure here checks after them that its game is
// still the one it started with, and returns at once if not. Boards go with
// deleteLater(), and the end of a game runs once the move that ended it has
// returned.
class GameSession : public QObject {
    Q_OBJECT
public:
    // Shown as tr(kNothingToSave).
    static constexpr char kNothingToSave[] = QT_TR_NOOP("There is no game in progress to save.");

    explicit GameSession(Answers& answers, const Services& services, QObject* parent = nullptr);
    ~GameSession() override;

    // --- the game state -------------------------------------------------
    int16_t lastPlayer() const { return LastPlayer; }
    int16_t currentPlayer() const { return CurrentPlayer; }
    bool gameInProgress() const { return GameInProgress; }
    // Boards 0..lastPlayer() while a game runs; none between games.
    int boardCount() const { return int(Boards.size()); }
    // Player `index`'s board and name. The index must be below boardCount().
    Board& board(int16_t index) { return *Boards.at(size_t(index)).board; }
    const Board& board(int16_t index) const { return *Boards.at(size_t(index)).board; }
    // Player `index`'s board, or nullptr when there is none.
    Board* boardAt(int16_t index) const;
    const QString& name(int16_t index) const { return Boards.at(size_t(index)).name; }
    void setName(int16_t index, const QString& name) { Boards.at(size_t(index)).name = name; }
    // How well the computer plays player `index`'s seat; none while a
    // person plays it, as every seat of a new game.
    std::optional<Strength> computerSeat(int16_t index) const;
    bool isComputer(int16_t index) const { return computerSeat(index).has_value(); }
    // Hands the seat to the computer at this strength, or back to a person.
    void setComputerSeat(int16_t index, std::optional<Strength> strength);

    // --- the procedures ------------------------------------------------
    // Replaces any running game with a new one whose players the answers name.
    void StartNewGame();
    // Replaces any running game with one read from a file the answers choose.
    void OpenGame();
    // The same with the file given (a saved game the player started the
    // program with).
    void OpenGameFile(const QString& path);
    // Writes the running game to a file the answers choose.
    void SaveGame();

    // --- the moves -------------------------------------------------------
    // Each is played on player `player`'s board when it is that player's
    // turn in a running game and `who` holds the seat; otherwise ignored.
    void rollAll(int16_t player, Mover who = Mover::Person);
    void rollDie(int16_t player, int16_t die, Mover who = Mover::Person);
    // A category's button: a zero is asked about first, unless the computer
    // chose it. A committed score ends the turn.
    Board::ScoreOutcome score(int16_t player, Category category, Mover who = Mover::Person);
    // The hidden text box of player `player`'s board, on Enter; any board,
    // at any time.
    void enterCodes(int16_t player, const QString& typed);
    // Whether `who` may move on player `player`'s board now.
    bool mayMove(int16_t player, Mover who) const;
    // Whether a person is busy in a window that waits for them; the
    // computer waits until they are done.
    bool personIsBusy() const;

signals:
    // Board `index` is ready to be shown, with its player's button.
    void boardAdded(int16_t index);
    // Board `index` is to come to the front.
    void boardToFront(int16_t index);
    // The turn is player `index`'s: the player's button shows pressed.
    void turnPassed(int16_t index);
    // Player `index`'s seat went to the computer or back to a person.
    void seatChanged(int16_t index);
    // The result has been seen: these final scores, in board order, go to
    // the Halls. The computer's seats are not among them.
    void gameOver(const std::vector<PlayerScore>& scores);
    // Every board is gone; the windows showing them must go too.
    void playersRemoved();

private:
    struct Seat {
        QString name;
        QPointer<Board> board;
        std::optional<Strength> computer;
    };

    // The current board has scored: its totals, then the next player's turn
    // or the end of the game.
    void EndTurn();
    // When the last player's card is full: the game is over, nothing more can
    // be played, and it is finished once the move that ended it has returned.
    bool CheckGameOver();
    // The result, then the final scores handed on through gameOver().
    void GameOver();
    // GameOver(), then the finished game's boards go.
    void finishGame();
    // Builds the board of one player record of an opened file.
    void RebuildBoard(const PlayerRecord& record);
    // No game: a finished one is finished first, a running one is stopped,
    // and the players are removed.
    void clearGame();
    Board& createBoard(int16_t index, const QString& name);
    // Shows every board with its button, Roll disabled from `firstDisabled` on.
    void placeBoards(int16_t firstDisabled);
    void removePlayers();

    Answers& answers_;
    Services services_;
    int16_t LastPlayer = 0;
    int16_t CurrentPlayer = 0;
    std::vector<Seat> Boards;
    bool GameInProgress = false;
    // Counts the games: a procedure that ran the event loop compares it with
    // the value it started with to tell whether its game is still there.
    quint64 game_ = 0;
    // The last card is full and the game waits to be finished.
    bool finishing_ = false;
};

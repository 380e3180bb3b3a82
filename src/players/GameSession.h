#pragma once

#include "game/Board.h"
#include "game/GameResult.h"
#include "game/Strength.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class Answers;
struct PlayerRecord;

// One game at a time: the players' boards in turn order, whose turn it is
// and whether a game is running, with the procedures that set a game up, pass
// the turn, end the game and keep it in a file. It asks the players through
// Answers and tells the windows what happened through its signals; it never
// touches a window. A board's clicks, a keyboard or a computer player drive
// a turn with rollAll(), rollDie() and score() on the current board.
class GameSession : public QObject {
    Q_OBJECT
public:
    static inline const QString kNothingToSave =
        QStringLiteral("There is no game in progress to save.");

    explicit GameSession(Answers& answers, const Services& services,
                         QObject* parent = nullptr);
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
    // The current board has scored: its totals, then the next player's turn
    // or the end of the game.
    void EndTurn();
    // At the wrap: when the last player's card is full, ends the game and
    // clears it away. True when it did.
    bool CheckGameOver();
    // The result, then the final scores handed on through gameOver().
    void GameOver();
    // Replaces any running game with one read from a file the answers choose.
    void OpenGame();
    // Writes the running game to a file the answers choose.
    void SaveGame();
    // Builds the board of one player record of an opened file.
    void RebuildBoard(const PlayerRecord& record);
    // No game: a running one is stopped and its players removed.
    void clearGame();

    // --- a turn on the current board -----------------------------------
    void rollAll();
    void rollDie(int16_t die);
    Board::ScoreOutcome score(Category category);

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
        std::unique_ptr<Board> board;
        std::optional<Strength> computer;
    };

    Board& createBoard(int16_t index, const QString& name);
    // Shows every board with its button, Roll disabled from `firstDisabled` on.
    void placeBoards(int16_t firstDisabled);
    void removePlayers();
    Board* boardAt(int16_t index);

    Answers& answers_;
    Services services_;
    int16_t LastPlayer = 0;
    int16_t CurrentPlayer = 0;
    std::vector<Seat> Boards;
    bool GameInProgress = false;
};

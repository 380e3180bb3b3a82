#include "players/GameSession.h"

#include "game/Limits.h"
#include "game/TurnFlow.h"
#include "players/Answers.h"
#include "storage/SavedGame.h"

namespace {

// Boards of a finished or replaced game, kept until the event loop comes
// back: the click that ended the game may still be running on one of them.
class RetiredBoards final : public QObject {
public:
    RetiredBoards(std::vector<std::unique_ptr<Board>> boards, QObject* parent)
        : QObject(parent), boards_(std::move(boards)) {}

private:
    std::vector<std::unique_ptr<Board>> boards_;
};

} // namespace

GameSession::GameSession(Answers& answers, const Services& services, QObject* parent)
    : QObject(parent), answers_(answers), services_(services) {}

GameSession::~GameSession() = default;

Board* GameSession::boardAt(int16_t index) {
    return index >= 0 && size_t(index) < Boards.size() ? Boards[size_t(index)].board.get()
                                                       : nullptr;
}

Board& GameSession::createBoard(int16_t index, const QString& name) {
    if (Boards.size() <= size_t(index)) Boards.resize(size_t(index) + 1);
    Seat& seat = Boards[size_t(index)];
    seat.name = name;
    if (seat.name.endsWith(QChar(0))) seat.name.chop(1);
    seat.computer.reset();
    seat.board = std::make_unique<Board>(services_);
    // The computer means its zeros.
    seat.board->confirmZero = [this, index] { return isComputer(index) || answers_.confirmZero(); };
    seat.board->endTurn = [this] { EndTurn(); };
    return *seat.board;
}

void GameSession::placeBoards(int16_t firstDisabled) {
    for (int16_t i = 0; i <= LastPlayer; ++i) {
        emit boardAdded(i);
        services_.events->processEvents();
        if (i >= firstDisabled)
            if (Board* b = boardAt(i)) b->setRollEnabled(false);
    }
}

void GameSession::removePlayers() {
    std::vector<std::unique_ptr<Board>> boards;
    for (Seat& seat : Boards) {
        if (!seat.board) continue;
        seat.board->endTurn = nullptr;
        seat.board->confirmZero = nullptr;
        boards.push_back(std::move(seat.board));
    }
    Boards.clear();
    emit playersRemoved();
    // After the windows, which go with the event loop too.
    (new RetiredBoards(std::move(boards), this))->deleteLater();
}

void GameSession::clearGame() {
    if (GameInProgress) {
        GameInProgress = false;
        removePlayers();
    }
    Boards.clear();
    LastPlayer = 0;
    CurrentPlayer = 0;
}

void GameSession::StartNewGame() {
    clearGame();
    if (answers_.playsWithOthers()) {
        for (;;) {
            const QString name = answers_.nextPlayerName();
            createBoard(LastPlayer, name);
            // A name ending in NUL closes the list; so does the last player
            // a game may have.
            if (name.endsWith(QChar(0)) || LastPlayer == kMaxPlayers - 1) break;
            ++LastPlayer;
        }
    } else {
        createBoard(0, answers_.ownName());
    }
    placeBoards(1);
    emit boardToFront(0);
    GameInProgress = true;
    emit turnPassed(0);
}

void GameSession::EndTurn() {
    Board* outgoing = boardAt(CurrentPlayer);
    Board* last = boardAt(LastPlayer);
    if (!outgoing || !last) return;
    outgoing->Countup();

    const HandOver next = decideHandOver(CurrentPlayer, LastPlayer, last->card());
    if (LastPlayer == 0) {
        if (next.gameOver) CheckGameOver();
        return;
    }
    outgoing->closeTurn();
    if (next.gameOver && CheckGameOver()) return;

    CurrentPlayer = next.nextPlayer;
    Board* incoming = boardAt(CurrentPlayer);
    if (!incoming) return;
    emit boardToFront(CurrentPlayer);
    services_.events->processEvents();
    if (isComputer(CurrentPlayer))
        answers_.announceComputerTurn(name(CurrentPlayer));
    else
        answers_.announceTurn(name(CurrentPlayer));
    incoming->setRollEnabled(true);
    emit turnPassed(CurrentPlayer);
}

bool GameSession::CheckGameOver() {
    Board* last = boardAt(LastPlayer);
    if (!last || !last->card().full()) return false;
    GameOver();
    GameInProgress = false;
    removePlayers();
    LastPlayer = 0;
    CurrentPlayer = 0;
    return true;
}

void GameSession::GameOver() {
    std::vector<PlayerScore> scores;
    std::vector<PlayerScore> people;
    for (int16_t i = 0; i <= LastPlayer; ++i) {
        const Board* b = boardAt(i);
        if (!b) continue;
        scores.push_back({name(i), b->finalScore()});
        if (!isComputer(i)) people.push_back(scores.back());
    }
    if (scores.empty()) return;
    answers_.showResult(computeGameResult(scores), scores);
    emit gameOver(people);
}

void GameSession::SaveGame() {
    if (!GameInProgress) {
        answers_.notice(kNothingToSave);
        return;
    }
    const QString path = answers_.saveFileName();
    if (path.isEmpty()) return;

    SavedGame game;
    game.LastPlayer = LastPlayer;
    game.CurrentPlayer = CurrentPlayer;
    for (int16_t i = 0; i <= LastPlayer; ++i)
        game.players.push_back(PlayerRecord::fromCard(name(i), i, board(i).card()));
    for (const Seat& seat : Boards) game.seats.push_back(seat.computer);
    const QStringList changed = game.namesChangedBySaving();
    if (!changed.isEmpty() && !answers_.saveChangedNames(changed)) return;
    if (const auto error = game.writeFile(path)) answers_.saveFailed(error->message());
}

void GameSession::RebuildBoard(const PlayerRecord& record) {
    Board& b = createBoard(record.index, record.name);
    b.card() = record.toCard();
    b.Countup();
}

void GameSession::OpenGame() {
    const QString path = answers_.openFileName();
    if (path.isEmpty()) return;
    clearGame();

    // The whole file is checked before any board is built.
    const OpenResult read = SavedGame::readFile(path);
    if (!read.game) {
        answers_.openFailed(read.error);
        return;
    }
    const SavedGame& game = *read.game;
    LastPlayer = game.LastPlayer;
    for (const PlayerRecord& record : game.players) RebuildBoard(record);
    for (int16_t i = 0; i <= LastPlayer; ++i) Boards[size_t(i)].computer = game.computerSeat(i);
    CurrentPlayer = game.CurrentPlayer;

    placeBoards(LastPlayer != 0 ? 0 : 1);
    for (int16_t i = 0; i <= LastPlayer; ++i)
        if (isComputer(i)) emit seatChanged(i);
    emit boardToFront(CurrentPlayer);
    GameInProgress = true;
    emit turnPassed(CurrentPlayer);
    CurrentPlayer = playerBefore(CurrentPlayer, LastPlayer);
    EndTurn();
}

std::optional<Strength> GameSession::computerSeat(int16_t index) const {
    return index >= 0 && size_t(index) < Boards.size() ? Boards[size_t(index)].computer
                                                       : std::nullopt;
}

void GameSession::setComputerSeat(int16_t index, std::optional<Strength> strength) {
    if (index < 0 || size_t(index) >= Boards.size() || Boards[size_t(index)].computer == strength)
        return;
    Boards[size_t(index)].computer = strength;
    emit seatChanged(index);
}

void GameSession::rollAll() {
    if (Board* b = boardAt(CurrentPlayer)) b->rollAll();
}

void GameSession::rollDie(int16_t die) {
    if (Board* b = boardAt(CurrentPlayer)) b->clickDie(die);
}

Board::ScoreOutcome GameSession::score(Category category) {
    Board* b = boardAt(CurrentPlayer);
    return b ? b->scoreCategory(category) : Board::ScoreOutcome::Ignored;
}

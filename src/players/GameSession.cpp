#include "players/GameSession.h"

#include "game/Limits.h"
#include "game/TurnFlow.h"
#include "players/Answers.h"
#include "storage/SavedGame.h"

GameSession::GameSession(Answers& answers, const Services& services, QObject* parent)
    : QObject(parent), answers_(answers), services_(services) {}

GameSession::~GameSession() = default;

Board* GameSession::boardAt(int16_t index) const {
    return index >= 0 && size_t(index) < Boards.size() ? Boards[size_t(index)].board.data()
                                                       : nullptr;
}

Board& GameSession::createBoard(int16_t index, const QString& name) {
    if (Boards.size() <= size_t(index)) Boards.resize(size_t(index) + 1);
    Seat& seat = Boards[size_t(index)];
    seat.name = name;
    if (seat.name.endsWith(QChar(0))) seat.name.chop(1);
    seat.computer.reset();
    seat.board = new Board(services_, this);
    return *seat.board;
}

void GameSession::placeBoards(int16_t firstDisabled) {
    const quint64 game = game_;
    for (int16_t i = 0; i <= LastPlayer; ++i) {
        emit boardAdded(i);
        services_.events->processEvents();
        if (game != game_) return;
        if (i >= firstDisabled)
            if (Board* b = boardAt(i)) b->setRollEnabled(false);
    }
}

void GameSession::removePlayers() {
    // Whatever still runs on these boards finds its game gone and returns.
    ++game_;
    for (Seat& seat : Boards)
        if (seat.board) seat.board->deleteLater();
    Boards.clear();
    emit playersRemoved();
}

void GameSession::clearGame() {
    // A finished game is entered before it goes.
    if (finishing_) finishGame();
    if (GameInProgress || !Boards.empty()) {
        GameInProgress = false;
        removePlayers();
    }
    ++game_;
    LastPlayer = 0;
    CurrentPlayer = 0;
}

void GameSession::StartNewGame() {
    clearGame();
    const quint64 game = game_;
    if (answers_.playsWithOthers()) {
        for (;;) {
            if (game != game_) return;
            const QString name = answers_.nextPlayerName();
            if (game != game_) return;
            createBoard(LastPlayer, name);
            // A name ending in NUL closes the list; so does the last player
            // a game may have.
            if (name.endsWith(QChar(0)) || LastPlayer == kMaxPlayers - 1) break;
            ++LastPlayer;
        }
    } else {
        const QString name = answers_.ownName();
        if (game != game_) return;
        createBoard(0, name);
    }
    placeBoards(1);
    if (game != game_) return;
    emit boardToFront(0);
    GameInProgress = true;
    emit turnPassed(0);
}

void GameSession::EndTurn() {
    const quint64 game = game_;
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
    if (!boardAt(CurrentPlayer)) return;
    emit boardToFront(CurrentPlayer);
    services_.events->processEvents();
    if (game != game_) return;
    if (isComputer(CurrentPlayer))
        answers_.announceComputerTurn(name(CurrentPlayer));
    else
        answers_.announceTurn(name(CurrentPlayer));
    if (game != game_) return;
    if (Board* incoming = boardAt(CurrentPlayer)) incoming->setRollEnabled(true);
    emit turnPassed(CurrentPlayer);
}

bool GameSession::CheckGameOver() {
    Board* last = boardAt(LastPlayer);
    if (!last || !last->card().full()) return false;
    GameInProgress = false;
    finishing_ = true;
    for (const Seat& seat : Boards)
        if (seat.board) seat.board->closeTurn();
    // Not on the stack of the click that scored: its board goes with the game.
    QMetaObject::invokeMethod(
        this,
        [this, game = game_] {
            if (game == game_) finishGame();
        },
        Qt::QueuedConnection);
    return true;
}

void GameSession::finishGame() {
    if (!finishing_) return;
    finishing_ = false;
    const quint64 game = game_;
    GameOver();
    if (game != game_) return;
    removePlayers();
    LastPlayer = 0;
    CurrentPlayer = 0;
}

void GameSession::GameOver() {
    std::vector<PlayerScore> scores;
    std::vector<PlayerScore> people;
    for (int16_t i = 0; i <= LastPlayer; ++i) {
        const Board* b = boardAt(i);
        if (!b) continue;
        scores.push_back({name(i), b->finalScore(), isComputer(i)});
        if (!isComputer(i)) people.push_back(scores.back());
    }
    if (scores.empty()) return;
    answers_.showResult(computeGameResult(scores), scores);
    emit gameOver(people);
}

void GameSession::SaveGame() {
    if (!GameInProgress) {
        answers_.notice(tr(kNothingToSave));
        return;
    }
    const quint64 game = game_;
    const QString path = answers_.saveFileName();
    if (path.isEmpty()) return;
    // The game may have ended while the player chose the file.
    if (game != game_ || !GameInProgress) {
        answers_.notice(tr(kNothingToSave));
        return;
    }

    SavedGame saved;
    saved.LastPlayer = LastPlayer;
    saved.CurrentPlayer = CurrentPlayer;
    for (int16_t i = 0; i <= LastPlayer; ++i)
        saved.players.push_back(PlayerRecord::fromCard(name(i), i, board(i).card()));
    for (const Seat& seat : Boards) saved.seats.push_back(seat.computer);
    const QStringList changed = saved.namesChangedBySaving();
    if (!changed.isEmpty() && !answers_.saveChangedNames(changed)) return;
    // What is written is what the player was asked about, whatever happened
    // to the game during the question.
    if (const auto error = saved.writeFile(path)) answers_.saveFailed(error->message());
}

void GameSession::RebuildBoard(const PlayerRecord& record) {
    Board& b = createBoard(record.index, record.name);
    b.card() = record.toCard();
    b.Countup();
}

void GameSession::OpenGame() {
    const QString path = answers_.openFileName();
    if (path.isEmpty()) return;
    OpenGameFile(path);
}

void GameSession::OpenGameFile(const QString& path) {
    clearGame();
    const quint64 game = game_;

    // The whole file is checked before any board is built.
    const OpenResult read = SavedGame::readFile(path);
    if (!read.game) {
        answers_.openFailed(read.error);
        return;
    }
    if (game != game_) return;
    const SavedGame& saved = *read.game;
    LastPlayer = saved.LastPlayer;
    for (const PlayerRecord& record : saved.players) RebuildBoard(record);
    for (int16_t i = 0; i <= LastPlayer; ++i) Boards[size_t(i)].computer = saved.computerSeat(i);
    CurrentPlayer = saved.CurrentPlayer;

    placeBoards(LastPlayer != 0 ? 0 : 1);
    if (game != game_) return;
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

bool GameSession::mayMove(int16_t player, Mover who) const {
    return GameInProgress && player == CurrentPlayer && boardAt(player) &&
           isComputer(player) == (who == Mover::Computer);
}

void GameSession::rollAll(int16_t player, Mover who) {
    if (!mayMove(player, who)) return;
    boardAt(player)->rollAll();
}

void GameSession::rollDie(int16_t player, int16_t die, Mover who) {
    if (!mayMove(player, who)) return;
    boardAt(player)->clickDie(die);
}

Board::ScoreOutcome GameSession::score(int16_t player, Category category, Mover who) {
    if (!mayMove(player, who) || !boardAt(player)->canScore(category))
        return Board::ScoreOutcome::Ignored;
    services_.sound->playIfOn(QStringLiteral("BPRESS"));
    int points = boardAt(player)->scoreFor(category);
    // The computer means its zeros.
    if (points == 0 && who == Mover::Person) {
        const quint64 game = game_;
        const bool yes = answers_.confirmZero();
        if (game != game_ || !mayMove(player, who) || !boardAt(player)->canScore(category))
            return Board::ScoreOutcome::Ignored;
        if (!yes) return Board::ScoreOutcome::Declined;
        points = boardAt(player)->scoreFor(category);
    }
    boardAt(player)->commitScore(category, points);
    EndTurn();
    return Board::ScoreOutcome::Committed;
}

void GameSession::enterCodes(int16_t player, const QString& typed) {
    if (Board* b = boardAt(player)) b->applyHiddenCodes(typed);
}

bool GameSession::personIsBusy() const {
    return answers_.personIsBusy();
}

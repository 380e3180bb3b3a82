#include "players/ComputerPlayer.h"

#include "game/Position.h"
#include "players/GameSession.h"
#include "players/StrategyTable.h"

#include <algorithm>

ComputerPlayer::ComputerPlayer(GameSession& session, StrategyTable& table, QObject* parent)
    : QObject(parent), session_(session), table_(table) {
    pace_.setSingleShot(true);
    pace_.setInterval(kDefaultPaceMs);
    connect(&pace_, &QTimer::timeout, this, &ComputerPlayer::step);
    busyWait_.setSingleShot(true);
    busyWait_.setInterval(kBusyRecheckMs);
    connect(&busyWait_, &QTimer::timeout, this, &ComputerPlayer::step);
    connect(&session_, &GameSession::turnPassed, this, &ComputerPlayer::resume);
    connect(&session_, &GameSession::seatChanged, this, &ComputerPlayer::resume);
    connect(&session_, &GameSession::playersRemoved, this, &ComputerPlayer::resume);
    connect(&table_, &StrategyTable::built, this, &ComputerPlayer::resume);
}

void ComputerPlayer::setPaceMs(int ms) {
    pace_.setInterval(std::max(0, ms));
}

void ComputerPlayer::resume() {
    const bool mine = session_.gameInProgress() && session_.boardCount() > 0 &&
                      session_.isComputer(session_.currentPlayer());
    if (!mine) {
        pace_.stop();
        busyWait_.stop();
        setStatus({});
        return;
    }
    // A choice under way (a roll's animation) asks again when it is done.
    if (!acting_ && !isActive()) pace_.start();
}

void ComputerPlayer::step() {
    if (!session_.gameInProgress() || session_.boardCount() == 0) return;
    const int16_t player = session_.currentPlayer();
    const std::optional<Strength> strength = session_.computerSeat(player);
    if (!strength) return;
    if (session_.personIsBusy()) {
        busyWait_.start();
        return;
    }
    const Board& board = session_.board(player);
    // Not yet: the dice still spin (a person's roll from before the seat
    // changed hands, say), or the turn has not been announced. Asks again
    // after the pause.
    if (board.spinning() || (board.rollsLeft() >= Board::kRollsPerTurn && !board.rollEnabled())) {
        pace_.start();
        return;
    }

    const int rollsLeft = std::clamp<int>(board.rollsLeft(), 0, Position::kBeforeFirstRoll);
    const Position position = positionOf(board.card(), board.faces(), rollsLeft);
    const ValueTable* table = nullptr;
    if (*strength == Strength::Perfect) {
        table = table_.tableFor(position.used);
        if (!table) {
            // Waits for the table, which says when it is built.
            setStatus(tr(kThinking).arg(session_.name(player)));
            table_.request();
            return;
        }
    }
    setStatus({});
    const std::optional<Choice> choice = Advisor(table).best(position, *strength);
    if (!choice) return;

    acting_ = true;
    switch (choice->kind) {
    case Choice::Kind::RollAll:
        session_.rollAll(player, Mover::Computer);
        break;
    case Choice::Kind::RollDie:
        session_.rollDie(player, int16_t(choice->die), Mover::Computer);
        break;
    case Choice::Kind::Score:
        session_.score(player, choice->category, Mover::Computer);
        break;
    }
    acting_ = false;
    resume();
}

void ComputerPlayer::setStatus(const QString& text) {
    if (text == status_) return;
    status_ = text;
    emit statusChanged(status_);
}

#include "ui/ComputerSeats.h"

#include "game/Advisor.h"
#include "game/Position.h"
#include "players/ComputerPlayer.h"
#include "players/GameSession.h"
#include "players/StrategyTable.h"
#include "ui/HintWindow.h"
#include "ui/PlainText.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <tuple>

ComputerSeats::ComputerSeats(GameSession& session, QWidget& window)
    : QObject(&window), session_(session), window_(window),
      paceMs_(ComputerPlayer::kDefaultPaceMs) {
    connect(&session_, &GameSession::seatChanged, this, &ComputerSeats::seatChanged);
    connect(&session_, &GameSession::boardAdded, this, [this](int16_t index) {
        if (Board* board = session_.boardAt(index))
            connect(board, &Board::changed, this, &ComputerSeats::refreshHint);
    });
    connect(&session_, &GameSession::turnPassed, this, &ComputerSeats::refreshHint);
    connect(&session_, &GameSession::playersRemoved, this, &ComputerSeats::refreshHint);
}

ComputerSeats::~ComputerSeats() {
    // The computer first: it reads the table.
    computer_.reset();
    table_.reset();
    delete hint_;
}

QString ComputerSeats::perfectSeatText(const QString& name) {
    return QStringLiteral("Let the computer play for ") + name;
}

QString ComputerSeats::casualSeatText(const QString& name) {
    return QStringLiteral("Let the computer play casually for ") + name;
}

QString ComputerSeats::takeBackText(const QString& name) {
    return QStringLiteral("Take ") + name + QStringLiteral("'s seat back");
}

std::unique_ptr<QMenu> ComputerSeats::seatMenu(int16_t index) {
    GameSession& session = session_;
    if (!session.gameInProgress() || index < 0 || index >= session.boardCount()) return nullptr;
    const QString name = escapeMnemonics(session.name(index));
    const std::optional<Strength> seat = session.computerSeat(index);

    auto menu = std::make_unique<QMenu>(&window_);
    menu->setObjectName(QStringLiteral("SeatMenu"));
    auto* strengths = new QActionGroup(menu.get());
    strengths->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const auto add = [&](const QString& text, const QString& key, std::optional<Strength> to) {
        QAction* action = menu->addAction(text);
        action->setObjectName(key);
        connect(action, &QAction::triggered, this,
                [this, index, to] { session_.setComputerSeat(index, to); });
        return action;
    };
    for (const auto& [text, key, strength] :
         {std::tuple{perfectSeatText(name), QStringLiteral("Perfect"), Strength::Perfect},
          std::tuple{casualSeatText(name), QStringLiteral("Casual"), Strength::Casual}}) {
        QAction* action = add(text, key, strength);
        action->setCheckable(true);
        action->setChecked(seat == strength);
        strengths->addAction(action);
    }
    menu->addSeparator();
    add(takeBackText(name), QStringLiteral("Person"), std::nullopt)->setEnabled(seat.has_value());
    return menu;
}

StrategyTable& ComputerSeats::strategyTable() {
    if (!table_) table_ = std::make_unique<StrategyTable>(categories_);
    return *table_;
}

void ComputerSeats::setPaceMs(int ms) {
    paceMs_ = std::max(0, ms);
    if (computer_) computer_->setPaceMs(paceMs_);
    emit paceChanged(paceMs_);
}

void ComputerSeats::seatChanged(int16_t index) {
    const std::optional<Strength> seat = session_.computerSeat(index);
    if (seat && !computer_) {
        if (seat == Strength::Perfect) strategyTable().request();
        computer_ = std::make_unique<ComputerPlayer>(session_, strategyTable());
        computer_->setPaceMs(paceMs_);
        connect(computer_.get(), &ComputerPlayer::statusChanged, this,
                &ComputerSeats::statusChanged);
        computer_->resume();
    } else if (seat == Strength::Perfect) {
        strategyTable().request();
    }
}

HintWindow* ComputerSeats::hintWindow() const {
    return hint_;
}

void ComputerSeats::showHint() {
    if (!hint_) {
        hint_ = new HintWindow(&window_);
        const QRect frame = window_.geometry();
        hint_->move(frame.right() - hint_->width(), frame.top() + 120);
    }
    hint_->show();
    hint_->raise();
    refreshHint();
}

void ComputerSeats::refreshHint() {
    if (!hint_ || !hint_->isVisible()) return;
    GameSession& session = session_;
    if (!session.gameInProgress() || session.boardCount() == 0) {
        hint_->showMessage(QStringLiteral("There is no game in progress."));
        return;
    }
    const int16_t player = session.currentPlayer();
    const Board& board = session.board(player);
    if (board.spinning()) return;
    const int rollsLeft = std::clamp<int>(board.rollsLeft(), 0, Position::kBeforeFirstRoll);
    const Position position = positionOf(board.card(), board.faces(), rollsLeft);
    StrategyTable& table = strategyTable();
    if (!table.ready()) {
        // Asked again once the table is built.
        connect(&table, &StrategyTable::built, this, &ComputerSeats::refreshHint,
                Qt::UniqueConnection);
        table.request();
        hint_->showMessage(HintWindow::kWorking);
        return;
    }
    const ValueTable* values = table.tableFor(position.used);
    if (!values) {
        hint_->showMessage(QStringLiteral("No hint for this card."));
        return;
    }
    hint_->showChoices(session.name(player), Advisor(values).choices(position, Strength::Perfect));
}

#include "ui/ComputerSeats.h"

#include "game/Advisor.h"
#include "game/Position.h"
#include "players/ComputerPlayer.h"
#include "players/GameSession.h"
#include "players/StrategyTable.h"
#include "ui/DialogAnswers.h"
#include "ui/HintWindow.h"
#include "ui/PlainText.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QScreen>
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
    // The hint follows the board that comes to the front with the turn at
    // once, during its announcement.
    connect(&session_, &GameSession::boardToFront, this, &ComputerSeats::refreshHint);
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
    //: Entry of a player button's menu; %1 is the player's name.
    return tr("Let the computer play for %1").arg(name);
}

QString ComputerSeats::casualSeatText(const QString& name) {
    //: Entry of a player button's menu; %1 is the player's name.
    return tr("Let the computer play casually for %1").arg(name);
}

QString ComputerSeats::takeBackText(const QString& name) {
    //: Entry of a player button's menu: a person plays the seat again; %1 is the player's name.
    return tr("Take %1's seat back").arg(name);
}

QString ComputerSeats::computerMarked(const QString& name) {
    //: A name as the final scores list it when the computer played the seat; %1 is the name.
    return tr("%1 (computer)").arg(name);
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

    menu->addSeparator();
    //: Submenu of a player button's menu: how quickly the computer plays.
    QMenu* paces = menu->addMenu(tr("Computer's pace"));
    paces->setObjectName(QStringLiteral("PaceMenu"));
    auto* paceGroup = new QActionGroup(paces);
    for (Pace pace : {Pace::Normal, Pace::Fast, Pace::Instant}) {
        QAction* action = paces->addAction(paceText(pace));
        action->setObjectName(QStringLiteral("Pace%1").arg(int(pace)));
        action->setCheckable(true);
        action->setChecked(pace == pace_);
        paceGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, pace] { setPace(pace); });
    }
    return menu;
}

namespace {

// Each pace: its menu entry, the pause before each choice, and how long
// the computer's announcement stays.
struct PaceSetting {
    const char* text;
    int choiceMs;
    int announcementMs;
};

const PaceSetting& settingOf(ComputerSeats::Pace pace) {
    //: The computer's pace. Pick an access letter unique in the pace menu.
    static const PaceSetting normal{QT_TRANSLATE_NOOP("ComputerSeats", "&Normal"),
                                    ComputerPlayer::kDefaultPaceMs,
                                    DialogAnswers::kComputerAnnouncementMs};
    //: The computer's pace. Pick an access letter unique in the pace menu.
    static const PaceSetting fast{QT_TRANSLATE_NOOP("ComputerSeats", "&Fast"), 250, 500};
    //: The computer's pace. Pick an access letter unique in the pace menu.
    static const PaceSetting instant{QT_TRANSLATE_NOOP("ComputerSeats", "&Instant, without pauses"),
                                     0, 0};
    switch (pace) {
    case ComputerSeats::Pace::Fast:
        return fast;
    case ComputerSeats::Pace::Instant:
        return instant;
    case ComputerSeats::Pace::Normal:
        break;
    }
    return normal;
}

} // namespace

QString ComputerSeats::paceText(Pace pace) {
    return tr(settingOf(pace).text);
}

int ComputerSeats::paceMs(Pace pace) {
    return settingOf(pace).choiceMs;
}

int ComputerSeats::announcementMs(Pace pace) {
    return settingOf(pace).announcementMs;
}

void ComputerSeats::setPace(Pace pace) {
    pace_ = pace;
    setPaceMs(paceMs(pace));
    emit paceChosen(pace);
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

void ComputerSeats::placeBesideWindow(QWidget& hint) const {
    // Right of the game where the screen has room, else left of it; only a
    // screen too narrow for both puts it over the game's right edge, where
    // the high-score window stands, not a board.
    const QRect game = window_.frameGeometry();
    const QScreen* screen = window_.screen();
    const QRect room = screen ? screen->availableGeometry() : game;
    // Before it first shows, the window has no frame yet: the game's
    // frame stands in for it.
    const QSize frame = window_.frameGeometry().size() - window_.size();
    const int width = std::max(hint.frameGeometry().width(), hint.width() + frame.width());
    const int height = std::max(hint.frameGeometry().height(), hint.height() + frame.height());
    int left = game.right() + 1;
    if (left + width > room.right() + 1) left = game.left() - width;
    if (left < room.left()) left = std::max(room.left(), room.right() + 1 - width);
    hint.move(left,
              std::clamp(game.top(), room.top(), std::max(room.top(), room.bottom() - height)));
}

HintWindow* ComputerSeats::hintWindow() const {
    return hint_;
}

void ComputerSeats::showHint() {
    if (!hint_) {
        hint_ = new HintWindow(&window_);
        placeBesideWindow(*hint_);
    }
    hint_->show();
    hint_->raise();
    refreshHint();
}

void ComputerSeats::refreshHint() {
    if (!hint_ || !hint_->isVisible()) return;
    GameSession& session = session_;
    if (!session.gameInProgress() || session.boardCount() == 0) {
        hint_->showMessage(tr("There is no game in progress."));
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
        hint_->showWorking();
        return;
    }
    const ValueTable* values = table.tableFor(position.used);
    if (!values) {
        hint_->showMessage(tr("No hint for this card."));
        return;
    }
    hint_->showChoices(session.name(player), Advisor(values).choices(position, Strength::Perfect));
}

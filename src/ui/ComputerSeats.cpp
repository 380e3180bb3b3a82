#include "ui/ComputerSeats.h"

#include "game/Advisor.h"
#include "game/FrmMainGame.h"
#include "game/NumericValue.h"
#include "game/Position.h"
#include "players/ComputerPlayer.h"
#include "players/GameSession.h"
#include "players/StrategyTable.h"
#include "ui/DialogAnswers.h"
#include "ui/HintWindow.h"
#include "ui/MDIFrmMainGame.h"
#include "ui/PlainText.h"

#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <tuple>

ComputerSeats::ComputerSeats(MDIFrmMainGame& window)
    : QObject(&window), window_(window), paceMs_(ComputerPlayer::kDefaultPaceMs) {
    GameSession& session = window_.session();
    connect(&session, &GameSession::seatChanged, this, &ComputerSeats::seatChanged);
    // After the window has made the board and its button.
    connect(&session, &GameSession::boardAdded, this, [this](int16_t index) {
        if (FrmMainGame* board = window_.boardWindow(index)) {
            connect(board, &FrmMainGame::changed, this, &ComputerSeats::refreshHint);
            board->installEventFilter(this);
        }
    });
    connect(&session, &GameSession::turnPassed, this, &ComputerSeats::refreshHint);
    connect(&session, &GameSession::playersRemoved, this, &ComputerSeats::refreshHint);

    window_.Toolbar1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(window_.Toolbar1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QAction* button = window_.Toolbar1->actionAt(at);
        if (!button || !window_.playerButtons.contains(button)) return;
        if (auto menu = seatMenu(MDIFrmMainGame::boardIndexOfKey(button->objectName())))
            menu->exec(window_.Toolbar1->mapToGlobal(at));
    });
}

// The menu key (or Shift+F10) on a board opens its seat's menu, for those
// who play without a mouse. A right click on the board stays as it was.
bool ComputerSeats::eventFilter(QObject* watched, QEvent* event) {
    auto* board = qobject_cast<FrmMainGame*>(watched);
    if (!board) return false;
    bool asked = false;
    if (event->type() == QEvent::ContextMenu) {
        asked = static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        asked = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
    }
    if (!asked) return false;
    if (auto menu = seatMenu(numericValue16(board->Tag))) {
        QWidget* focus = board->focusWidget() ? board->focusWidget() : board;
        menu->exec(focus->mapToGlobal(focus->rect().center()));
    }
    return true;
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
    GameSession& session = window_.session();
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
                [this, index, to] { window_.session().setComputerSeat(index, to); });
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
    window_.answers().computerAnnouncementMs = paceMs_;
    if (computer_) computer_->setPaceMs(paceMs_);
}

void ComputerSeats::seatChanged(int16_t index) {
    GameSession& session = window_.session();
    const std::optional<Strength> seat = session.computerSeat(index);
    // Its dice show whether a person may click them.
    if (FrmMainGame* board = window_.boardWindow(index)) board->refresh();
    if (QAction* button = window_.playerButton(index)) {
        QString tip = button->toolTip();
        if (tip.endsWith(kComputerMark)) tip.chop(kComputerMark.size());
        button->setToolTip(seat ? tip + kComputerMark : tip);
    }
    if (seat && !computer_) {
        if (seat == Strength::Perfect) strategyTable().request();
        computer_ = std::make_unique<ComputerPlayer>(session, strategyTable());
        computer_->setPaceMs(paceMs_);
        connect(computer_.get(), &ComputerPlayer::statusChanged, this, &ComputerSeats::showStatus);
        computer_->resume();
    } else if (seat == Strength::Perfect) {
        strategyTable().request();
    }
}

void ComputerSeats::showStatus(const QString& text) {
    if (text.isEmpty())
        window_.StatusBar1->clearMessage();
    else
        window_.StatusBar1->showMessage(text);
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
    GameSession& session = window_.session();
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

#include "ui/MDIFrmMainGame.h"

#include "board/FrmMainGame.h"
#include "game/NumericValue.h"
#include "players/GameSession.h"
#include "storage/StorePaths.h"
#include "storage/ToolbarSettings.h"
#include "ui/ComputerSeats.h"
#include "ui/DialogAnswers.h"
#include "ui/FrmHighScores.h"
#include "ui/FrmMessageBox.h"
#include "ui/HelpViewer.h"
#include "ui/PlainText.h"
#include "ui/ScoreKeeper.h"
#include "ui/ToolbarCustomizer.h"
#include "ui/ToolbarEntries.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include <utility>

using namespace MdlGlobalDecs;

namespace {

constexpr int kDesignClientWidth = 8370 / 15;
const QString kKeyPrefix = QStringLiteral("Num ");
// Kept per player beside the toolbar's layout.
const QString kPaceSetting = QStringLiteral("Computer/pace");
const QString kPlaceSetting = QStringLiteral("Window/geometry");

QMdiSubWindow* frameOf(QWidget* board) {
    return board ? qobject_cast<QMdiSubWindow*>(board->parentWidget()) : nullptr;
}

// "Selects Ann's Playerboard", and whether the computer plays the seat.
QString playerButtonToolTip(const QString& name, bool computer) {
    QString tip;
    if (computer)
        //: Tooltip of a player's button; %1 is the player's name.
        tip = QCoreApplication::translate("MDIFrmMainGame", "Selects %1's Playerboard (computer)");
    else
        //: Tooltip of a player's button; %1 is the player's name.
        tip = QCoreApplication::translate("MDIFrmMainGame", "Selects %1's Playerboard");
    return plainToolTip(tip.arg(name));
}

} // namespace

MDIFrmMainGame::MDIFrmMainGame(const AppServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("MDIFrmMainGame"));
    setWindowTitle(QStringLiteral("Vorka"));
    setWindowIcon(QIcon(kIcon));
    exitProgram = [] { QCoreApplication::exit(0); };
    toolbarSettingsFile = ToolbarSettings::defaultFile();
    pendingScoresFile = StorePaths::pendingScoresFile();

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    mdiArea->viewport()->installEventFilter(this);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* frame) {
        if (!frame) return;
        if (auto* board = qobject_cast<FrmMainGame*>(frame->widget())) Form_GotFocus(*board);
    });

    answers_ = std::make_unique<DialogAnswers>(services_, this);
    session_ = std::make_unique<GameSession>(*answers_, services_.game);
    connect(session_.get(), &GameSession::boardAdded, this, &MDIFrmMainGame::addBoard);
    connect(session_.get(), &GameSession::boardToFront, this, &MDIFrmMainGame::bringBoardToFront);
    connect(session_.get(), &GameSession::turnPassed, this, &MDIFrmMainGame::pressPlayerButton);
    // The turn is open (Roll on): the keyboard goes to its board.
    connect(session_.get(), &GameSession::turnPassed, this, [this](int16_t index) {
        if (FrmMainGame* board = boardWindow(index)) keepKeyboardOnTurn(*board);
    });
    connect(session_.get(), &GameSession::gameOver, this, &MDIFrmMainGame::enterFinalScores);
    connect(session_.get(), &GameSession::playersRemoved, this, &MDIFrmMainGame::removeAllPlayers);

    buildCommandToolbar();
    addToolBarBreak();
    //: Title of the toolbar with one button per player, shown in its context menu.
    Toolbar1 = new QToolBar(tr("Players"), this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(kPlayerIconSize);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // As tall empty as with its buttons, so the boards below never move.
    {
        QAction sample(QIcon(kPlayerIcon), QStringLiteral("Name"));
        Toolbar1->addAction(&sample);
        Toolbar1->setFixedHeight(std::max(885 / 15, Toolbar1->sizeHint().height()));
        Toolbar1->removeAction(&sample);
    }
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    // Pressing one button releases the others; the pressed one may be released.
    playerButtonGroup = new QActionGroup(Toolbar1);
    playerButtonGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    TurnStatus = new QLabel(StatusBar1);
    TurnStatus->setObjectName(QStringLiteral("TurnStatus"));
    TurnStatus->setTextFormat(Qt::PlainText);
    StatusBar1->addPermanentWidget(TurnStatus);
    scores_ = new ScoreKeeper(services_, *StatusBar1, this);
    // The status names the player as the board comes to the front, while
    // the turn is being announced, not only once it has been.
    connect(session_.get(), &GameSession::boardToFront, this, &MDIFrmMainGame::showTurnStatus);
    connect(session_.get(), &GameSession::turnPassed, this, &MDIFrmMainGame::showTurnStatus);
    connect(session_.get(), &GameSession::playersRemoved, this, &MDIFrmMainGame::showTurnStatus);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &MDIFrmMainGame::Timer1_Timer);
    Timer1->start();

    seats_ = new ComputerSeats(*session_, *this);
    connect(seats_, &ComputerSeats::statusChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            StatusBar1->clearMessage();
        else
            StatusBar1->showMessage(text);
    });
    connect(seats_, &ComputerSeats::paceChanged, this,
            [this](int ms) { answers_->computerAnnouncementMs = ms; });
    connect(seats_, &ComputerSeats::paceChosen, this, [this](ComputerSeats::Pace pace) {
        answers_->computerAnnouncementMs = ComputerSeats::announcementMs(pace);
        QSettings(toolbarSettingsFile, QSettings::IniFormat).setValue(kPaceSetting, int(pace));
    });
    connect(session_.get(), &GameSession::seatChanged, this, &MDIFrmMainGame::showSeat);
    Toolbar1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Toolbar1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QAction* button = Toolbar1->actionAt(at);
        if (!button || !playerButtons.contains(button)) return;
        if (auto menu = seats_->seatMenu(boardIndexOfKey(button->objectName())))
            menu->exec(Toolbar1->mapToGlobal(at));
    });

    resize(kDesignClientWidth, 445);
}

MDIFrmMainGame::~MDIFrmMainGame() {
    Timer1->stop();
    // The board windows use the session: they go first.
    for (FrmMainGame* board : std::as_const(boards_)) delete frameOf(board);
    boards_.clear();
}

FrmMainGame* MDIFrmMainGame::boardWindow(int16_t index) const {
    return index >= 0 && index < boards_.size() ? boards_[index] : nullptr;
}

QAction* MDIFrmMainGame::playerButton(int16_t index) const {
    return index >= 0 && index < playerButtons.size() ? playerButtons[index] : nullptr;
}

QString MDIFrmMainGame::playerButtonKey(int16_t index) {
    return kKeyPrefix + QString::number(index);
}

int16_t MDIFrmMainGame::boardIndexOfKey(const QString& key) {
    return numericValue16(QStringView(key).mid(kKeyPrefix.size()));
}

void MDIFrmMainGame::addBoard(int16_t index) {
    const QString name = session_->name(index);
    auto* board = new FrmMainGame(*session_, index);
    board->setWindowTitle(name);
    connect(board, &FrmMainGame::gotFocus, this, [this](FrmMainGame* b) { Form_GotFocus(*b); });
    connect(board, &FrmMainGame::changed, this, &MDIFrmMainGame::showTurnStatus);
    connect(board, &FrmMainGame::changed, this, [this, board] { keepKeyboardOnTurn(*board); });
    board->installEventFilter(this);
    if (boards_.size() <= index) boards_.resize(index + 1);
    boards_[index] = board;

    QMdiSubWindow* frame =
        mdiArea->addSubWindow(board, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    frame->setWindowIcon(QIcon(kIcon));
    frame->adjustSize();
    frame->setFixedSize(frame->size());
    if (index == 0) arrangeBoards_ = true;
    frame->move(boardPlace(index, frame->size()));
    // The last board of the game: the high-score window finds its place.
    if (index + 1 == session_->boardCount()) arrangeBoards();

    auto* button = new QAction(QIcon(kPlayerIcon), escapeMnemonics(name), Toolbar1);
    button->setObjectName(playerButtonKey(index));
    button->setCheckable(true);
    button->setChecked(false);
    button->setToolTip(playerButtonToolTip(name, false));
    playerButtonGroup->addAction(button);
    connect(button, &QAction::triggered, button, [this, button] { Toolbar1_ButtonClick(button); });
    Toolbar1->addAction(button);
    if (playerButtons.size() <= index) playerButtons.resize(index + 1);
    playerButtons[index] = button;

    // A frame that shows makes itself the active one, and the client area
    // then redraws the title of every other frame: a pass over all boards
    // for each board. A disabled frame is shown without that; boards become
    // active when they are brought to the front.
    frame->setEnabled(false);
    frame->show();
    frame->setEnabled(true);
}

QPoint MDIFrmMainGame::boardPlace(int16_t index, QSize board) const {
    // One row, as designed, while the window is one board high or the row
    // fits; in a taller window, as many rows as it holds, so that every
    // board is in view when they fit.
    const int count = std::max(1, session_->boardCount());
    const QSize room = mdiArea->viewport()->size();
    const int rows = std::max(1, room.height() / std::max(1, board.height()));
    int columns = std::max(1, room.width() / std::max(1, board.width()));
    if (rows == 1 || count <= columns)
        columns = count;
    else
        columns = std::max(columns, (count + rows - 1) / rows);
    return {(index % columns) * board.width(), (index / columns) * board.height()};
}

void MDIFrmMainGame::arrangeBoards() {
    if (!arrangeBoards_ || boards_.isEmpty() || !boards_.front()) return;
    QMdiSubWindow* first = frameOf(boards_.front());
    if (!first) return;
    const QSize board = first->size();
    // Places count from the scrolled area's origin.
    const QPoint origin(-mdiArea->horizontalScrollBar()->value(),
                        -mdiArea->verticalScrollBar()->value());
    QRect used;
    for (int i = 0; i < boards_.size(); ++i) {
        if (QMdiSubWindow* frame = frameOf(boards_[i])) {
            frame->move(origin + boardPlace(int16_t(i), board));
            used |= QRect(boardPlace(int16_t(i), board), board);
        }
    }
    // The high-score window beside the boards, or under them, where it
    // covers none; otherwise it stays where it is.
    auto* scores =
        highScores_ ? qobject_cast<QMdiSubWindow*>(highScores_->parentWidget()) : nullptr;
    if (!scores) return;
    const QSize room = mdiArea->viewport()->size();
    if (used.right() + 1 + scores->width() <= room.width())
        scores->move(origin + QPoint(used.right() + 1, 0));
    else if (used.bottom() + 1 + scores->height() <= room.height())
        scores->move(origin + QPoint(0, used.bottom() + 1));
}

void MDIFrmMainGame::removeAllPlayers() {
    for (int i = int(boards_.size()) - 1; i >= 0; --i) {
        if (QAction* button = playerButton(int16_t(i))) {
            playerButtonGroup->removeAction(button);
            Toolbar1->removeAction(button);
            button->deleteLater();
        }
        FrmMainGame* board = boards_[i];
        if (!board) continue;
        // A roll may still be running under a click on the board: it returns
        // before the window goes. Hidden now, gone with the event loop;
        // taking each frame out of the client area first would walk every
        // other board's controls once per board.
        disconnect(board, nullptr, this, nullptr);
        if (QMdiSubWindow* frame = frameOf(board)) {
            frame->hide();
            frame->deleteLater();
        } else {
            board->deleteLater();
        }
    }
    playerButtons.clear();
    boards_.clear();
}

void MDIFrmMainGame::bringBoardToFront(int16_t index) {
    FrmMainGame* board = boardWindow(index);
    QMdiSubWindow* frame = frameOf(board);
    if (!frame) return;
    frame->show();
    frame->raise();
    mdiArea->setActiveSubWindow(frame);
    scrollIntoView(*frame);
    board->takeKeyboard();
}

void MDIFrmMainGame::keepKeyboardOnTurn(FrmMainGame& board) {
    // Only the board whose turn it is, and only when the keyboard is nowhere
    // a player put it: on no control, on the board itself, or on a control
    // that has just gone off (Roll is switched on once the turn has been
    // announced, after the board came to the front).
    if (!session_->gameInProgress() || numericValue16(board.Tag) != session_->currentPlayer())
        return;
    if (mdiArea->activeSubWindow() != frameOf(&board)) return;
    QWidget* focus = focusWidget();
    if (focus && focus != &board && focus->isEnabled() && focus->isVisible()) return;
    board.takeKeyboard();
}

void MDIFrmMainGame::scrollIntoView(QMdiSubWindow& frame) {
    // The boards stand side by side; a window too narrow for all of them
    // scrolls to the one in front, as little as shows it whole.
    QScrollBar* bar = mdiArea->horizontalScrollBar();
    const QRect place = frame.geometry();
    const int room = mdiArea->viewport()->width();
    if (place.left() < 0)
        bar->setValue(bar->value() + place.left());
    else if (place.right() >= room)
        bar->setValue(bar->value() + std::min(place.left(), place.right() + 1 - room));
}

void MDIFrmMainGame::pressPlayerButton(int16_t index) {
    // The group releases the others.
    if (QAction* button = playerButton(index))
        button->setChecked(true);
    else if (QAction* pressed = playerButtonGroup->checkedAction())
        pressed->setChecked(false);
}

void MDIFrmMainGame::Toolbar1_ButtonClick(QAction* button) {
    services_.PlayResourceSound(QStringLiteral("BPRESS"));
    // The click has pressed or released the button; the group has released
    // the others.
    FrmMainGame* board = boardWindow(boardIndexOfKey(button->objectName()));
    if (!board) return;
    bringBoardToFront(numericValue16(board->Tag));
    // The focus event may not come when the board had the focus already.
    Form_GotFocus(*board);
}

void MDIFrmMainGame::Form_GotFocus(FrmMainGame& board) {
    pressPlayerButton(numericValue16(board.Tag));
}

void MDIFrmMainGame::enterFinalScores(const std::vector<PlayerScore>& scores) {
    highScores(); // the Halls are loaded first
    scores_->halls().EnterFinalScores(scores);
    showHighScores();
}

void MDIFrmMainGame::buildCommandToolbar() {
    //: Title of the toolbar with the game's commands, shown in its context menu.
    Toolbar2 = new QToolBar(tr("Commands"), this);
    Toolbar2->setObjectName(QStringLiteral("Toolbar2"));
    Toolbar2->setMovable(false);
    Toolbar2->setFloatable(false);
    Toolbar2->setIconSize(kCommandIconSize);
    Toolbar2->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar2->setMinimumHeight(660 / 15);
    Toolbar2->setContextMenuPolicy(Qt::CustomContextMenu);
    Toolbar2->installEventFilter(this);
    // The customise dialog, from the toolbar's menu or without the mouse.
    auto* customize = new QAction(tr("Customize Toolbar..."), this);
    customize->setObjectName(QStringLiteral("CustomizeToolbar"));
    customize->setShortcut(kCustomizeShortcut);
    customize->setShortcutContext(Qt::WindowShortcut);
    connect(customize, &QAction::triggered, this, &MDIFrmMainGame::customizeToolbar);
    addAction(customize);
    connect(Toolbar2, &QWidget::customContextMenuRequested, this,
            [this, customize](const QPoint& at) {
                QMenu menu(this);
                menu.addAction(customize);
                menu.exec(Toolbar2->mapToGlobal(at));
            });
    addToolBar(Qt::TopToolBarArea, Toolbar2);

    for (const ToolbarEntry& entry : toolbarEntries()) {
        auto* action = new QAction(this);
        action->setObjectName(entry.key);
        if (entry.isSeparator()) {
            action->setSeparator(true);
        } else {
            const QString caption = entry.shownCaption();
            action->setText(caption);
            action->setIcon(QIcon(entry.icon));
            action->setToolTip(entry.shownToolTip());
            action->setStatusTip(entry.shownDescription());
            QList<QKeySequence> keys = {QKeySequence::mnemonic(caption)};
            if (entry.standardKey != QKeySequence::UnknownKey)
                keys += QKeySequence::keyBindings(entry.standardKey);
            if (const QKeySequence extra = extraShortcut(entry); !extra.isEmpty()) keys += extra;
            // A key given twice would make its shortcut ambiguous: it would do nothing.
            keys.removeAll(QKeySequence());
            QList<QKeySequence> distinct;
            for (const QKeySequence& k : std::as_const(keys))
                if (!distinct.contains(k)) distinct += k;
            action->setShortcuts(distinct);
            action->setShortcutContext(Qt::WindowShortcut);
            // Sounds is a switch, and shows whether it is on.
            action->setCheckable(entry.key == u"Sounds");
            const QString key = entry.key;
            connect(action, &QAction::triggered, this, [this, key] { Toolbar2_ButtonClick(key); });
            addAction(action); // shortcuts work even for buttons the layout hides
        }
        commands_.insert(entry.key, action);
    }
    setToolbarLayout(designedToolbarLayout());
}

void MDIFrmMainGame::setToolbarLayout(const QStringList& layout) {
    layout_ = sanitizedToolbarLayout(layout);
    applyToolbarLayout(Toolbar2, layout_, commands_);
}

bool MDIFrmMainGame::eventFilter(QObject* watched, QEvent* event) {
    // A larger (or smaller) client area lays the boards out anew.
    if (watched == mdiArea->viewport() && event->type() == QEvent::Resize) arrangeBoards();
    if (watched == Toolbar2 && event->type() == QEvent::MouseButtonDblClick) {
        customizeToolbar();
        return true;
    }
    if (auto* board = qobject_cast<FrmMainGame*>(watched)) return boardMenuAsked(*board, *event);
    return QMainWindow::eventFilter(watched, event);
}

// The menu key (or Shift+F10) on a board opens its seat's menu, for those
// who play without a mouse. A right click on the board stays as it was.
bool MDIFrmMainGame::boardMenuAsked(FrmMainGame& board, QEvent& event) {
    bool asked = false;
    if (event.type() == QEvent::ContextMenu) {
        asked = static_cast<QContextMenuEvent&>(event).reason() == QContextMenuEvent::Keyboard;
    } else if (event.type() == QEvent::KeyPress) {
        const auto& key = static_cast<QKeyEvent&>(event);
        asked = key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier;
    }
    if (!asked) return false;
    if (auto menu = seats_->seatMenu(numericValue16(board.Tag))) {
        QWidget* focus = board.focusWidget() ? board.focusWidget() : &board;
        menu->exec(focus->mapToGlobal(focus->rect().center()));
    }
    return true;
}

// A seat changed hands: its dice show whether a person may click them, and
// its button's tooltip says when the computer plays it.
void MDIFrmMainGame::showSeat(int16_t index) {
    if (FrmMainGame* board = boardWindow(index)) board->refresh();
    if (QAction* button = playerButton(index)) {
        const bool computer = session_->isComputer(index);
        button->setToolTip(playerButtonToolTip(session_->name(index), computer));
        // The seat's picture says who plays it, beside the name.
        button->setIcon(QIcon(computer ? kComputerIcon : kPlayerIcon));
    }
    showTurnStatus();
}

void MDIFrmMainGame::customizeToolbar() {
    ::customizeToolbar(*services_.modals, this, layout_,
                       [this](const QStringList& layout) { Toolbar2_Change(layout); });
}

void MDIFrmMainGame::Toolbar2_Change(const QStringList& layout) {
    setToolbarLayout(layout);
    ToolbarSettings(toolbarSettingsFile).save(layout_);
}

FrmHighScores* MDIFrmMainGame::highScores() {
    if (!highScores_) {
        scores_->halls().setPendingFile(pendingScoresFile);
        highScores_ = new FrmHighScores(scores_->halls(), services_);
        QMdiSubWindow* frame =
            mdiArea->addSubWindow(highScores_, Qt::SubWindow | Qt::Tool | Qt::CustomizeWindowHint |
                                                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->adjustSize();
        frame->setFixedSize(frame->size());
        frame->move(std::max(0, mdiArea->viewport()->width() - frame->width()), 0);
        frame->show();
    }
    return highScores_;
}

void MDIFrmMainGame::showHighScores() {
    FrmHighScores* window = highScores();
    window->halls().catchUp();
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (frame) {
        frame->show();
        frame->raise();
        mdiArea->setActiveSubWindow(frame);
    }
    window->setFocus(Qt::OtherFocusReason);
}

void MDIFrmMainGame::MDIForm_Load() {
    services_.sound().setOn(true);
    showSoundsState();
    highScores();
    restorePlayerSettings();

    // The designed size the first time; afterwards the size, place and
    // state the player left the window in.
    const bool placed = restoreGeometry(
        QSettings(toolbarSettingsFile, QSettings::IniFormat).value(kPlaceSetting).toByteArray());
    show();
    services_.game.events->processEvents();
    fitHeightToBoards(!placed);
    services_.game.events->processEvents();

    session_->StartNewGame();
    if (const auto saved = ToolbarSettings(toolbarSettingsFile).restore()) setToolbarLayout(*saved);
    // A saved game the program was started with replaces the new one, as if
    // the player had opened it.
    if (!startFile.isEmpty()) session_->OpenGameFile(std::exchange(startFile, QString()));
}

void MDIFrmMainGame::fitHeightToBoards(bool resizeWindow) {
    // A board window as the client area frames it, title bar included.
    auto* client = new QWidget;
    client->setFixedSize(FrmMainGame::kClientSize);
    QMdiSubWindow* probe = mdiArea->addSubWindow(client, Qt::SubWindow | Qt::CustomizeWindowHint |
                                                             Qt::WindowTitleHint);
    probe->setWindowTitle(QStringLiteral("Vorka"));
    probe->setWindowIcon(QIcon(kIcon));
    probe->adjustSize();
    const int wanted = probe->height();
    const int boardWidth = probe->width();
    mdiArea->removeSubWindow(probe);
    delete probe;
    layout()->activate();
    const int room = mdiArea->viewport()->height();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // Wide enough for the first board and the high-score window beside it.
    auto* scores =
        highScores_ ? qobject_cast<QMdiSubWindow*>(highScores_->parentWidget()) : nullptr;
    const int widthWanted = boardWidth + (scores ? scores->width() : 0);
    const int widthRoom = mdiArea->width() - 2 * mdiArea->frameWidth();
    if (resizeWindow) {
        resize(width() + std::max(0, widthWanted - widthRoom),
               height() + wanted - room + scrollBar);
        layout()->activate();
    }
    if (scores) scores->move(boardWidth, 0);
}

void MDIFrmMainGame::Toolbar2_ButtonClick(const QString& key) {
    services_.PlayResourceSound(QStringLiteral("BPRESS"));
    const QString command = key.toUpper();
    if (command == u"NEW") {
        if (session_->gameInProgress() &&
            !ShowMessageBox(services_, DialogKind::ConfirmForfeit).toBool())
            return;
        session_->StartNewGame();
    } else if (command == u"SCORES") {
        showHighScores();
    } else if (command == u"OPEN") {
        session_->OpenGame();
    } else if (command == u"SAVE") {
        session_->SaveGame();
    } else if (command == u"QUIT") {
        close();
    } else if (command == u"HELP") {
        showHelp(help_, this);
    } else if (command == u"HINT") {
        seats_->showHint();
    } else if (command == u"TILE") {
        arrangeBoards_ = true;
        arrangeBoards();
    } else if (command == u"CASCADE") {
        // Stays so until Tile or the next game.
        arrangeBoards_ = false;
        mdiArea->cascadeSubWindows();
        if (FrmMainGame* board = boardWindow(session_->currentPlayer()))
            bringBoardToFront(numericValue16(board->Tag));
    } else if (command == u"SOUNDS") {
        services_.sound().setOn(!services_.sound().isOn());
        showSoundsState();
        showTurnStatus();
    }
}

void MDIFrmMainGame::showSoundsState() {
    // The button shows pressed while sounds are on.
    if (QAction* sounds = commandAction(QStringLiteral("Sounds")))
        sounds->setChecked(services_.sound().isOn());
}

void MDIFrmMainGame::showTurnStatus() {
    if (!session_->gameInProgress() || session_->boardCount() == 0) {
        TurnStatus->clear();
        return;
    }
    const int16_t player = session_->currentPlayer();
    const int left = std::clamp<int>(session_->board(player).rollsLeft(), 0, 3);
    const QString name = session_->name(player);
    QString turn;
    if (session_->isComputer(player))
        //: Start of the status bar's text; %1 is the player's name.
        turn = tr("%1's turn (computer)").arg(name);
    else
        //: Start of the status bar's text; %1 is the player's name.
        turn = tr("%1's turn").arg(name);
    // Whole sentences, with the clause above filled in last so that a name
    // stays as typed.
    const bool on = services_.sound().isOn();
    QString text;
    if (left == 1 && on)
        //: Status bar; %1 is "Ann's turn" or "Ann's turn (computer)".
        text = tr("%1, 1 roll left. Sounds on.");
    else if (left == 1)
        //: Status bar; %1 is "Ann's turn" or "Ann's turn (computer)".
        text = tr("%1, 1 roll left. Sounds off.");
    else if (on)
        //: Status bar; %1 is "Ann's turn" or "Ann's turn (computer)"; %n rolls left (0, 2 or 3).
        text = tr("%1, %n rolls left. Sounds on.", "", left);
    else
        //: Status bar; %1 is "Ann's turn" or "Ann's turn (computer)"; %n rolls left (0, 2 or 3).
        text = tr("%1, %n rolls left. Sounds off.", "", left);
    TurnStatus->setText(text.arg(turn));
}

void MDIFrmMainGame::Timer1_Timer() {
    if (!session_->gameInProgress()) return;
    QString tag;
    if (QMdiSubWindow* active = mdiArea->activeSubWindow())
        if (auto* board = qobject_cast<FrmMainGame*>(active->widget())) tag = board->Tag;
    pressPlayerButton(numericValue16(tag));
}

void MDIFrmMainGame::closeEvent(QCloseEvent* event) {
    if (leaving_) {
        event->accept();
        return;
    }
    // The desktop session is ending, or a signal ends the program: no question.
    const bool sessionEnds = !askBeforeLeaving_ || (qApp && qApp->isSavingSession());
    if (!sessionEnds && !MDIForm_QueryUnload()) {
        event->ignore();
        return;
    }
    leaving_ = true;
    event->accept();
    MDIForm_Unload();
}

bool MDIFrmMainGame::MDIForm_QueryUnload() {
    return ShowMessageBox(services_, DialogKind::ConfirmLeave, session_->gameInProgress()).toBool();
}

void MDIFrmMainGame::leaveWithoutAsking() {
    askBeforeLeaving_ = false;
    close();
}

void MDIFrmMainGame::restorePlayerSettings() {
    const QSettings settings(toolbarSettingsFile, QSettings::IniFormat);
    bool known = false;
    const int pace = settings.value(kPaceSetting).toInt(&known);
    if (known && pace >= int(ComputerSeats::Pace::Normal) &&
        pace <= int(ComputerSeats::Pace::Instant))
        seats_->setPace(ComputerSeats::Pace(pace));
}

void MDIFrmMainGame::MDIForm_Unload() {
    QSettings(toolbarSettingsFile, QSettings::IniFormat).setValue(kPlaceSetting, saveGeometry());
    scores_->keepAtExit();
    services_.PlayResourceSound(QStringLiteral("END"), true);
    if (exitProgram) exitProgram();
}

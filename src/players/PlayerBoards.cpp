#include "players/PlayerBoards.h"

#include "game/FrmMainGame.h"
#include "game/MdlGlobalDecs.h"
#include "game/NumericValue.h"
#include "players/EndTurn.h"
#include "ui/MDIFrmMainGame.h"
#include "ui/PlainText.h"
#include "ui/SvgIconEngine.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

namespace MdlGlobalDecs {

namespace {

const QString kKeyPrefix = QStringLiteral("Num ");

MDIFrmMainGame& mainWindow() {
    return *MDIFrmMainGame::instance();
}

QMdiSubWindow* frameOf(FrmMainGame* board) {
    return board ? qobject_cast<QMdiSubWindow*>(board->parentWidget()) : nullptr;
}

} // namespace

QString playerButtonKey(int16_t index) {
    return kKeyPrefix + QString::number(index);
}

int16_t boardIndexOfKey(const QString& key) {
    return numericValue16(QStringView(key).mid(kKeyPrefix.size()));
}

QString playerButtonToolTip(const QString& name) {
    return QStringLiteral("Selects ") + name + QStringLiteral("'s Playerboard");
}

FrmMainGame* CreateBoard(int16_t index, const QString& name) {
    GameState& s = state();
    auto* board = new FrmMainGame(nullptr, services());
    if (s.Boards.size() <= size_t(index)) s.Boards.resize(size_t(index) + 1, nullptr);
    s.Boards[size_t(index)] = board;

    board->Tag = QString::number(index);
    QString title = name;
    if (title.endsWith(QChar(0))) title.chop(1);
    board->setWindowTitle(title);
    board->model().endTurn = [] { EndTurn(); };
    board->onGotFocus = [](FrmMainGame& b) { Form_GotFocus(b); };

    QMdiSubWindow* frame = mainWindow().mdiArea->addSubWindow(
        board, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    frame->setWindowIcon(svgIcon(MDIFrmMainGame::kIcon));
    frame->adjustSize();
    frame->setFixedSize(frame->size());
    frame->move(index * frame->width(), 0);
    frame->hide();
    return board;
}

void AddPlayerButton(int16_t index) {
    FrmMainGame* board = state().Boards.at(size_t(index));
    const QString name = board->windowTitle();
    MDIFrmMainGame& main = mainWindow();
    auto* button = new QAction(svgIcon(MDIFrmMainGame::kPlayerIcon), escapeMnemonics(name),
                               main.Toolbar1);
    button->setObjectName(playerButtonKey(index));
    button->setCheckable(true);
    button->setChecked(false);
    button->setToolTip(plainToolTip(playerButtonToolTip(name)));
    main.playerButtonGroup->addAction(button);
    QObject::connect(button, &QAction::triggered, button,
                     [button] { Toolbar1_ButtonClick(button); });
    main.Toolbar1->addAction(button);
    if (main.playerButtons.size() <= index) main.playerButtons.resize(index + 1);
    main.playerButtons[index] = button;
}

QAction* playerButton(int16_t index) {
    const QList<QAction*>& buttons = mainWindow().playerButtons;
    return index >= 0 && index < buttons.size() ? buttons[index] : nullptr;
}

void RemoveAllPlayers() {
    GameState& s = state();
    MDIFrmMainGame& main = mainWindow();
    for (int i = int(s.Boards.size()) - 1; i >= 0; --i) {
        if (QAction* button = playerButton(int16_t(i))) {
            main.playerButtonGroup->removeAction(button);
            main.Toolbar1->removeAction(button);
            button->deleteLater();
        }
        FrmMainGame* board = s.Boards[size_t(i)];
        if (!board) continue;
        // The board may be running the click that ended its game: let it
        // return before the window goes. Hidden now, gone with the event
        // loop; taking each frame out of the client area first would walk
        // every other board's controls once per board.
        board->model().endTurn = nullptr;
        board->onGotFocus = nullptr;
        if (QMdiSubWindow* frame = frameOf(board)) {
            frame->hide();
            frame->deleteLater();
        } else {
            board->deleteLater();
        }
    }
    main.playerButtons.clear();
    s.Boards.clear();
}

void ClearGame() {
    GameState& s = state();
    if (s.GameInProgress) {
        s.GameInProgress = false;
        RemoveAllPlayers();
    }
    s.Boards.clear();
    s.LastPlayer = 0;
    s.CurrentPlayer = 0;
}

void ShowBoard(int16_t index) {
    QMdiSubWindow* frame = frameOf(state().Boards.at(size_t(index)));
    if (!frame) return;
    // A frame that shows makes itself the active one, and the client area
    // then redraws the title of every other frame: a pass over all boards
    // for each board. A disabled frame is shown without that; boards become
    // active when they are brought to the front.
    frame->setEnabled(false);
    frame->show();
    frame->setEnabled(true);
}

void BringBoardToFront(int16_t index) {
    FrmMainGame* board = state().Boards.at(size_t(index));
    QMdiSubWindow* frame = frameOf(board);
    if (!frame) return;
    frame->show();
    frame->raise();
    mainWindow().mdiArea->setActiveSubWindow(frame);
    board->setFocus(Qt::OtherFocusReason);
}

void PressPlayerButton(int16_t index) {
    // The group releases the others.
    if (QAction* button = playerButton(index))
        button->setChecked(true);
    else if (QAction* pressed = mainWindow().playerButtonGroup->checkedAction())
        pressed->setChecked(false);
}

void Toolbar1_ButtonClick(QAction* button) {
    GameState& s = state();
    if (s.SoundsOn) PlayResourceSound(QStringLiteral("BPRESS"));
    // The click has pressed or released the button; the group has released
    // the others.
    const int16_t n = boardIndexOfKey(button->objectName());
    if (n < 0 || size_t(n) >= s.Boards.size() || !s.Boards[size_t(n)]) return;
    BringBoardToFront(n);
    // The focus event may not come when the board had the focus already.
    Form_GotFocus(*s.Boards[size_t(n)]);
}

void Form_GotFocus(FrmMainGame& board) {
    PressPlayerButton(numericValue16(board.Tag));
}

} // namespace MdlGlobalDecs

#include "ui/MDIFrmMainGame.h"

#include "game/FrmMainGame.h"
#include "game/MdlGlobalDecs.h"
#include "game/NumericValue.h"
#include "players/NewGame.h"
#include "players/PlayerBoards.h"
#include "storage/StorePaths.h"
#include "storage/ToolbarSettings.h"
#include "ui/FrmHighScores.h"
#include "ui/FrmMessageBox.h"
#include "ui/GameFiles.h"
#include "ui/HelpViewer.h"
#include "ui/SvgIconEngine.h"
#include "ui/ToolbarCustomizer.h"
#include "ui/ToolbarEntries.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

using namespace MdlGlobalDecs;

namespace {

MDIFrmMainGame* theMainWindow = nullptr;

constexpr int kDesignClientWidth = 8370 / 15;

} // namespace

MDIFrmMainGame* MDIFrmMainGame::instance() {
    return theMainWindow;
}

QList<SvgIconSizes> MDIFrmMainGame::firstPictures(qreal scale) {
    const int small = QApplication::style()->pixelMetric(QStyle::PM_SmallIconSize);
    const QSize titleBar = inDevicePixels(QSize(small, small), scale);
    QList<QSize> windowIcon = {QSize(16, 16), QSize(32, 32), QSize(64, 64), QSize(128, 128)};
    if (!windowIcon.contains(titleBar)) windowIcon.prepend(titleBar);
    // In the order they are needed: the high-score window draws its own as it
    // is made, the window icon goes to the window system as the main window is
    // shown, the buttons are drawn with the first frame.
    QList<SvgIconSizes> pictures = FrmHighScores::firstPictures(scale);
    pictures.append({kIcon, windowIcon});
    for (const ToolbarEntry& entry : toolbarEntries())
        if (!entry.isSeparator())
            pictures.append({entry.icon, {inDevicePixels(kCommandIconSize, scale)}});
    pictures.append({kPlayerIcon, {inDevicePixels(kPlayerIconSize, scale)}});
    return pictures;
}

MDIFrmMainGame::MDIFrmMainGame(QWidget* parent) : QMainWindow(parent) {
    theMainWindow = this;
    setObjectName(QStringLiteral("MDIFrmMainGame"));
    setWindowTitle(QStringLiteral("Vorka"));
    setWindowIcon(svgIcon(kIcon));
    exitProgram = [] { QCoreApplication::exit(0); };
    toolbarSettingsFile = ToolbarSettings::defaultFile();
    pendingScoresFile = StorePaths::pendingScoresFile();

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* frame) {
        if (!frame) return;
        if (auto* board = qobject_cast<FrmMainGame*>(frame->widget())) Form_GotFocus(*board);
    });

    buildCommandToolbar();
    addToolBarBreak();
    Toolbar1 = new QToolBar(QStringLiteral("Players"), this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(kPlayerIconSize);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // As tall empty as with its buttons, so the boards below never move.
    {
        QAction sample(svgIcon(kPlayerIcon), QStringLiteral("Name"));
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

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &MDIFrmMainGame::Timer1_Timer);
    Timer1->start();

    resize(kDesignClientWidth, 445);
}

MDIFrmMainGame::~MDIFrmMainGame() {
    Timer1->stop();
    // The boards go with the window; the game state must not keep them.
    GameState& s = state();
    s.Boards.clear();
    s.GameInProgress = false;
    if (theMainWindow == this) theMainWindow = nullptr;
}

void MDIFrmMainGame::buildCommandToolbar() {
    Toolbar2 = new QToolBar(QStringLiteral("Commands"), this);
    Toolbar2->setObjectName(QStringLiteral("Toolbar2"));
    Toolbar2->setMovable(false);
    Toolbar2->setFloatable(false);
    Toolbar2->setIconSize(kCommandIconSize);
    Toolbar2->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar2->setMinimumHeight(660 / 15);
    Toolbar2->setContextMenuPolicy(Qt::CustomContextMenu);
    Toolbar2->installEventFilter(this);
    connect(Toolbar2, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("Customize Toolbar..."), this,
                       &MDIFrmMainGame::customizeToolbar);
        menu.exec(Toolbar2->mapToGlobal(at));
    });
    addToolBar(Qt::TopToolBarArea, Toolbar2);

    for (const ToolbarEntry& entry : toolbarEntries()) {
        auto* action = new QAction(this);
        action->setObjectName(entry.key);
        if (entry.isSeparator()) {
            action->setSeparator(true);
        } else {
            action->setText(entry.caption);
            action->setIcon(svgIcon(entry.icon));
            action->setToolTip(entry.toolTip);
            action->setStatusTip(entry.description);
            QList<QKeySequence> keys = {QKeySequence::mnemonic(entry.caption)};
            if (entry.standardKey != QKeySequence::UnknownKey)
                keys += QKeySequence::keyBindings(entry.standardKey);
            action->setShortcuts(keys);
            action->setShortcutContext(Qt::WindowShortcut);
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
    if (watched == Toolbar2 && event->type() == QEvent::MouseButtonDblClick) {
        customizeToolbar();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIFrmMainGame::customizeToolbar() {
    ::customizeToolbar(this, layout_,
                       [this](const QStringList& layout) { Toolbar2_Change(layout); });
}

void MDIFrmMainGame::Toolbar2_Change(const QStringList& layout) {
    setToolbarLayout(layout);
    ToolbarSettings(toolbarSettingsFile).save(layout_);
}

FrmHighScores* MDIFrmMainGame::highScores() {
    if (!highScores_) {
        highScores_ = new FrmHighScores(nullptr, pendingScoresFile);
        Halls& halls = highScores_->halls();
        // Told from the event loop, never from inside the store's retry.
        connect(
            &halls, &Halls::waitingForStore, this,
            [this, &halls] {
                if (!halls.pendingScores().empty())
                    ShowNotice(FrmHighScores::kScoresWaiting, 1, 1, 1);
                else
                    StatusBar1->showMessage(FrmHighScores::kHallsWaiting);
            },
            Qt::QueuedConnection);
        connect(&halls, &Halls::changed, this, [this, &halls] {
            if (halls.upToDate() && StatusBar1->currentMessage() == FrmHighScores::kHallsWaiting)
                StatusBar1->clearMessage();
        });
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
    GameState& s = state();
    s.SoundsOn = true;
    highScores();
    s.LastPlayer = 0;

    show();
    services().events->processEvents();
    fitHeightToBoards();
    services().events->processEvents();

    StartNewGame();
    if (const auto saved = ToolbarSettings(toolbarSettingsFile).restore()) setToolbarLayout(*saved);
}

void MDIFrmMainGame::fitHeightToBoards() {
    // A board window as the client area frames it, title bar included.
    auto* client = new QWidget;
    client->setFixedSize(FrmMainGame::kClientSize);
    QMdiSubWindow* probe = mdiArea->addSubWindow(client, Qt::SubWindow | Qt::CustomizeWindowHint |
                                                             Qt::WindowTitleHint);
    probe->setWindowTitle(QStringLiteral("Vorka"));
    probe->setWindowIcon(svgIcon(kIcon));
    probe->adjustSize();
    const int wanted = probe->height();
    mdiArea->removeSubWindow(probe);
    delete probe;
    layout()->activate();
    const int room = mdiArea->viewport()->height();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    resize(width(), height() + wanted - room + scrollBar);
    layout()->activate();
    if (highScores_)
        if (auto* frame = qobject_cast<QMdiSubWindow*>(highScores_->parentWidget()))
            frame->move(std::max(0, mdiArea->viewport()->width() - frame->width()), 0);
}

void MDIFrmMainGame::Toolbar2_ButtonClick(const QString& key) {
    GameState& s = state();
    if (s.SoundsOn) PlayResourceSound(QStringLiteral("BPRESS"));
    const QString command = key.toUpper();
    if (command == u"NEW") {
        if (s.GameInProgress && !ShowMessageBox(DialogKind::ConfirmForfeit).toBool()) return;
        StartNewGame();
    } else if (command == u"SCORES") {
        showHighScores();
    } else if (command == u"OPEN") {
        OpenGame();
    } else if (command == u"SAVE") {
        SaveGame();
    } else if (command == u"QUIT") {
        close();
    } else if (command == u"HELP") {
        showHelp(this);
    } else if (command == u"SOUNDS") {
        s.SoundsOn = !s.SoundsOn;
    }
}

void MDIFrmMainGame::Timer1_Timer() {
    const GameState& s = state();
    if (!s.GameInProgress) return;
    QString tag;
    if (QMdiSubWindow* active = mdiArea->activeSubWindow())
        if (auto* board = qobject_cast<FrmMainGame*>(active->widget())) tag = board->Tag;
    PressPlayerButton(numericValue16(tag));
}

void MDIFrmMainGame::closeEvent(QCloseEvent* event) {
    if (leaving_) {
        event->accept();
        return;
    }
    // The desktop session is ending: no question.
    const bool sessionEnds = qApp && qApp->isSavingSession();
    if (!sessionEnds && !MDIForm_QueryUnload()) {
        event->ignore();
        return;
    }
    leaving_ = true;
    event->accept();
    MDIForm_Unload();
}

bool MDIFrmMainGame::MDIForm_QueryUnload() {
    return ShowMessageBox(DialogKind::ConfirmLeave).toBool();
}

void MDIFrmMainGame::MDIForm_Unload() {
    if (state().SoundsOn) PlayResourceSound(QStringLiteral("END"), true);
    if (exitProgram) exitProgram();
}

#include "ui/FrmHighScores.h"

#include "board/Fonts.h"
#include "board/TextRoom.h"
#include "board/Twips.h"
#include "ui/FrmMessageBox.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTreeWidget>

namespace {

const QString kFameIcon = QStringLiteral(":/pictures/tabs/fame.svg");
const QString kShameIcon = QStringLiteral(":/pictures/tabs/shame.svg");
const QString kWindowIcon = QStringLiteral(":/pictures/highscores-icon.svg");
const QString kDecoration = QStringLiteral(":/pictures/highscores.svg");
// The tabs and the rows of the lists show the same pictures, the rows
// smaller, so that ten of them fit the list without scrolling.
constexpr QSize kHallIconSize{20, 20};
constexpr QSize kRowIconSize{13, 13};
constexpr QRect kDecorationPlace = twips(150, 75, 1455, 675);

QTreeWidget* makeList(QWidget* parent, const QString& name) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setGeometry(twips(-30, 435, 4785, 2610));
    list->setColumnCount(3);
    list->setHeaderLabels({
        //: Column heading of the Halls of Fame and Shame: the place in the list.
        FrmHighScores::tr("Position"),
        //: Column heading of the Halls of Fame and Shame: the player's name.
        FrmHighScores::tr("Name"),
        //: Column heading of the Halls of Fame and Shame: the final score.
        FrmHighScores::tr("Score"),
    });
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    // Every row has one line of the same font and one small picture.
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setIconSize(kRowIconSize);
    list->setFont(Fonts::font(Fonts::kMsSansSerif, 8.25));
    list->header()->setSectionsMovable(false);
    list->setColumnWidth(0, 70);
    list->setColumnWidth(1, 170);
    list->setColumnWidth(2, 50);
    // A heading wider than its column (another language's) widens it,
    // taking from the names' column.
    for (int column : {0, 2}) {
        const int more = list->header()->sectionSizeHint(column) - list->columnWidth(column);
        if (more <= 0) continue;
        list->setColumnWidth(column, list->columnWidth(column) + more);
        list->setColumnWidth(1, list->columnWidth(1) - more);
    }
    return list;
}

void fill(QTreeWidget* list, const QList<HallEntry>& hall, const QIcon& icon) {
    list->clear();
    for (const HallEntry& entry : hall) {
        auto* row = new QTreeWidgetItem(list, {entry.position, entry.name, entry.score});
        row->setIcon(0, icon);
        row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
}

} // namespace

FrmHighScores::FrmHighScores(Halls& halls, const AppServices& services, QWidget* parent)
    : QWidget(parent), halls_(halls), services_(services) {
    setObjectName(QStringLiteral("FrmHighScores"));
    setWindowTitle(tr("Vorka Scores"));
    setWindowIcon(QIcon(kWindowIcon));
    setFixedSize(kClientSize);
    setAutoFillBackground(true);
    QPalette pink = palette();
    pink.setColor(QPalette::Window, QColor(255, 192, 192));
    // Text drawn straight on the pink (the tab labels) goes with it, whatever
    // the desktop's colour scheme; the lists and the button keep their own.
    pink.setColor(QPalette::WindowText, Qt::black);
    setPalette(pink);

    //: The window's big heading, in capitals.
    Label1 = new QLabel(tr("HIGH SCORES"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips(1680, 135, 3180, 630));
    Label1->setFont(Fonts::font(Fonts::kArialNarrow, 27.75, true));
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label1->setPalette(red);
    TextRoom::fit(Label1);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(kDecorationPlace);
    Image1->setScaledContents(true);
    Image1->setPixmap(QIcon(kDecoration).pixmap(kDecorationPlace.size()));

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twips(135, 795, 4800, 3090));

    TabStrip1 = new QTabBar(Picture1);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setGeometry(twips(810, 30, 3420, 435));
    TabStrip1->setIconSize(kHallIconSize);
    TabStrip1->setDrawBase(false);
    TabStrip1->setExpanding(false);
    TabStrip1->setUsesScrollButtons(false);
    TabStrip1->setFont(Fonts::font(Fonts::kMsSansSerif, 8.25));
    const int fame = TabStrip1->addTab(QIcon(kFameIcon), tr("Hall of Fame"));
    TabStrip1->setTabData(fame, QStringLiteral("Fame"));
    TabStrip1->setTabToolTip(fame, tr("Show Hall of Fame"));
    const int shame = TabStrip1->addTab(QIcon(kShameIcon), tr("Hall of Shame"));
    TabStrip1->setTabData(shame, QStringLiteral("Shame"));
    //: Tooltip of the Hall of Shame's tab. The English names the other Hall by an old
    //: slip that stays; translate it as "Shows the Hall of Shame".
    TabStrip1->setTabToolTip(shame, tr("Shows Hall of Fame"));
    connect(TabStrip1, &QTabBar::currentChanged, this, &FrmHighScores::TabStrip1_Click);
    TextRoom::fit(TabStrip1, Picture1->width());

    ListView1[0] = makeList(Picture1, QStringLiteral("ListView1_0"));
    ListView1[1] = makeList(Picture1, QStringLiteral("ListView1_1"));

    //: Button that empties both Halls. Pick an access letter unique in this window; it
    //: wins over the main window's toolbar letters while this window has the focus.
    Command1 = new QPushButton(tr("&Clear All Scores"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips(630, 3960, 3645, 390));
    TextRoom::fit(Command1);
    connect(Command1, &QPushButton::clicked, this, &FrmHighScores::Command1_Click);

    connect(&halls_, &Halls::changed, this, &FrmHighScores::refreshLists);
    Form_Load();
}

void FrmHighScores::Form_Load() {
    halls_.LoadHalls(); // the lists follow through Halls::changed
    TabStrip1_Click();
}

void FrmHighScores::refreshLists() {
    fill(ListView1[0], halls_.hallOfFame(), QIcon(kFameIcon));
    fill(ListView1[1], halls_.hallOfShame(), QIcon(kShameIcon));
}

void FrmHighScores::TabStrip1_Click() {
    const int index = TabStrip1->currentIndex() == 1 ? 1 : 0;
    ListView1[index]->show();
    ListView1[index]->raise();
    ListView1[1 - index]->hide();
}

int FrmHighScores::shownList() const {
    return ListView1[1]->isVisible() ? 1 : 0;
}

// The button's own access key (Alt+C in English), whatever letter its
// caption marks in the player's language.
bool FrmHighScores::isClearKey(const QKeyEvent* key) const {
    return QKeySequence(key->keyCombination()) == QKeySequence::mnemonic(Command1->text());
}

QString FrmHighScores::scoresWaiting() {
    return tr("Another copy of Vorka is using the Halls of Fame and Shame just now.") + CR + CR +
           tr("The scores of this game will be entered as soon as it is done with them.");
}

bool FrmHighScores::event(QEvent* event) {
    // The key comes here first, before the shortcuts of the main window.
    if (event->type() == QEvent::ShortcutOverride && isClearKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void FrmHighScores::keyPressEvent(QKeyEvent* event) {
    if (isClearKey(event)) {
        Command1->setFocus(Qt::ShortcutFocusReason);
        Command1->animateClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmHighScores::Command1_Click() {
    halls_.ClearHalls([this] {
        return MdlGlobalDecs::ShowNotice(services_, Halls::clearQuestion(), Halls::kClearQuestionButtons,
                                         Halls::kClearQuestionPicture, Halls::kClearQuestionSound)
            .toBool();
    });
}

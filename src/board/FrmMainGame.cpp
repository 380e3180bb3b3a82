#include "board/FrmMainGame.h"

#include "board/Fonts.h"
#include "board/ReadableText.h"
#include "board/TextRoom.h"
#include "board/Twips.h"
#include "players/GameSession.h"

#include <QApplication>
#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>
#include <array>

namespace {

// The picture of die face `face` (1 to 6); each size is drawn once.
QPixmap dieFace(int face, QSize size, qreal ratio) {
    static const std::array<QIcon, 6> faces = [] {
        std::array<QIcon, 6> all;
        for (int k = 0; k < 6; ++k)
            all[k] = QIcon(QStringLiteral(":/pictures/dice/%1.svg").arg(k + 1));
        return all;
    }();
    return faces[face - 1].pixmap(size, ratio);
}

QLabel* makeCell(QWidget* parent, const QString& name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Fonts::font(Fonts::kArialRounded, 9.75, true));
    // Red on the board's ground, lightened where a dark scheme makes it dark.
    ReadableText::keep(label, QColor(255, 0, 0));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* makeCategoryButton(QWidget* parent, const QString& name, Category c,
                                const QRect& place) {
    auto* button = new QPushButton(categoryCaption(c), parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setFont(Fonts::font(Fonts::kMsSansSerif, 8.25));
    button->setFocusPolicy(Qt::TabFocus);
    TextRoom::fit(button);
    return button;
}

} // namespace

DieImage::DieImage(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

// The click is accepted first and is the handler's last act: the roll it
// starts may replace the game, and this die with it, so that nothing may
// pass the event on to the die's parent afterwards.
void DieImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

void DieImage::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (isEnabled() && !event->isAutoRepeat()) emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void DieImage::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // Where the keyboard is: the style's focus frame, and round it a frame
    // in the selection colour that stands out on any face.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(3, 3, -3, -3);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

FrmMainGame::FrmMainGame(GameSession& session, int16_t index, QWidget* parent)
    : QWidget(parent), session_(session), index_(index), model_(session.boardAt(index)) {
    setObjectName(QStringLiteral("FrmMainGame"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(kClientSize);
    // The board takes the keyboard when clicked or brought to the front, but
    // is no Tab stop of its own: Tab goes from control to control.
    setFocusPolicy(Qt::ClickFocus);
    Tag = QString::number(index);
    buildControls();

    if (model_) {
        connect(model_, &Board::dieDrawn, this, &FrmMainGame::showDie);
        connect(model_, &Board::changed, this, &FrmMainGame::refresh);
        refresh();
    }
}

FrmMainGame::~FrmMainGame() = default;

void FrmMainGame::buildControls() {
    for (int i = 0; i < 6; ++i) {
        const auto c = categoryAt(i);
        Label2[i] =
            makeCell(this, QStringLiteral("Label2_%1").arg(i), twips(75 + 495 * i, 90, 450, 225));
        Command2[i] = makeCategoryButton(this, QStringLiteral("Command2_%1").arg(i), c,
                                         twips(60 + 495 * i, 330, 495, 390));
        connect(Command2[i], &QPushButton::clicked, this,
                [this, i] { Command2_Click(int16_t(i)); });
    }
    Label12 = makeCell(this, QStringLiteral("Label12"), twips(90, 735, 2910, 225));

    // Cell place, then button place (left, top, width; heights are 225 and 390).
    struct Lower {
        Category category;
        QLabel** label;
        QPushButton** button;
        void (FrmMainGame::*click)();
        int cellLeft, cellTop, cellWidth, buttonLeft, buttonTop, buttonWidth;
    };
    using F = FrmMainGame;
    const Lower lower[] = {
        {Category::OnePair, &Label3, &Command3, &F::Command3_Click, 75, 990, 1440, 60, 1230, 1485},
        {Category::TwoPairs, &Label4, &Command4, &F::Command4_Click, 1560, 990, 1440, 1545, 1230,
         1485},
        {Category::ThreeOfAKind, &Label5, &Command5, &F::Command5_Click, 75, 1650, 945, 60, 1905,
         990},
        {Category::FourOfAKind, &Label6, &Command6, &F::Command6_Click, 1065, 1650, 945, 1050, 1905,
         990},
        {Category::Vorka, &Label11, &Command11, &F::Command11_Click, 2055, 1650, 945, 2040, 1905,
         990},
        {Category::LowStraight, &Label7, &Command7, &F::Command7_Click, 75, 2325, 1440, 60, 2580,
         1485},
        {Category::HighStraight, &Label8, &Command8, &F::Command8_Click, 1560, 2325, 1440, 1545,
         2580, 1485},
        {Category::FullHouse, &Label9, &Command9, &F::Command9_Click, 75, 3000, 1440, 60, 3255,
         1485},
        {Category::Chance, &Label10, &Command10, &F::Command10_Click, 1560, 3000, 1440, 1545, 3255,
         1485},
    };
    for (const Lower& l : lower) {
        const int number = 3 + categoryIndex(l.category) - categoryIndex(Category::OnePair);
        *l.label = makeCell(this, QStringLiteral("Label%1").arg(number),
                            twips(l.cellLeft, l.cellTop, l.cellWidth, 225));
        *l.button = makeCategoryButton(this, QStringLiteral("Command%1").arg(number), l.category,
                                       twips(l.buttonLeft, l.buttonTop, l.buttonWidth, 390));
        connect(*l.button, &QPushButton::clicked, this, l.click);
    }
    Label13 = makeCell(this, QStringLiteral("Label13"), twips(90, 3660, 2910, 225));

    for (int i = 0; i < 6; ++i) {
        categoryButtons_[i] = Command2[i];
        scoreCells_[i] = Label2[i];
    }
    const std::array<QPushButton*, 9> lowerButtons = {
        Command3, Command4, Command5, Command6, Command7, Command8, Command9, Command10, Command11};
    const std::array<QLabel*, 9> lowerCells = {Label3, Label4, Label5,  Label6, Label7,
                                               Label8, Label9, Label10, Label11};
    for (int i = 0; i < 9; ++i) {
        categoryButtons_[kUpperCount + i] = lowerButtons[i];
        scoreCells_[kUpperCount + i] = lowerCells[i];
    }

    for (int i = 0; i < 5; ++i) {
        Label1[i] = new QLabel(this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->setTextFormat(Qt::PlainText);
        Label1[i]->setFont(Fonts::font(Fonts::kArialRounded, 48, true));
        Label1[i]->hide();

        Digits[i] = new DieImage(this);
        Digits[i]->setObjectName(QStringLiteral("Digits_%1").arg(i));
        Digits[i]->setGeometry(twips(75 + 585 * i, 3975, 600, 585));
        Digits[i]->setAlignment(Qt::AlignCenter);
        connect(Digits[i], &DieImage::clicked, this, [this, i] { Digits_Click(int16_t(i)); });
    }

    //: The button that rolls the dice. The two blanks at the end are part of the look.
    Command1 = new QPushButton(tr("Roll  "), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips(60, 4710, 2970, 495));
    Command1->setFont(Fonts::font(Fonts::kImpact, 20.25));
    TextRoom::fit(Command1);
    connect(Command1, &QPushButton::clicked, this, &FrmMainGame::Command1_Click);

    // Below the visible area: reached only with the Tab key, never seen.
    Text1 = new QLineEdit(QStringLiteral("Text1"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips(270, 5310, 2145, 300));
    connect(Text1, &QLineEdit::returnPressed, this, [this] { Text1_KeyPress(13); });
    Text1->installEventFilter(this);

    // Keyboard order: the card in its order, the dice, the Roll button, then
    // the box.
    QWidget* previous = Command2[0];
    for (int i = 1; i < kCategoryCount; ++i) {
        setTabOrder(previous, categoryButtons_[i]);
        previous = categoryButtons_[i];
    }
    for (DieImage* die : Digits) {
        setTabOrder(previous, die);
        previous = die;
    }
    setTabOrder(previous, Command1);
    setTabOrder(Command1, Text1);
}

void FrmMainGame::showDie(int die) {
    if (!model_) return;
    // A spinning die's faces are not worth speaking, only that it rolls.
    if (model_->spinning()) {
        //: Spoken by a screen reader; %1 is the die's place, 1 to 5.
        const QString rolling = tr("Die %1: rolling").arg(die + 1);
        if (Digits[die]->accessibleName() != rolling) Digits[die]->setAccessibleName(rolling);
    }
    Label1[die]->setText(model_->faceTexts()[die]);
    const int cell = model_->diePictures()[die];
    if (cell == Board::kNoPicture) {
        Digits[die]->clear();
    } else {
        Digits[die]->setPixmap(dieFace(cell + 1, Digits[die]->size(), devicePixelRatioF()));
    }
}

void FrmMainGame::refresh() {
    if (!model_) return;
    // A die shows when a click on it rolls it again.
    const bool clickable = playable() && model_->diceEnabled() && model_->rollsLeft() >= 1 &&
                           model_->rollsLeft() < Board::kRollsPerTurn;
    for (int i = 0; i < Board::kDice; ++i) {
        showDie(i);
        Digits[i]->setEnabled(model_->diceEnabled());
        if (clickable) {
            Digits[i]->setCursor(Qt::PointingHandCursor);
            //: %1 is the key that rolls the die, 1 to 5.
            Digits[i]->setToolTip(tr("Roll this die again (key %1)").arg(i + 1));
        } else {
            Digits[i]->unsetCursor();
            Digits[i]->setToolTip(QString());
        }
    }
    for (Category c : kAllCategories) {
        QPushButton* button = categoryButton(c);
        button->setEnabled(model_->categoryEnabled(c));
        // A used category is flat and struck through, so that it stands apart
        // from a free one also while every button is greyed out between turns.
        const bool used = !model_->card().available(c);
        if (button->font().strikeOut() != used) {
            QFont font = button->font();
            font.setStrikeOut(used);
            button->setFont(font);
            button->setFlat(used);
            TextRoom::fit(button);
        }
        button->setProperty("Tag", model_->card().tag(c));
        scoreCell(c)->setText(model_->card().cellText(c));
    }
    // Roll that goes off with the keyboard on it (the last roll of a turn)
    // hands it on to the card, not to the hidden box that follows it.
    const bool rollLosesKeyboard =
        window()->focusWidget() == Command1 && Command1->isEnabled() && !model_->rollEnabled();
    Command1->setEnabled(model_->rollEnabled());
    if (rollLosesKeyboard) takeKeyboard();
    TextRoom::setText(Label12, model_->upperTotalText());
    TextRoom::setText(Label13, model_->grandTotalText());
    describeForScreenReaders();
    emit changed();
}

void FrmMainGame::takeKeyboard() {
    if (Command1->isEnabled() && playable()) {
        Command1->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QPushButton* button : categoryButtons_) {
        if (button->isEnabled() && playable()) {
            button->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    setFocus(Qt::OtherFocusReason);
}

// Names a screen reader speaks, kept up with every change: each die with its
// face ("Die 2: 5"), each score cell with its score, each category with
// whether it is free, the Roll button with the rolls left and the dice, and
// the board with all of that in one sentence. Qt tells the screen reader of
// every name or description that changes.
void FrmMainGame::describeForScreenReaders() {
    const bool rolled = model_->diePictures()[0] != Board::kNoPicture;
    QStringList faces;
    for (int i = 0; i < Board::kDice; ++i) {
        if (model_->spinning()) break; // the dice speak when they have stopped
        //: What a screen reader says of a die not rolled yet.
        const QString notRolled = tr("not rolled");
        const QString face =
            model_->diePictures()[i] == Board::kNoPicture ? notRolled : model_->faceTexts()[i];
        faces << face;
        //: Spoken by a screen reader; %1 is the die's place (1 to 5), %2 its face
        //: (1 to 6) or "not rolled".
        Digits[i]->setAccessibleName(tr("Die %1: %2").arg(QString::number(i + 1), face));
        Digits[i]->setAccessibleDescription(Digits[i]->toolTip());
    }
    for (Category c : kAllCategories) {
        const QString cell = model_->card().cellText(c).trimmed();
        const bool free = model_->card().available(c);
        QString state;
        if (cell.isEmpty() && free)
            //: A category's state, spoken by a screen reader: it can still be scored.
            state = tr("Free");
        else if (cell.isEmpty())
            //: A category's state, spoken by a screen reader: it is scored already.
            state = tr("Used");
        else if (free)
            //: A category that holds a score and can be scored again; %1 is the score.
            state = tr("Free, score %1").arg(cell);
        else
            //: A category scored already; %1 is its score.
            state = tr("Used, score %1").arg(cell);
        categoryButton(c)->setAccessibleName(categoryName(c));
        categoryButton(c)->setAccessibleDescription(state);
        //: What a screen reader says of a score cell that holds no score.
        const QString empty = tr("empty");
        scoreCell(c)->setAccessibleName(
            //: A score cell as a screen reader says it; %1 is the category's name, %2 its
            //: score or "empty".
            tr("%1: %2").arg(categoryName(c), cell.isEmpty() ? empty : cell));
    }
    const QString upperTotal = TextRoom::fullText(Label12);
    const QString grandTotal = TextRoom::fullText(Label13);
    Label12->setAccessibleName(upperTotal);
    Label13->setAccessibleName(grandTotal);

    const int left = std::clamp<int>(model_->rollsLeft(), 0, Board::kRollsPerTurn);
    // English says "1 roll left" whatever translation is loaded; the other
    // counts take each language's plural forms.
    //: The rolls a player has left in this turn: exactly one.
    const QString oneLeft = tr("1 roll left");
    //: The rolls a player has left in this turn: %n is 0, 2 or 3.
    const QString rollsLeft = left == 1 ? oneLeft : tr("%n rolls left", "", left);
    //: Joins the faces of the five dice ("Dice 1, 3, 3, 5, 6").
    const QString faceList = faces.join(tr(", "));
    //: %1 is the list of the five dice's faces, joined by ", ".
    const QString dice = rolled ? tr("Dice %1").arg(faceList) : tr("Dice not rolled yet");
    if (model_->spinning()) {
        //: The Roll button as a screen reader says it while the dice spin.
        Command1->setAccessibleName(tr("Roll, dice rolling"));
        return;
    }
    //: The Roll button as a screen reader says it; %1 is "1 roll left", "2 rolls left", ...
    Command1->setAccessibleName(tr("Roll, %1").arg(rollsLeft));
    Command1->setAccessibleDescription(dice);
    setAccessibleName(windowTitle());
    //: The board in one sentence for a screen reader: %1 the dice, %2 the rolls left,
    //: %3 and %4 the two totals under the card.
    setAccessibleDescription(tr("%1. %2. %3. %4.").arg(dice, rollsLeft, upperTotal, grandTotal));
}

bool FrmMainGame::playable() const {
    return model_ && session_.mayMove(index_, Mover::Person);
}

// The clicks are moves of this board's player, made through the session. A
// move may run the event loop, where the game and this window can go: the
// handlers touch nothing of the window after it.
void FrmMainGame::Command1_Click() {
    session_.rollAll(index_);
}

void FrmMainGame::Digits_Click(int16_t Index) {
    session_.rollDie(index_, Index);
}

void FrmMainGame::score(Category c) {
    session_.score(index_, c);
}

void FrmMainGame::Command2_Click(int16_t Index) {
    score(categoryAt(Index));
}
void FrmMainGame::Command3_Click() {
    score(Category::OnePair);
}
void FrmMainGame::Command4_Click() {
    score(Category::TwoPairs);
}
void FrmMainGame::Command5_Click() {
    score(Category::ThreeOfAKind);
}
void FrmMainGame::Command6_Click() {
    score(Category::FourOfAKind);
}
void FrmMainGame::Command7_Click() {
    score(Category::LowStraight);
}
void FrmMainGame::Command8_Click() {
    score(Category::HighStraight);
}
void FrmMainGame::Command9_Click() {
    score(Category::FullHouse);
}
void FrmMainGame::Command10_Click() {
    score(Category::Chance);
}
void FrmMainGame::Command11_Click() {
    score(Category::Vorka);
}

void FrmMainGame::Text1_KeyPress(int16_t KeyAscii) {
    if (KeyAscii != 13) return;
    const QString typed = Text1->text();
    Text1->clear();
    session_.enterCodes(index_, typed);
}

void FrmMainGame::keyPressEvent(QKeyEvent* event) {
    const int die = event->key() - Qt::Key_1;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (die >= 0 && die < Board::kDice && mods == Qt::NoModifier) {
        if (!event->isAutoRepeat()) Digits_Click(int16_t(die));
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmMainGame::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The board is known to a screen reader by its player's name.
    if (event->type() == QEvent::WindowTitleChange) setAccessibleName(windowTitle());
}

bool FrmMainGame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QWidget::eventFilter(watched, event);
}

void FrmMainGame::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!Text1->hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void FrmMainGame::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit gotFocus(this);
}

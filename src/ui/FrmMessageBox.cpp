#include "ui/FrmMessageBox.h"

#include "board/Fonts.h"
#include "board/TextRoom.h"
#include "board/Twips.h"
#include "game/Limits.h"
#include "game/NumericValue.h"
#include "game/Text.h"
#include "ui/SvgPicture.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTreeWidget>

#include <algorithm>

using MdlGlobalDecs::DialogKind;

namespace {

const QColor kYellow(255, 255, 0);
constexpr int kCellWidth = 117;
constexpr int kCellHeight = 167;
constexpr int kCaptionMargin = 6;

// The buttons' captions. The two blanks after each belong to the look.
//: Button caption. The two blanks after it are part of the look; keep them.
const char* const kOk = QT_TRANSLATE_NOOP("FrmMessageBox", "OK  ");
//: Button caption. The two blanks after it are part of the look; keep them.
const char* const kYes = QT_TRANSLATE_NOOP("FrmMessageBox", "YES  ");
//: Button caption. The two blanks after it are part of the look; keep them.
const char* const kNo = QT_TRANSLATE_NOOP("FrmMessageBox", "NO  ");
//: Button caption: a casual "yes". The two blanks after it are part of the look; keep them.
const char* const kYeah = QT_TRANSLATE_NOOP("FrmMessageBox", "YEAH  ");
//: Button caption: a casual "no". The two blanks after it are part of the look; keep them.
const char* const kNa = QT_TRANSLATE_NOOP("FrmMessageBox", "NA  ");
//: Button caption. The two blanks after it are part of the look; keep them.
const char* const kCancel = QT_TRANSLATE_NOOP("FrmMessageBox", "CANCEL  ");
//: Button caption: on to the next player's name. The two blanks after it are part of the
//: look; keep them.
const char* const kNext = QT_TRANSLATE_NOOP("FrmMessageBox", "NEXT  ");
//: Option: play alone.
const char* const kOnMyOwn = QT_TRANSLATE_NOOP("FrmMessageBox", "On my own");
//: Option: play with others at the same computer.
const char* const kWithOthers = QT_TRANSLATE_NOOP("FrmMessageBox", "With others");
//: The name a player gets who types none.
const char* const kNoname = QT_TRANSLATE_NOOP("FrmMessageBox", "Noname");

QString captionText(const char* text) {
    return QCoreApplication::translate("FrmMessageBox", text);
}

// Two paragraphs of a message, a blank line between them.
QString paragraphs(const QString& first, const QString& second) {
    return first + CR + CR + second;
}

const QString kStart = QStringLiteral("START");
const QString kFanfare = QStringLiteral("FANFARE");
const QString kQuestion = QStringLiteral("QUESTION");
const QString kWin = QStringLiteral("WIN");
const QString kEnd = QStringLiteral("END");
const QString kButtonPress = QStringLiteral("BPRESS");

// The message's designed face, and the smallest it is made to fit.
constexpr double kMessagePoints = 9.75;
constexpr double kSmallestMessagePoints = 7.5;
// Zero width space: where a line may break though no blank stands.
constexpr QChar kBreakAnywhere(0x200B);
// Between the message and the score list.
constexpr int kListGap = 2;

// A word wider than the label would be cut off: it may break anywhere.
QString breakable(const QString& message, const QFont& font, int width) {
    const QFontMetrics metrics(font);
    QString shown;
    qsizetype start = 0;
    while (start < message.size()) {
        qsizetype end = start;
        while (end < message.size() && !message[end].isSpace()) ++end;
        const QString word = message.mid(start, end - start);
        if (metrics.horizontalAdvance(word) <= width) {
            shown += word;
        } else {
            for (const QChar letter : word) shown += QString(letter) + kBreakAnywhere;
        }
        while (end < message.size() && message[end].isSpace()) {
            shown += message[end] == CR ? u'\n' : message[end];
            ++end;
        }
        start = end;
    }
    return shown;
}

constexpr int16_t kOkAlone = 1;
constexpr int16_t kYeahNa = 2;
constexpr int16_t kOkCancel = 3;

// The buttons' face. Where Impact itself is missing its look-alike is wider,
// so the face is narrowed until the widest caption, blanks included, fits a
// half-width button; every button then shares that one face.
QFont buttonFont(int halfWidth) {
    QFont font = Fonts::font(Fonts::kImpact, 27.75);
    const int room = halfWidth - 2 * kCaptionMargin;
    for (int stretch = 100; stretch > 50; stretch -= 5) {
        font.setStretch(stretch);
        // "CANCEL  " in English; in another language another caption may be wider.
        int widest = 0;
        for (const char* caption : {kCancel, kYes, kNo, kYeah, kNa, kNext, kOk})
            widest = std::max(widest, QFontMetrics(font).horizontalAdvance(captionText(caption)));
        if (widest <= room) break;
    }
    return font;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& place, const QFont& font) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    button->setFont(font);
    button->hide();
    return button;
}

} // namespace

FrmMessageBox::FrmMessageBox(const AppServices& services, QWidget* parent)
    : ButtonOnlyDialog(QSize(kWidth, kHeight), parent), services_(services) {
    setObjectName(QStringLiteral("FrmMessageBox"));
    setFont(Fonts::font(Fonts::kMsSansSerif, 8.25));
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, kYellow);
    yellow.setColor(QPalette::WindowText, Qt::black);
    setPalette(yellow);
    setAutoFillBackground(true);

    Shape1 = makeOutline();

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips(75, 210, 1875, 2550));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips(2055, 270, 4140, 1335));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(Fonts::font(Fonts::kArial, 9.75, true));

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(twips(2040, 1155, 4200, 870));
    ListView1->setColumnCount(2);
    //: Column headings of the final scores at the end of a game.
    ListView1->setHeaderLabels({tr("Score"), tr("Name")});
    ListView1->setRootIsDecorated(false);
    ListView1->hide();

    Option1[0] = new QRadioButton(captionText(kOnMyOwn), this);
    Option1[0]->setObjectName(QStringLiteral("Option1_0"));
    Option1[0]->setGeometry(twips(2190, 1740, 1830, 240));
    Option1[0]->setChecked(true);
    Option1[0]->hide();
    Option1[1] = new QRadioButton(captionText(kWithOthers), this);
    Option1[1]->setObjectName(QStringLiteral("Option1_1"));
    Option1[1]->setGeometry(twips(4155, 1740, 1830, 240));
    Option1[1]->hide();

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips(2040, 1680, 4185, 330));
    Text1->hide();
    Text1->installEventFilter(this);

    const QRect half = twips(2025, 2070, 2100, 690);
    const QFont face = buttonFont(half.width());
    Command1 = makeButton(this, QStringLiteral("Command1"), captionText(kOk),
                          twips(2025, 2070, 4200, 690), face);
    Command2 = makeButton(this, QStringLiteral("Command2"), captionText(kYes), half, face);
    Command3 = makeButton(this, QStringLiteral("Command3"), captionText(kNo),
                          twips(4125, 2070, 2100, 690), face);
    connect(Command1, &QPushButton::clicked, this, &FrmMessageBox::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmMessageBox::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmMessageBox::Command3_Click);

    setTabOrder(Command1, Option1[0]);
    setTabOrder(Option1[0], Option1[1]);
    setTabOrder(Option1[1], Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Text1);

    centreOnScreen();
}

void FrmMessageBox::setKind(DialogKind kind) {
    Tag = QString::number(static_cast<int>(kind));
}

int16_t FrmMessageBox::kind() const {
    return numericValue16(Tag);
}

void FrmMessageBox::setMessage(const QString& message) {
    message_ = message;
    // A label breaks lines at '\n' only; the game's messages use CR.
    QString shown = message;
    shown.replace(CR, u'\n');
    Label1->setText(breakable(shown, Label1->font(), Label1->width()));
    // A screen reader reads the whole message as the window's name when it
    // opens, one line after the other.
    setAccessibleName(shown.simplified());
}

int FrmMessageBox::setMessageFace(int width, int height) {
    QFont face = Fonts::font(Fonts::kArial, kMessagePoints, true);
    for (double points = kMessagePoints;; points -= 0.25) {
        face.setPointSizeF(points);
        Label1->setFont(face);
        Label1->setText(breakable(message_, face, width));
        const int needed = Label1->heightForWidth(width);
        if (needed <= height || points - 0.25 < kSmallestMessagePoints) return needed;
    }
}

void FrmMessageBox::fitMessageAboveList() {
    if (ListView1->isHidden()) return;
    const QRect designLabel = twips(2055, 270, 4140, 1335);
    const QRect designList = twips(2040, 1155, 4200, 870);
    // The list's header and one row, each as high as the list shows them.
    const int rowHeight =
        std::max(ListView1->fontMetrics().height() + 4, ListView1->sizeHintForRow(0));
    const int smallestList =
        ListView1->header()->sizeHint().height() + rowHeight + 2 * ListView1->frameWidth();
    const int bottom = designList.bottom() + 1;
    const int width = designLabel.width();

    // The message leaves the list at least its header and one row.
    const int needed = setMessageFace(width, bottom - kListGap - smallestList - designLabel.top());
    const int listTop = std::max(designList.top(), designLabel.top() + needed + kListGap);
    if (listTop + smallestList <= bottom) {
        Label1->setGeometry(designLabel.left(), designLabel.top(), width,
                            std::max(needed, designLabel.height()));
        ListView1->setGeometry(designList.left(), listTop, designList.width(), bottom - listTop);
        ListView1->raise();
        return;
    }

    // Too long even so: the message scrolls above a list of one row.
    const QRect place(designLabel.left(), designLabel.top(), width,
                      bottom - smallestList - kListGap - designLabel.top());
    scrollMessage(place);
    ListView1->setGeometry(designList.left(), place.bottom() + 1 + kListGap, designList.width(),
                           smallestList);
}

void FrmMessageBox::fitMessage() {
    if (!ListView1->isHidden()) {
        fitMessageAboveList();
        return;
    }
    const QRect designLabel = twips(2055, 270, 4140, 1335);
    const int width = designLabel.width();
    if (Label1->heightForWidth(width) <= designLabel.height()) return;
    // Longer than its place: it takes the room down to the first control
    // under it, in a smaller face if need be, and scrolls there at the last.
    int bottom = height();
    for (QWidget* control : {static_cast<QWidget*>(Option1[0]), static_cast<QWidget*>(Text1),
                             static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2)})
        if (!control->isHidden()) bottom = std::min(bottom, control->y() - kListGap);
    const int needed = setMessageFace(width, bottom - designLabel.top());
    const QRect place(designLabel.left(), designLabel.top(), width, bottom - designLabel.top());
    if (designLabel.top() + needed <= bottom)
        Label1->setGeometry(place);
    else
        scrollMessage(place);
}

void FrmMessageBox::scrollMessage(const QRect& place) {
    if (!messageScroller_) {
        messageScroller_ = new QScrollArea(this);
        messageScroller_->setObjectName(QStringLiteral("MessageScroller"));
        messageScroller_->setFrameShape(QFrame::NoFrame);
        messageScroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        messageScroller_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        messageScroller_->setWidgetResizable(true);
        messageScroller_->viewport()->setAutoFillBackground(false);
        messageScroller_->setFocusPolicy(Qt::StrongFocus);
        messageScroller_->setWidget(Label1);
        Label1->setAutoFillBackground(false);
        setTabOrder(messageScroller_, Command1);
    }
    messageScroller_->setGeometry(place);
    messageScroller_->show();
}

void FrmMessageBox::showEvent(QShowEvent* event) {
    // Captions longer than the designed ones (another language's) fit their
    // buttons, the answers side by side in one face.
    QList<QAbstractButton*> shown;
    for (QPushButton* button : {Command1, Command2, Command3})
        if (!button->isHidden()) shown << button;
    TextRoom::fit(shown);
    for (QRadioButton* option : Option1)
        if (!option->isHidden()) TextRoom::fit(option);
    fitMessage();
    // And then what it can answer with.
    QStringList answers;
    for (const QAbstractButton* button : std::as_const(shown))
        answers << TextRoom::fullText(button).trimmed();
    // The buttons' captions without their blanks, in one pass.
    QString description;
    if (answers.size() <= 1)
        //: What a screen reader says of the message box; %1 is a button's caption.
        description = tr("Answer with %1.").arg(answers.value(0));
    else if (answers.size() == 2)
        //: What a screen reader says of the message box; %1 and %2 are buttons' captions.
        description = tr("Answer with %1 or %2.").arg(answers[0], answers[1]);
    else
        //: What a screen reader says of the message box; %1 to %3 are buttons' captions.
        description = tr("Answer with %1 or %2 or %3.").arg(answers[0], answers[1], answers[2]);
    setAccessibleDescription(description);
    ButtonOnlyDialog::showEvent(event);
}

const QPixmap& FrmMessageBox::Pics(int cell) {
    QPixmap& picture = pictureCells_.at(size_t(cell));
    if (picture.isNull())
        picture = renderSvg(QStringLiteral(":/pictures/pics/%1.svg").arg(cell),
                            QSize(kCellWidth, kCellHeight), kYellow);
    return picture;
}

void FrmMessageBox::setPicture(int16_t cell) {
    picture_ = cell;
    if (cell >= 0 && cell < kPictureCells)
        Image1->setPixmap(Pics(cell));
    else
        Image1->clear();
}

void FrmMessageBox::setButtonSet(int16_t buttons) {
    if (buttons == kYeahNa || buttons == kOkCancel) {
        Command1->hide();
        Command2->setText(captionText(buttons == kYeahNa ? kYeah : kOk));
        Command3->setText(captionText(buttons == kYeahNa ? kNa : kCancel));
        Command2->show();
        Command3->show();
        // "NA  " and "CANCEL  " change nothing.
        setEscapeButton(Command3);
    } else {
        // Set 1, and anything else, so that the window can always be answered.
        Command2->hide();
        Command3->hide();
        Command1->setText(captionText(kOk));
        Command1->show();
        setEscapeButton(Command1);
    }
}

void FrmMessageBox::showNameBox() {
    // No longer than a saved game keeps a name.
    Text1->setMaxLength(kMaxNameLength);
    Text1->setText(captionText(kNoname));
    Text1->show();
}

void FrmMessageBox::focusFirstControl() {
    if (!Text1->isHidden()) {
        Text1->selectAll();
        Text1->setFocus();
        return;
    }
    for (QWidget* control : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Option1[0]),
                             static_cast<QWidget*>(Option1[1]), static_cast<QWidget*>(Command2),
                             static_cast<QWidget*>(Command3)}) {
        if (!control->isHidden()) {
            control->setFocus();
            return;
        }
    }
}

QString FrmMessageBox::nameTyped() const {
    // Only the empty box stands for "Noname"; blanks are a name as typed.
    const QString typed = Text1->text();
    return typed.isEmpty() ? captionText(kNoname) : typed;
}

void FrmMessageBox::Command1_Click() {
    services_.PlayResourceSound(kButtonPress);
    switch (static_cast<DialogKind>(kind())) {
    case DialogKind::Welcome:
        DialogAnswer = Option1[0]->isChecked() ? 0 : 1;
        break;
    case DialogKind::OwnName:
        DialogAnswer = nameTyped();
        break;
    default:
        break;
    }
    unload();
}

void FrmMessageBox::Command2_Click() {
    services_.PlayResourceSound(kButtonPress);
    switch (static_cast<DialogKind>(kind())) {
    case DialogKind::PlayerNames:
        DialogAnswer = nameTyped();
        break;
    case DialogKind::ConfirmZero:
    case DialogKind::ConfirmLeave:
    case DialogKind::ConfirmForfeit:
    case DialogKind::Notice:
        DialogAnswer = true;
        break;
    default:
        break;
    }
    unload();
}

void FrmMessageBox::Command3_Click() {
    services_.PlayResourceSound(kButtonPress);
    switch (static_cast<DialogKind>(kind())) {
    case DialogKind::PlayerNames:
        // The NUL marks the last name of the list.
        DialogAnswer = nameTyped() + QChar(u'\0');
        break;
    case DialogKind::ConfirmZero:
    case DialogKind::ConfirmLeave:
    case DialogKind::ConfirmForfeit:
    case DialogKind::Notice:
        DialogAnswer = false;
        break;
    default:
        break;
    }
    unload();
}

void FrmMessageBox::Text1_KeyPress(int16_t KeyAscii) {
    if (KeyAscii != 13) return;
    switch (static_cast<DialogKind>(kind())) {
    case DialogKind::PlayerNames:
        Command2_Click();
        break;
    case DialogKind::OwnName:
        Command1_Click();
        break;
    default:
        break;
    }
}

bool FrmMessageBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter belongs to the name box alone: it must not also reach
            // the dialog and press a default button.
            Text1_KeyPress(13);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmMessageBox::unload() {
    closeByButton();
}

namespace MdlGlobalDecs {

QVariant ShowMessageBox(const AppServices& services, DialogKind kind, bool gameInProgress) {
    FrmMessageBox box(services);
    QString sound;
    switch (kind) {
    case DialogKind::Welcome:
        box.setMessage(
            paragraphs(QCoreApplication::translate("FrmMessageBox", "Welcome to Vorka."),
                       QCoreApplication::translate(
                           "FrmMessageBox",
                           "Please select whether you would like to play alone or with others.")));
        box.setPicture(0);
        box.Command1->setText(captionText(kOk));
        box.Command1->show();
        box.Option1[0]->setText(captionText(kOnMyOwn));
        box.Option1[1]->setText(captionText(kWithOthers));
        box.Option1[0]->show();
        box.Option1[1]->show();
        // Enter answers from the options too, as "OK  " does; so does
        // Escape, since the welcome has no other answer.
        box.Command1->setDefault(true);
        box.setEscapeButton(box.Command1);
        sound = kStart;
        break;
    case DialogKind::PlayerNames:
        box.setMessage(
            paragraphs(QCoreApplication::translate("FrmMessageBox",
                                                   "Please enter the names of those playing."),
                       //: "OK" is the caption of the button, without its blanks.
                       QCoreApplication::translate(
                           "FrmMessageBox", "If you have reached the end of the list, click OK")));
        box.setPicture(0);
        box.showNameBox();
        box.Command2->setText(captionText(kNext));
        box.Command3->setText(captionText(kOk));
        box.Command2->show();
        box.Command3->show();
        sound = kFanfare;
        break;
    case DialogKind::OwnName:
        box.setMessage(QCoreApplication::translate("FrmMessageBox", "Please enter your name."));
        box.setPicture(0);
        box.showNameBox();
        box.Command1->setText(captionText(kOk));
        box.Command1->show();
        box.setEscapeButton(box.Command1);
        sound = kFanfare;
        break;
    case DialogKind::ConfirmZero:
        //: Asked before a category is scored 0. The misspelling "Chosing" is the game's own;
        //: translate it correctly spelt.
        box.setMessage(
            paragraphs(QCoreApplication::translate(
                           "FrmMessageBox", "Chosing this option would place 0 in this cell."),
                       QCoreApplication::translate("FrmMessageBox", "Are you sure?")));
        box.setPicture(1);
        box.setButtonSet(kYeahNa);
        sound = kQuestion;
        break;
    case DialogKind::ConfirmLeave: {
        // "\?" keeps the compiler from reading "??!" as a trigraph.
        //: Asked before the program ends; shouted on purpose.
        QString leave =
            paragraphs(QCoreApplication::translate("FrmMessageBox", "LEAVE VORKA???\?!!!"),
                       //: Asked before the program ends; the many question marks are on purpose.
                       QCoreApplication::translate("FrmMessageBox", "Are you sure????"));
        if (gameInProgress)
            leave = paragraphs(leave, QCoreApplication::translate(
                                          "FrmMessageBox", "You'll forfeit the current game!!"));
        box.setMessage(leave);
    }
        box.setPicture(3);
        box.setButtonSet(kYeahNa);
        sound = kQuestion;
        break;
    case DialogKind::ConfirmForfeit:
        box.setMessage(
            paragraphs(QCoreApplication::translate(
                           "FrmMessageBox", "Choosing this option will forfeit the current game."),
                       QCoreApplication::translate("FrmMessageBox", "Are you sure?")));
        box.setPicture(1);
        box.setButtonSet(kYeahNa);
        sound = kQuestion;
        break;
    case DialogKind::Notice:
        // Notices come through ShowNotice; this one can at least be closed.
        box.setButtonSet(kOkAlone);
        break;
    }
    if (!sound.isEmpty()) services.PlayResourceSound(sound);
    box.setKind(kind);
    box.focusFirstControl();
    // A question whose "YEAH  " loses something (a zero in the card, the
    // game) opens on "NA  ": one Enter must not throw it away.
    if (kind == DialogKind::ConfirmZero || kind == DialogKind::ConfirmLeave ||
        kind == DialogKind::ConfirmForfeit)
        box.Command3->setFocus();
    services.runModal(box);
    return box.DialogAnswer;
}

QVariant ShowNotice(const AppServices& services, const QString& message, int16_t buttons,
                    int16_t picture, int16_t sound) {
    FrmMessageBox box(services);
    box.setMessage(message);
    box.setPicture(picture);
    box.setButtonSet(buttons);
    QString soundName;
    switch (sound) {
    case 0:
        soundName = kStart;
        break;
    case 2:
        soundName = kWin;
        break;
    case 3:
        soundName = kFanfare;
        break;
    case 4:
        soundName = kEnd;
        break;
    default:
        break;
    }
    if (soundName.isEmpty()) soundName = kQuestion;
    services.PlayResourceSound(soundName);
    box.setKind(DialogKind::Notice);
    box.focusFirstControl();
    // A notice that asks YEAH or NA asks before something is destroyed (the
    // Halls cleared): it opens on "NA  ", so that no Enter destroys by chance.
    if (buttons == kYeahNa) box.Command3->setFocus();
    services.runModal(box);
    return box.DialogAnswer;
}

} // namespace MdlGlobalDecs

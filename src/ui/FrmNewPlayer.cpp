#include "ui/FrmNewPlayer.h"

#include "board/Fonts.h"
#include "board/ReadableText.h"
#include "board/TextRoom.h"
#include "board/Twips.h"
#include "ui/SvgPicture.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kNewPlayerSound = QStringLiteral("NEWPLAYER");
const QString kOkSound = QStringLiteral("OKNWPLYR");

constexpr int kTickMilliseconds = 10;
constexpr int16_t kStartWidth = 150;
constexpr int16_t kStartStep = -8;
constexpr int16_t kNarrowest = 150;
constexpr int16_t kWidest = 344;

// The decoration sits in the free corner left of "GO!" and below the strip.
const QRect kDecoration(6, 114, 66, 98);

QFont nameFont() {
    return Fonts::font(Fonts::kArial, 36, true);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(nameFont());
    label->setText(text);
    label->move(left / 15, top / 15);
    label->adjustSize();
    return label;
}

// A word longer than the designed one ends at the window's edge, in a
// smaller face if it must; letters taller than the designed ones (capitals
// with accents) move it down into the window.
void keepWithin(QLabel* label, const QRect& inside) {
    if (label->geometry().right() > inside.right())
        label->resize(inside.right() - label->x() + 1, label->height());
    TextRoom::fit(label);
    const QFontMetrics metrics(label->font());
    const int inkTop = label->y() + (label->height() - metrics.height()) / 2 + metrics.ascent() +
                       metrics.tightBoundingRect(label->text()).top();
    if (inkTop < inside.top()) label->move(label->x(), label->y() + inside.top() - inkTop);
}

} // namespace

FrmNewPlayer::FrmNewPlayer(const AppServices& services, QWidget* parent)
    : ButtonOnlyDialog(QSize(kWidth, kHeight), parent), services_(services) {
    setObjectName(QStringLiteral("FrmNewPlayer"));

    Shape1 = makeOutline();

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(kDecoration);
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setPixmap(renderSvg(QStringLiteral(":/pictures/newplayer.svg"), kDecoration.size()));

    // Blue on the window's ground, lightened where a dark scheme makes it dark.
    //: First line of the turn announcement "IT's ANN's GO!" (three lines, the name in the
    //: middle); its odd capitals are part of the look.
    Label2 = makeLabel(this, QStringLiteral("Label2"), tr("IT's"), 2025, -60);
    ReadableText::keep(Label2, Qt::blue);
    //: Last line of the turn announcement "IT's ANN's GO!".
    Label3 = makeLabel(this, QStringLiteral("Label3"), tr("GO!"), 1890, 1770);
    ReadableText::keep(Label3, Qt::blue);
    for (QLabel* word : {Label2, Label3}) keepWithin(word, rect().adjusted(1, 1, -1, -1));

    Picture2 = new QLabel(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(twips(15, 840, 5250, 825));
    strip_ = QPixmap(kStripWidth, kStripHeight);
    strip_.fill(palette().color(QPalette::Base));
    Picture2->setPixmap(strip_);

    //: Button caption. The two blanks after it are part of the look; keep them.
    Command1 = new QPushButton(tr("OK  "), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips(1155, 2535, 4080, 645));
    Command1->setFont(Fonts::font(Fonts::kArial, 26.25, true));
    Command1->setDefault(true);
    setEscapeButton(Command1);
    connect(Command1, &QPushButton::clicked, this, &FrmNewPlayer::Command1_Click);

    // Below the client area: measured, never seen.
    Label1 = makeLabel(this, QStringLiteral("Label1"), QString(), 1455, 3765);

    width_ = kStartWidth;
    step_ = kStartStep;
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &FrmNewPlayer::Timer1_Timer);
    Timer1->start();

    centreOnScreen();
}

void FrmNewPlayer::ShowFrmNewPlayer() {
    // Label1 sizes itself to the name, and Picture1 takes its size.
    Label1->adjustSize();
    printName();
    // The strip is a picture; a screen reader gets the words.
    const QString spoken = Label2->text() + u' ' + Label1->text() + u' ' + Label3->text();
    Picture2->setAccessibleName(Label1->text());
    setAccessibleName(QStringLiteral("Vorka"));
    setAccessibleDescription(spoken);
    services_.game.events->processEvents();
}

void FrmNewPlayer::printName() {
    Picture1 = QPixmap(Label1->size());
    Picture1.fill(palette().color(QPalette::Base));
    QPainter painter(&Picture1);
    painter.setFont(nameFont());
    painter.setPen(ReadableText::on(Qt::red, palette().color(QPalette::Base)));
    painter.drawText(Picture1.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     Label1->text());
}

void FrmNewPlayer::changeEvent(QEvent* event) {
    ButtonOnlyDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !Picture1.isNull()) printName();
}

void FrmNewPlayer::Timer1_Timer() {
    if (width_ <= kNarrowest || width_ >= kWidest) step_ = static_cast<int16_t>(-step_);
    width_ = static_cast<int16_t>(width_ + step_);

    strip_.fill(palette().color(QPalette::Base));
    if (!Picture1.isNull()) {
        QPainter painter(&strip_);
        // A plain stretched copy: no smoothing.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const int left = (kStripWidth - width_) / 2;
        painter.drawPixmap(QRect(left, 0, width_, Picture1.height()), Picture1, Picture1.rect());
    }
    Picture2->setPixmap(strip_);
}

void FrmNewPlayer::Command1_Click() {
    services_.PlayResourceSound(kOkSound);
    Timer1->stop();
    closeByButton();
}

namespace MdlGlobalDecs {

void AnnounceTurn(const AppServices& services, const QString& name, int closeAfterMs) {
    FrmNewPlayer window(services);
    if (closeAfterMs >= 0)
        QTimer::singleShot(closeAfterMs, &window, [&window] { window.Command1->click(); });
    //: Middle line of the turn announcement "IT's ANN's GO!"; %1 is the player's name in
    //: capitals.
    window.Label1->setText(FrmNewPlayer::tr("%1's").arg(name.toUpper()));
    services.game.events->processEvents();
    window.ShowFrmNewPlayer();
    // Spoken as the window opens, in the player's own letters.
    //: What a screen reader says as the turn is announced; %1 is the player's name.
    window.setAccessibleName(FrmNewPlayer::tr("It's %1's go!").arg(name));
    services.PlayResourceSound(kNewPlayerSound);
    services.runModal(window);
}

} // namespace MdlGlobalDecs

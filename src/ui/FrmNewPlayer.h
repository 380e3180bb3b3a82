#pragma once

#include "ui/AppServices.h"
#include "ui/ButtonOnlyDialog.h"

#include <QPixmap>
#include <QString>

#include <cstdint>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

// The small modal window that announces whose turn it is: "IT's", the
// player's name swelling and shrinking in a strip, and "GO!". The name is
// printed once into an off-screen picture (Picture1) and stretched onto the
// visible strip (Picture2) at every tick of Timer1.
class FrmNewPlayer : public ButtonOnlyDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 352;
    static constexpr int kHeight = 217;
    static constexpr int kStripWidth = 350;
    static constexpr int kStripHeight = 55;

    // Loads the window: centred, animation at width 150 and step -8, and
    // Timer1 running.
    // Its button sounds through `services`.
    explicit FrmNewPlayer(const AppServices& services, QWidget* parent = nullptr);

    QFrame* Shape1;
    QLabel* Label2;        // "IT's"
    QLabel* Picture2;      // the visible name strip
    QLabel* Label3;        // "GO!"
    QPushButton* Command1; // "OK  "
    QLabel* Label1;        // the name text, only measured, never seen
    QPixmap Picture1;      // the name as printed, off-screen
    QLabel* Image2;        // decoration
    QTimer* Timer1;        // the animation clock

    // Prints Label1's text into Picture1, which takes Label1's size.
    void ShowFrmNewPlayer();

    // The animation state: the drawn width of the name and its change per
    // tick, both in pixels.
    int16_t animationWidth() const { return width_; }
    int16_t animationStep() const { return step_; }

    // The strip as it is drawn now.
    const QPixmap& strip() const { return strip_; }

public slots:
    void Timer1_Timer();
    void Command1_Click();

protected:
    // A new palette (the desktop's scheme changed) prints the name again on
    // the new ground.
    void changeEvent(QEvent* event) override;

private:
    // Prints the name into Picture1, in red made readable on the ground.
    void printName();

    AppServices services_;
    QPixmap strip_;
    int16_t width_ = 150;
    int16_t step_ = -8;
};

namespace MdlGlobalDecs {

// Shows the announcement for the player `name` modally, with the NEWPLAYER
// sound when sounds are on, and returns when it has been dismissed. With
// `closeAfterMs` set, it presses its own "OK  " after that long: nobody has
// to answer for the computer.
void AnnounceTurn(const AppServices& services, const QString& name, int closeAfterMs = -1);

} // namespace MdlGlobalDecs

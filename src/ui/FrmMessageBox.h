#pragma once

#include "ui/AppServices.h"
#include "ui/ButtonOnlyDialog.h"

#include <QPixmap>
#include <QString>
#include <QVariant>

#include <array>
#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTreeWidget;

namespace MdlGlobalDecs {

// What the message dialog is showing; its number is what the window records.
enum class DialogKind : int16_t {
    Welcome = 0,
    PlayerNames = 1,
    OwnName = 2,
    ConfirmZero = 3,
    ConfirmLeave = 4,
    ConfirmForfeit = 5,
    Notice = 99
};

// Shows the message dialog as one of the built-in kinds and waits for a
// button. Returns the answer that button left: an int for Welcome, the name
// for the name kinds, true or false for the questions. `gameInProgress`
// adds the forfeit warning to ConfirmLeave.
QVariant ShowMessageBox(const AppServices& services, DialogKind kind, bool gameInProgress = false);

// Shows `message` as a Notice. `buttons`: 1 "OK  " alone, 2 "YEAH  "/"NA  ",
// 3 "OK  "/"CANCEL  ". `picture`: the picture cell 0..3. `sound`: 0 START,
// 2 WIN, 3 FANFARE, 4 END, anything else QUESTION. Returns true or false for
// sets 2 and 3, and no answer (an invalid QVariant) for "OK  " alone.
QVariant ShowNotice(const AppServices& services, const QString& message, int16_t buttons,
                    int16_t picture, int16_t sound);

} // namespace MdlGlobalDecs

// The game's own message box: a yellow, borderless window with a picture, a
// message and the controls each kind needs. It is loaded for one showing and
// leaves its answer in DialogAnswer. It cannot be closed except by its buttons.
//
// A caller that builds a Notice of its own (the end of a game) sets the
// message, picture, kind and buttons through the setters below, fills
// ListView1, shows it and runs it through the services' modal runner.
class FrmMessageBox : public ButtonOnlyDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 435;
    static constexpr int kHeight = 201;
    static constexpr int kPictureCells = 4;

    // Its buttons sound through `services`.
    explicit FrmMessageBox(const AppServices& services, QWidget* parent = nullptr);

    QFrame* Shape1;
    QLabel* Image1;
    QLabel* Label1;
    QTreeWidget* ListView1;               // "Score", "Name"
    std::array<QRadioButton*, 2> Option1; // "On my own", "With others"
    QLineEdit* Text1;
    QPushButton* Command1; // the wide button
    QPushButton* Command2; // left half
    QPushButton* Command3; // right half
    // Picture cell `cell` (0..kPictureCells - 1), drawn when first asked for:
    // a dialog shows one of the four.
    const QPixmap& Pics(int cell);

    // What the pressed button answered (nothing until then).
    QVariant DialogAnswer;

    // The kind as the window records it: decimal text, read back as a number.
    QString Tag;
    void setKind(MdlGlobalDecs::DialogKind kind);
    int16_t kind() const;

    // The message exactly as given (lines joined with CR); Label1 shows it
    // with the CRs as line breaks.
    void setMessage(const QString& message);
    const QString& message() const { return message_; }

    // Shows picture cell `cell` in Image1; a cell outside 0..3 shows nothing.
    void setPicture(int16_t cell);
    int16_t picture() const { return picture_; }

    // Shows the buttons of button set 1, 2 or 3 with their captions.
    void setButtonSet(int16_t buttons);

    // Shows Text1 holding "Noname", ready for a name to be typed.
    void showNameBox();

    // Gives the keyboard focus to the first shown control a player answers
    // with: the name box when it is shown, otherwise the first button.
    void focusFirstControl();

    // With the score list shown, makes room for the whole message above it:
    // the list moves down and gets smaller, then the message gets a smaller
    // face, and a message that still does not fit scrolls in its own place.
    // Runs when the window is shown; the window keeps its size.
    void fitMessageAboveList();
    // Where a message too long for the window scrolls (nullptr until then).
    QScrollArea* messageScroller() const { return messageScroller_; }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

public:
    // A key typed into the name box; 13 is Enter.
    void Text1_KeyPress(int16_t KeyAscii);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Makes room for the whole message: above the score list when it shows,
    // else down to the first control under the message.
    void fitMessage();
    // Shows the message in `place`, scrolling.
    void scrollMessage(const QRect& place);
    // Sets the message in the largest face, from the designed one down to
    // the smallest, whose lines `width` wide take at most `height`; returns
    // the height they take.
    int setMessageFace(int width, int height);
    QString nameTyped() const;
    void unload();

    AppServices services_;
    QString message_;
    int16_t picture_ = -1;
    QScrollArea* messageScroller_ = nullptr;
    std::array<QPixmap, kPictureCells> pictureCells_;
};

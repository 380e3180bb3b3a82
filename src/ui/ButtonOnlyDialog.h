#pragma once

#include <QDialog>

class QAbstractButton;
class QFrame;

// A borderless modal window of a fixed size that only its own buttons close:
// the window manager's close request is refused until a button has answered,
// so the caller always gets an answer from a button. Escape presses the
// button that answers without changing anything, where the window has one.
class ButtonOnlyDialog : public QDialog {
    Q_OBJECT
public:
    ButtonOnlyDialog(QSize clientSize, QWidget* parent);

    void reject() override;
    // The button Escape presses; nullptr (the default): Escape does nothing.
    void setEscapeButton(QAbstractButton* button) { escapeButton_ = button; }
    QAbstractButton* escapeButton() const { return escapeButton_; }
    // Before it first shows, a window opened without a parent becomes
    // transient for the program's main window (see ownerWindow()), so that
    // every compositor puts it over the game, also where the program cannot
    // place its windows itself (Wayland).
    void setVisible(bool visible) override;

    // The window dialogs opened without a parent belong to: the shown main
    // window of the program, else the active window; nullptr when there is
    // neither.
    static QWidget* ownerWindow();

protected:
    // The black outline round the whole client area, the window's frame.
    QFrame* makeOutline();
    // Centres the window on the screen the player is looking at: the one of
    // the active window, else the primary screen. Where the platform lets a
    // program place its windows (X11) it does so; elsewhere the compositor
    // places the window over its owner.
    void centreOnScreen();
    // Called by the answering button: closes the window.
    void closeByButton();
    void closeEvent(QCloseEvent* event) override;
    // Tells screen readers that the window has come up.
    void showEvent(QShowEvent* event) override;

private:
    bool answered_ = false;
    QAbstractButton* escapeButton_ = nullptr;
};

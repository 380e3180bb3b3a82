#pragma once

#include <QDialog>

class QFrame;

// A borderless modal window of a fixed size that only its own buttons close:
// Escape and the window manager's close request are refused until a button
// has answered, so the caller always gets an answer from a button.
class ButtonOnlyDialog : public QDialog {
    Q_OBJECT
public:
    ButtonOnlyDialog(QSize clientSize, QWidget* parent);

    void reject() override;

protected:
    // The black outline round the whole client area, the window's frame.
    QFrame* makeOutline();
    // Centres the window on the screen the player is looking at: the one of
    // the active window, else the primary screen.
    void centreOnScreen();
    // Called by the answering button: closes the window.
    void closeByButton();
    void closeEvent(QCloseEvent* event) override;
    // Tells screen readers that the window has come up.
    void showEvent(QShowEvent* event) override;

private:
    bool answered_ = false;
};

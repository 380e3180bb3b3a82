#pragma once

#include <QDialog>

// A modal window that only its own buttons close: Escape and the window
// manager's close request are refused until a button has answered, so the
// caller always gets an answer from a button.
class ButtonOnlyDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    void reject() override;

protected:
    // Centres the window on the screen the player is looking at: the one of
    // the active window, else the primary screen.
    void centreOnScreen();
    // Called by the answering button: closes the window.
    void closeByButton();
    void closeEvent(QCloseEvent* event) override;

private:
    bool answered_ = false;
};

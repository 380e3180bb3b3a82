#pragma once

class QDialog;

// Every modal window of the game is shown through this seam. The program
// runs the dialog's own event loop; tests install a runner that answers the
// dialog at once, the way a player would, without waiting.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Shows `dialog` modally and returns when it has been closed.
    virtual void run(QDialog& dialog) = 0;
};

// The runner in use: QDialog::exec() unless a test has installed another.
ModalRunner& modalRunner();
// Installs `runner` (nullptr restores the real one). Not owned.
void setModalRunner(ModalRunner* runner);

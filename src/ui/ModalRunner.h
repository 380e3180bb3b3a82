#pragma once

class QDialog;

// Every modal window of the game is shown through this seam. The program
// runs the dialog's own event loop; tests hand in a runner that answers the
// dialog at once, the way a player would, without waiting.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Shows `dialog` modally and returns when it has been closed.
    virtual void run(QDialog& dialog) = 0;
};

// The program's runner: QDialog::exec().
class ExecRunner final : public ModalRunner {
public:
    void run(QDialog& dialog) override;
};

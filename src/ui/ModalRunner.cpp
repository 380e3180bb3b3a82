#include "ui/ModalRunner.h"

#include <QDialog>

namespace {

class ExecRunner final : public ModalRunner {
public:
    void run(QDialog& dialog) override { dialog.exec(); }
};

ExecRunner execRunner;
ModalRunner* current = &execRunner;

} // namespace

ModalRunner& modalRunner() { return *current; }

void setModalRunner(ModalRunner* runner) { current = runner ? runner : &execRunner; }

#include "ui/ModalRunner.h"

#include <QDialog>

void ExecRunner::run(QDialog& dialog) {
    dialog.exec();
}

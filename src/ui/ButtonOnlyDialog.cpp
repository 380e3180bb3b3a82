#include "ui/ButtonOnlyDialog.h"

#include <QCloseEvent>

void ButtonOnlyDialog::reject() {
    if (answered_) QDialog::reject();
}

void ButtonOnlyDialog::closeByButton() {
    answered_ = true;
    accept();
}

void ButtonOnlyDialog::closeEvent(QCloseEvent* event) {
    if (answered_)
        event->accept();
    else
        event->ignore();
}

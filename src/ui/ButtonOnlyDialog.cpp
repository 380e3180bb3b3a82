#include "ui/ButtonOnlyDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

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

void ButtonOnlyDialog::centreOnScreen() {
    const QWidget* active = QApplication::activeWindow();
    const QScreen* screen = active ? active->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

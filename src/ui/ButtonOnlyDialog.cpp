#include "ui/ButtonOnlyDialog.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QScreen>

ButtonOnlyDialog::ButtonOnlyDialog(QSize clientSize, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setModal(true);
    setFixedSize(clientSize);
}

QFrame* ButtonOnlyDialog::makeOutline() {
    auto* outline = new QFrame(this);
    outline->setObjectName(QStringLiteral("Shape1"));
    outline->setGeometry(rect());
    outline->setFrameStyle(QFrame::Box | QFrame::Plain);
    outline->setLineWidth(1);
    QPalette black = outline->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    outline->setPalette(black);
    outline->setAttribute(Qt::WA_TransparentForMouseEvents);
    return outline;
}

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

void ButtonOnlyDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A screen reader says at once what the window says.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

#include "ui/ButtonOnlyDialog.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMainWindow>
#include <QScreen>
#include <QWindow>

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
    if (answered_)
        QDialog::reject();
    else if (escapeButton_ && escapeButton_->isVisibleTo(this) && escapeButton_->isEnabled())
        escapeButton_->click();
}

QWidget* ButtonOnlyDialog::ownerWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(window) && !window->parentWidget() && window->isVisible())
            return window;
    return QApplication::activeWindow();
}

void ButtonOnlyDialog::setVisible(bool visible) {
    if (visible && !isVisible() && !parentWidget()) {
        QWidget* owner = ownerWindow();
        if (owner && owner != this && owner->windowHandle()) {
            // The native window has to exist to be given an owner, and gets it
            // before it is mapped: a compositor reads it once.
            create();
            if (QWindow* own = windowHandle()) own->setTransientParent(owner->windowHandle());
        }
    }
    QDialog::setVisible(visible);
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

#include "ui/FileChooser.h"

#include <QCoreApplication>
#include <QFileDialog>

QString savedGameFilter() {
    //: The file dialog's filter. Translate the two names only: keep the patterns in
    //: parentheses and the ";;" between the two filters as they are.
    return QCoreApplication::translate("FileChooser",
                                       "Vorka Saved Games (*.vrk *.VRK);;All Files (*)");
}

QString DesktopFileChooser::openFileName(QWidget* parent, const QString& title,
                                         const QString& filter) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString DesktopFileChooser::saveFileName(QWidget* parent, const QString& title,
                                         const QString& filter) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("vrk"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

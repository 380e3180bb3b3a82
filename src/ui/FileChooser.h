#pragma once

#include <QString>

class QWidget;

// Where the player picks the file to open or save. The program asks with
// the desktop's file dialog; tests hand in a chooser that answers at once.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file, or an empty text when the player cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
};

// The desktop's file dialog.
class DesktopFileChooser final : public FileChooser {
public:
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& filter) override;
};

// The file dialog's filter: saved games, then all files, in the player's
// language.
QString savedGameFilter();

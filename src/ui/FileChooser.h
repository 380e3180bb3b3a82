#pragma once

#include <QString>

class QWidget;

// Where the player picks the file to open or save. The program asks with
// the desktop's file dialog; tests install a chooser that answers at once.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen file, or an empty text when the player cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
};

FileChooser& fileChooser();
// Installs `chooser` (nullptr restores the file dialog). Not owned.
void setFileChooser(FileChooser* chooser);

// The file dialog's filter: saved games, then all files.
inline const QString kSavedGameFilter =
    QStringLiteral("Vorka Saved Games (*.vrk *.VRK);;All Files (*)");

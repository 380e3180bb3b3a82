#pragma once

#include <QString>

class QWidget;
struct PlayerRecord;

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

namespace MdlGlobalDecs {

inline const QString kNothingToSave = QStringLiteral("There is no game in progress to save.");

// Asked before saving names that the file's character set cannot keep
// whole (set 3: "OK  " saves, "CANCEL  " does not): the names, each in
// quotes, go in the middle.
QString namesChangedQuestion(const QStringList& names);

// Writes the running game to a file the player chooses. With no game in
// progress there is nothing to save, and the player is told so.
void SaveGame();

// Replaces any running game with one read from a file the player chooses,
// and starts the turn of the player who was to play.
void OpenGame();

// Builds the board of one player record of an opened file.
void RebuildBoard(const PlayerRecord& record);

} // namespace MdlGlobalDecs

#pragma once

#include <QString>

// Where the settings store lives: a folder named by the environment, else the
// machine-wide games folder when an administrator has made it writable for
// the player, else the player's own data folder.
namespace StorePaths {

inline const QString kSharedFolder = QStringLiteral("/var/games/vorka");
inline const QString kStoreFileName = QStringLiteral("vorka-settings.sqlite");
inline const QString kPendingScoresFileName = QStringLiteral("pending-scores.ini");
// Names a private store folder, in place of the shared and the player's own:
// the Halls and the scores waiting for them are kept there alone. The folder
// is made when missing.
inline constexpr char kStoreFolderVariable[] = "VORKA_STORE_DIR";
// The group of the players who share the Halls in the shared folder.
inline const QString kSharedGroup = QStringLiteral("games");

// The program that enters scores in the shared store for players who may
// not write it themselves: set-group-id games, installed beside the game
// (lib/games/vorka/ next to its games/ or bin/ folder).
inline const QString kHallsWriterName = QStringLiteral("vorka-halls");
QString installedHallsWriter();

// The writer to hand changes of `storeFile` to: `writer` when the file is
// the shared store, which the player may read but not write, and `writer`
// is a set-group-id program that can; else none (an empty string), and the
// game writes its store itself.
QString hallsWriterFor(const QString& storeFile, const QString& sharedFolder = kSharedFolder,
                       const QString& writer = installedHallsWriter());

// The store file to use; `sharedFolder` and `writer` are there for tests.
// The shared store is used when the player may write the shared folder, or
// when hallsWriterFor() gives the writer for it.
QString settingsStoreFile(const QString& sharedFolder = kSharedFolder,
                          const QString& writer = installedHallsWriter());

// The player's own file of final scores that could not be entered before
// the program ended (another copy of the game held the store).
QString pendingScoresFile();

// The journal SQLite keeps beside a store while it changes it.
inline const QString kJournalSuffix = QStringLiteral("-journal");

// A store file just created in a folder its group may write to (the shared
// folder) becomes the group's: group games (the folder's group where there is
// no such group) and mode 0664, whoever created it, root included. Elsewhere
// the file keeps what it was created with. Failures are quiet.
void shareNewStoreFile(const QString& file);

} // namespace StorePaths

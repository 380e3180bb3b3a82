#pragma once

#include <QString>

// Where the settings store lives: the machine-wide games folder when an
// administrator has made it writable for the player, else the player's own
// data folder.
namespace StorePaths {

inline const QString kSharedFolder = QStringLiteral("/var/games/vorka");
inline const QString kStoreFileName = QStringLiteral("vorka-settings.sqlite");

// The store file to use; `sharedFolder` is there for tests.
QString settingsStoreFile(const QString& sharedFolder = kSharedFolder);

// The player's own file of final scores that could not be entered before
// the program ended (another copy of the game held the store).
QString pendingScoresFile();

} // namespace StorePaths

#include "storage/StorePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace StorePaths {

QString settingsStoreFile(const QString& sharedFolder) {
    const QFileInfo shared(sharedFolder);
    if (shared.isDir() && shared.isWritable()) return QDir(sharedFolder).filePath(kStoreFileName);
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(own);
    return QDir(own).filePath(kStoreFileName);
}

QString pendingScoresFile() {
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(own).filePath(QStringLiteral("pending-scores.ini"));
}

} // namespace StorePaths

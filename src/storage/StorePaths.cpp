#include "storage/StorePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace StorePaths {

namespace {

// The private store folder the environment names, made if missing; empty
// when it names none.
QString privateFolder() {
    const QString folder = qEnvironmentVariable(kStoreFolderVariable);
    if (folder.isEmpty()) return QString();
    QDir().mkpath(folder);
    return folder;
}

QString ownFolder() {
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(own);
    return own;
}

} // namespace

QString settingsStoreFile(const QString& sharedFolder) {
    const QString chosen = privateFolder();
    if (!chosen.isEmpty()) return QDir(chosen).filePath(kStoreFileName);
    const QFileInfo shared(sharedFolder);
    if (shared.isDir() && shared.isWritable()) return QDir(sharedFolder).filePath(kStoreFileName);
    return QDir(ownFolder()).filePath(kStoreFileName);
}

QString pendingScoresFile() {
    const QString chosen = privateFolder();
    const QString folder = chosen.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : chosen;
    return QDir(folder).filePath(kPendingScoresFileName);
}

void shareNewStoreFile(const QString& file) {
    const QByteArray path = QFile::encodeName(file);
    const QByteArray folder = QFile::encodeName(QFileInfo(file).absolutePath());
    struct stat place {};
    if (::stat(folder.constData(), &place) != 0 || !(place.st_mode & S_IWGRP)) return;
    const struct group* games = ::getgrnam(kSharedGroup.toLocal8Bit().constData());
    const gid_t gid = games ? games->gr_gid : place.st_gid;
    // A player outside the group cannot hand the file to it; the folder's
    // group bit has then done what can be done.
    [[maybe_unused]] const int given = ::chown(path.constData(), uid_t(-1), gid);
    ::chmod(path.constData(), S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH);
}

} // namespace StorePaths

#include "storage/StorePaths.h"

#include <QCoreApplication>
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

QString installedHallsWriter() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../lib/games/vorka/") + kHallsWriterName);
}

QString hallsWriterFor(const QString& storeFile, const QString& sharedFolder,
                       const QString& writer) {
    if (qEnvironmentVariableIsSet(kStoreFolderVariable) || writer.isEmpty()) return {};
    const QString shared = QDir(sharedFolder).filePath(kStoreFileName);
    if (QFileInfo(storeFile).absoluteFilePath() != QFileInfo(shared).absoluteFilePath()) return {};
    // A player who may write the folder writes the store as before.
    if (::access(QFile::encodeName(sharedFolder).constData(), W_OK) == 0) return {};
    // The writer makes no files: the package has made the store.
    if (::access(QFile::encodeName(shared).constData(), R_OK) != 0) return {};
    struct stat program {};
    if (::stat(QFile::encodeName(writer).constData(), &program) != 0 || !S_ISREG(program.st_mode) ||
        !(program.st_mode & S_ISGID) || ::access(QFile::encodeName(writer).constData(), X_OK) != 0)
        return {};
    return writer;
}

QString settingsStoreFile(const QString& sharedFolder, const QString& writer) {
    const QString chosen = privateFolder();
    if (!chosen.isEmpty()) return QDir(chosen).filePath(kStoreFileName);
    const QFileInfo folder(sharedFolder);
    const QString shared = QDir(sharedFolder).filePath(kStoreFileName);
    if (folder.isDir() && folder.isWritable()) return shared;
    if (!hallsWriterFor(shared, sharedFolder, writer).isEmpty()) return shared;
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

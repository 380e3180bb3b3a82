#include "hallswriter/HallsWriter.h"

#include "storage/HallsStore.h"
#include "storage/Registry_Operations.h"
#include "storage/StorePaths.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace HallsWriter {

namespace {

// Why `path` is not a regular file that is there already, or nothing.
QString notThere(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISREG(info.st_mode)) return QStringLiteral("%1 is not a regular file").arg(path);
    return {};
}

} // namespace

Result handle(QByteArrayView input, const QString& folder, bool privileged,
              const std::function<bool()>& gainRights, const std::function<void()>& dropRights) {
    using HallsRequest::Answer;
    QString why;
    const std::optional<HallsRequest::Request> request = HallsRequest::parse(input, why);
    if (!request) return {Answer::Refused, why};

    const QString store = QDir(folder).filePath(StorePaths::kStoreFileName);
    if (privileged) {
        // A file made here would be the player's, who could then change it
        // at will; the package makes both.
        for (const QString& file : {store, store + StorePaths::kJournalSuffix})
            if (const QString missing = notThere(file); !missing.isEmpty())
                return {Answer::CannotWrite, missing};
    }
    if (!gainRights())
        return {Answer::CannotWrite, QStringLiteral("the writer cannot take the right to write")};
    Registry_Operations::setStoreFile(store, kBusyTimeoutMs);
    QList<HallEntry> fame;
    QList<HallEntry> shame;
    QStringList settled;
    const HallsStore::Outcome outcome =
        request->clear ? HallsStore::clear(why)
                       : HallsStore::enter(request->games, fame, shame, settled, why);
    Registry_Operations::closeStore();
    dropRights();
    return {HallsRequest::answerFor(outcome), why};
}

} // namespace HallsWriter

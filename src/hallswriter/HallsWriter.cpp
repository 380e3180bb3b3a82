#include "hallswriter/HallsWriter.h"

#include "storage/HallsStore.h"
#include "storage/Registry_Operations.h"
#include "storage/StorePaths.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Holds the store file's own lock while it lives: one writer at a time goes
// through the steps below that SQLite's lock does not cover.
class WriterLock {
public:
    explicit WriterLock(const QString& store)
        : fd_(::open(QFile::encodeName(store).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW)) {
        while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~WriterLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

private:
    int fd_;
};

// A writer killed in the middle of a change leaves its journal for the next
// one to take the change back with, and SQLite removes the journal when it
// has (whatever the journal mode, which it only learns after). A journal
// made again would be the player's, so the file is kept under a second name
// meanwhile, emptied, and put back. False when that cannot be done.
bool takeBackCutChange(Registry_Operations::Registry& registry, const QString& journal) {
    struct stat info {};
    if (::lstat(QFile::encodeName(journal).constData(), &info) != 0 || info.st_size == 0)
        return true;
    const QByteArray kept = QFile::encodeName(journal + QStringLiteral(".kept"));
    const QByteArray name = QFile::encodeName(journal);
    ::unlink(kept.constData()); // one a killed writer left
    if (::link(name.constData(), kept.constData()) != 0) return false;
    registry.store().usable(); // reads, and so takes the change back
    registry.closeStore();
    struct stat now {};
    if (::lstat(name.constData(), &now) == 0 && now.st_ino == info.st_ino) {
        ::unlink(kept.constData());
        return true;
    }
    return ::truncate(kept.constData(), 0) == 0 &&
           ::rename(kept.constData(), name.constData()) == 0;
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
    Registry_Operations::Registry registry(store, kBusyTimeoutMs);
    const WriterLock lock(store);
    if (privileged && !takeBackCutChange(registry, store + StorePaths::kJournalSuffix)) {
        registry.closeStore();
        dropRights();
        return {Answer::CannotWrite,
                QStringLiteral("the change cut short in %1 cannot be taken back").arg(store)};
    }
    QList<HallEntry> fame;
    QList<HallEntry> shame;
    QStringList settled;
    const HallsStore::Outcome outcome =
        request->clear ? HallsStore::clear(registry, why)
                       : HallsStore::enter(registry, request->games, fame, shame, settled, why);
    registry.closeStore();
    dropRights();
    return {HallsRequest::answerFor(outcome), why};
}

} // namespace HallsWriter

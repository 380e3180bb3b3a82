#include "storage/WaitingScores.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <map>
#include <optional>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The layout is that of an INI array, as earlier versions of the program
// wrote it through QSettings (which still reads it):
//
//   [PendingScores]
//   1\game=5d0c...
//   1\name="Ann"
//   1\score=300
//   size=1
const QByteArray kGroup = QByteArrayLiteral("[PendingScores]");

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A whole number of plain decimal digits, at most `limit`; -1 otherwise.
qint64 number(QByteArrayView text, qint64 limit) {
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 10) return -1;
    qint64 n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n <= limit ? n : -1;
}

// A value as QSettings writes text: plain, or in double quotes, with
// back-slash escapes, UTF-8 otherwise. Lists and typed values ("@...")
// are not text and give nothing.
std::optional<QString> unescaped(QByteArrayView raw) {
    raw = raw.trimmed();
    if (raw.startsWith("@@"))
        raw = raw.sliced(1);
    else if (raw.startsWith('@'))
        return std::nullopt;
    QString out;
    QByteArray run; // UTF-8 bytes not yet decoded
    const auto flush = [&] {
        out += QString::fromUtf8(run);
        run.clear();
    };
    bool quoted = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (c == ',' && !quoted) return std::nullopt;
        if (c != '\\') {
            run += c;
            continue;
        }
        if (++i >= raw.size()) return std::nullopt;
        switch (const char e = raw[i]) {
        case 'a':
            run += '\a';
            break;
        case 'b':
            run += '\b';
            break;
        case 'f':
            run += '\f';
            break;
        case 'n':
            run += '\n';
            break;
        case 'r':
            run += '\r';
            break;
        case 't':
            run += '\t';
            break;
        case 'v':
            run += '\v';
            break;
        case 'x': {
            char16_t unit = 0;
            int digits = 0;
            while (digits < 4 && i + 1 < raw.size() && std::isxdigit(uchar(raw[i + 1]))) {
                unit = char16_t(unit * 16 + QByteArray(1, raw[++i]).toUInt(nullptr, 16));
                ++digits;
            }
            if (digits == 0) return std::nullopt;
            flush();
            out += QChar(unit);
            break;
        }
        default:
            run += e;
            break;
        }
    }
    if (quoted) return std::nullopt;
    flush();
    return out;
}

QByteArray escaped(const QString& text) {
    QByteArray out = "\"";
    for (char c : text.toUtf8()) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + '"';
}

struct Fields {
    std::optional<QString> game;
    std::optional<QString> name;
    qint64 score = -1;
};

std::vector<WaitingGame> parse(const QByteArray& bytes) {
    bool inGroup = false;
    qint64 size = 0;
    std::map<qint64, Fields> entries;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0) end = bytes.size();
        const QByteArrayView line = QByteArrayView(bytes).sliced(at, end - at).trimmed();
        at = end + 1;
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
        if (line.startsWith('[')) {
            inGroup = line == kGroup;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inGroup || eq < 0) continue;
        const QByteArrayView key = line.first(eq).trimmed();
        const QByteArrayView value = line.sliced(eq + 1);
        if (key == "size") {
            // A count beyond what is kept counts as that many: every entry
            // is looked at on its own anyway.
            size = std::clamp<qint64>(number(value, std::numeric_limits<qint64>::max()), 0,
                                      WaitingScores::kMaxEntries);
            continue;
        }
        const qsizetype slash = key.indexOf('\\');
        const qint64 n = slash < 0 ? -1 : number(key.first(slash), WaitingScores::kMaxEntries);
        if (n < 1) continue;
        const QByteArrayView field = key.sliced(slash + 1);
        Fields& entry = entries[n];
        if (field == "name")
            entry.name = unescaped(value);
        else if (field == "score")
            entry.score = number(value, WaitingScores::kMaxScore);
        else if (field == "game")
            entry.game = unescaped(value);
    }

    // Entries an earlier version left have no identity: they are one game,
    // named after the file's bytes, so that every copy reading the same file
    // gives them the same one.
    const QString oldId =
        QStringLiteral("old-") +
        QString::fromLatin1(
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(20));
    std::vector<WaitingGame> games;
    for (const auto& [n, entry] : entries) {
        if (n > size) break;
        if (!entry.name || !WaitingScores::validName(*entry.name)) continue;
        if (!WaitingScores::validScore(entry.score)) continue;
        const QString id = entry.game ? *entry.game : oldId;
        if (!WaitingScores::validId(id)) continue;
        if (games.empty() || games.back().id != id) games.push_back({id, {}});
        games.back().players.push_back({*entry.name, int16_t(entry.score)});
    }
    return games;
}

QByteArray serialised(const std::vector<WaitingGame>& games) {
    QByteArray out = kGroup + '\n';
    int n = 0;
    for (const WaitingGame& game : games) {
        for (const PlayerScore& player : game.players) {
            const QByteArray index = QByteArray::number(++n);
            out += index + "\\game=" + game.id.toLatin1() + '\n';
            out += index + "\\name=" + escaped(player.name) + '\n';
            out += index + "\\score=" + QByteArray::number(player.score) + '\n';
        }
    }
    return out + "size=" + QByteArray::number(n) + '\n';
}

// Holds the file's lock (a file beside it) while it lives; the system lets
// go of it when the process ends, however it ends.
class FileLock {
public:
    explicit FileLock(const QString& file) {
        fd_ = ::open(QFile::encodeName(file + QStringLiteral(".lock")).constData(),
                     O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0) {
            error_ = errno;
            return;
        }
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno == EINTR) continue;
            error_ = errno;
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
    ~FileLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    int error() const { return fd_ < 0 ? error_ : 0; }

private:
    int fd_ = -1;
    int error_ = 0;
};

// New files that a killed copy left half written beside the file: only a
// copy holding the lock writes them, so while we hold it they are stale.
void removeLeftovers(const QString& file) {
    const QFileInfo info(file);
    QDir dir = info.absoluteDir();
    const QString prefix = info.fileName() + u'.';
    for (const QString& name : dir.entryList({prefix + QStringLiteral("??????")},
                                             QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
}

QString writeWhole(const QString& file, const QByteArray& bytes) {
    QSaveFile out(file);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly)) return out.errorString();
    // Written and synced here, so that a full disk is seen at once and in
    // the system's own words.
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(out.handle(), data, size_t(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            const QString why = systemReason(written < 0 ? errno : EIO);
            out.cancelWriting();
            return why;
        }
        data += written;
        left -= written;
    }
    if (::fsync(out.handle()) != 0) {
        const QString why = systemReason(errno);
        out.cancelWriting();
        return why;
    }
    if (!out.commit()) return out.errorString();
    return {};
}

} // namespace

QString WaitingScores::newId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

bool WaitingScores::validId(const QString& id) {
    if (id.isEmpty() || id.size() > kMaxIdLength) return false;
    for (QChar c : id)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'-') return false;
    return true;
}

bool WaitingScores::validName(const QString& name) {
    if (name.isEmpty() || name.size() > 64) return false;
    for (QChar c : name)
        if (c.category() == QChar::Other_Control || c.isSurrogate() || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return false;
    return true;
}

std::vector<WaitingGame> WaitingScores::read() const {
    QFile in(file_);
    if (!in.open(QIODevice::ReadOnly)) return {};
    return parse(in.read(kMaxFileBytes));
}

QString WaitingScores::add(const std::vector<WaitingGame>& games) const {
    return change(games, {});
}

QString WaitingScores::remove(const QStringList& ids) const {
    return change({}, ids);
}

QString WaitingScores::change(const std::vector<WaitingGame>& added,
                              const QStringList& removed) const {
    QDir().mkpath(QFileInfo(file_).absolutePath());
    const FileLock lock(file_);
    if (lock.error()) return systemReason(lock.error());
    removeLeftovers(file_);

    std::vector<WaitingGame> games = read();
    const size_t before = games.size();
    std::erase_if(games, [&](const WaitingGame& g) { return removed.contains(g.id); });
    bool changed = games.size() != before;
    for (const WaitingGame& game : added) {
        const bool there = std::any_of(games.begin(), games.end(),
                                       [&](const WaitingGame& g) { return g.id == game.id; });
        if (there || game.players.empty()) continue;
        games.push_back(game);
        changed = true;
    }
    if (!changed) return {};
    size_t entries = 0;
    for (const WaitingGame& game : games) entries += game.players.size();
    if (entries > size_t(kMaxEntries))
        //: Why more scores cannot wait for the Halls; %1 is the most that are kept (1024).
        return tr("%1 scores are waiting already, as many as are kept").arg(kMaxEntries);
    if (games.empty()) {
        QFile gone(file_);
        return !gone.exists() || gone.remove() ? QString() : gone.errorString();
    }
    return writeWhole(file_, serialised(games));
}

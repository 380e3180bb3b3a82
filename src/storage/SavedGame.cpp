#include "storage/SavedGame.h"

#include "game/NumericValue.h"
#include "game/Scoring.h"
#include "game/Text.h"
#include "storage/EightBitText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxScore = 50;

// The scores each category can give, from the rules themselves.
using ScoreSets = std::array<std::array<bool, kMaxScore + 1>, kCategoryCount>;

ScoreSets computeReachable() {
    ScoreSets sets{};
    for (auto& set : sets) set[0] = true;
    Faces f{};
    for (int n = 0; n < 6 * 6 * 6 * 6 * 6; ++n) {
        for (int d = 0, rest = n; d < 5; ++d, rest /= 6) f[d] = rest % 6 + 1;
        for (Category c : kAllCategories) {
            const int score = EvaluateCategory(c, f);
            if (score >= 0 && score <= kMaxScore) sets[categoryIndex(c)][score] = true;
        }
    }
    return sets;
}

int16_t int16At(QByteArrayView bytes, qsizetype offset) {
    return qFromLittleEndian<qint16>(bytes.data() + offset);
}

void appendInt16(QByteArray& bytes, int16_t value) {
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}

// Fills the record up; an item that fills its record exactly needs nothing.
void padRecord(QByteArray& bytes) {
    const qsizetype used = bytes.size() % kRecordSize;
    if (used != 0) bytes.append(QByteArray(kRecordSize - used, '\0'));
}

qsizetype recordOffset(int record) { // record numbers count from 1
    return qsizetype(kRecordSize) * (record - 1);
}

// The operating system's own words for an error number.
QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

OpenResult failed(int number, const QString& description) {
    return {std::nullopt, OpenError{OpenError::Kind::Failed, number, description}};
}

// "Fours", "1 Pair", ...: how a message names a category.
QString quotedCategory(Category c) {
    return u'"' + categoryName(c) + u'"';
}

} // namespace

bool reachableScore(Category c, int score) {
    static const ScoreSets sets = computeReachable();
    return score >= 0 && score <= kMaxScore && sets[categoryIndex(c)][score];
}

QString openErrorMessage(int number, const QString& description) {
    return QStringLiteral("Error number ") + QString::number(number) + u':' + CR + CR +
           description + CR + CR + kOpenAborted;
}

QString OpenError::title() const {
    return kind == Kind::WrongHeader ? kNotAVorkaFileTitle : kOpenErrorTitle;
}

QString OpenError::message() const {
    return kind == Kind::WrongHeader ? kNotAVorkaFile : openErrorMessage(number, description);
}

QString SaveError::message() const {
    return kNotSaved + CR + CR + reason;
}

PlayerRecord PlayerRecord::fromCard(const QString& name, int16_t index, const ScoreCard& card) {
    PlayerRecord record;
    record.name = name;
    record.index = index;
    for (Category c : kAllCategories) {
        record.scores[categoryIndex(c)] = numericValue16(card.cellText(c));
        record.flags[categoryIndex(c)] = numericValue16(card.tag(c));
    }
    return record;
}

ScoreCard PlayerRecord::toCard() const {
    ScoreCard card;
    for (Category c : kAllCategories) {
        if (flags[categoryIndex(c)] != kUsed) continue;
        card.setTag(c, ScoreCard::kUsedTag);
        card.setCellText(c, QString::number(scores[categoryIndex(c)]));
    }
    return card;
}

// --- reading -----------------------------------------------------------

OpenResult SavedGame::fromBytes(QByteArrayView bytes) {
    const QByteArray header = kSavedGameHeader.toLatin1();
    const qsizetype size = bytes.size();

    // Record 1: a file that does not hold the whole header is not a saved
    // game, however it starts.
    const qsizetype headerBytes = 2 + header.size();
    QByteArray expected;
    appendInt16(expected, static_cast<int16_t>(header.size()));
    expected += header;
    if (size < headerBytes || bytes.first(headerBytes) != QByteArrayView(expected))
        return {std::nullopt, OpenError{OpenError::Kind::WrongHeader, 0, {}}};

    // Record 2, and whether the file is as long as LastPlayer says.
    if (size < recordOffset(2) + 2)
        return failed(OpenError::kTruncated,
                      QStringLiteral("The file ends before the number of players."));
    const int16_t lastPlayer = int16At(bytes, recordOffset(2));
    if (lastPlayer < 0)
        return failed(
            OpenError::kNoPlayers,
            QStringLiteral("The file gives %1 as the number of players.").arg(int(lastPlayer) + 1));
    const int players = lastPlayer + 1;
    if (players > kMaxPlayers)
        return failed(OpenError::kTooManyPlayers,
                      QStringLiteral("The saved game has %1 players; Vorka plays games of at "
                                     "most %2 players.")
                          .arg(players)
                          .arg(kMaxPlayers));
    const int lastRecord = 4 + lastPlayer;
    if (size < recordOffset(lastRecord) + 2) {
        // How many of the players' records are in the file whole.
        const qsizetype whole =
            std::clamp<qsizetype>((size - recordOffset(3)) / kRecordSize, 0, players);
        QString why;
        if (whole == players)
            why = QStringLiteral("it ends before the part that says whose turn it is.");
        else if (players == 1)
            why = QStringLiteral("it ends inside the record of its one player.");
        else if (whole == 0)
            why = QStringLiteral("it names %1 players, but none of them is in it whole.")
                      .arg(players);
        else if (whole == 1)
            why = QStringLiteral("it names %1 players, but only one of them is in it whole.")
                      .arg(players);
        else
            why = QStringLiteral("it names %1 players, but only %2 of them are in it whole.")
                      .arg(players)
                      .arg(whole);
        return failed(OpenError::kTruncated, QStringLiteral("The file is cut short: ") + why);
    }

    SavedGame game;
    game.LastPlayer = lastPlayer;
    game.seats = readSeatMark(bytes.sliced(recordOffset(2) + 2, kRecordSize - 2), players);
    game.players.resize(size_t(players));
    std::vector<bool> seen(size_t(players), false);
    for (int i = 0; i < players; ++i) {
        const qsizetype start = recordOffset(3 + i);
        const int length = static_cast<uint16_t>(int16At(bytes, start));
        if (length > kMaxNameBytes)
            return failed(OpenError::kNameLength,
                          QStringLiteral("The name of player %1 is %2 bytes long, more than its "
                                         "record holds.")
                              .arg(i + 1)
                              .arg(length));
        PlayerRecord record;
        qsizetype at = start + 2;
        record.name = EightBitText::toUnicode(bytes.sliced(at, length));
        at += length;
        record.index = int16At(bytes, at);
        at += 2;
        // The board is the one the record names; every index once.
        if (record.index < 0 || record.index > lastPlayer || seen[size_t(record.index)])
            return failed(OpenError::kIndex,
                          QStringLiteral("Player %1 of the file carries the index %2; the players "
                                         "must be numbered 0 to %3, each once.")
                              .arg(i + 1)
                              .arg(record.index)
                              .arg(lastPlayer));
        seen[size_t(record.index)] = true;
        for (int k = 0; k < kCategoryCount; ++k, at += 2) record.scores[k] = int16At(bytes, at);
        for (int k = 0; k < kCategoryCount; ++k, at += 2) record.flags[k] = int16At(bytes, at);
        for (Category c : kAllCategories) {
            const int k = categoryIndex(c);
            if (record.flags[k] != PlayerRecord::kFree && record.flags[k] != PlayerRecord::kUsed)
                return failed(OpenError::kFlag,
                              QStringLiteral("Category %1 of player %2 is marked %3, which is "
                                             "neither free nor used.")
                                  .arg(quotedCategory(c))
                                  .arg(i + 1)
                                  .arg(record.flags[k]));
            if (!reachableScore(c, record.scores[k]))
                return failed(OpenError::kScore,
                              QStringLiteral("Category %1 of player %2 holds %3, a score it "
                                             "cannot give.")
                                  .arg(quotedCategory(c))
                                  .arg(i + 1)
                                  .arg(record.scores[k]));
        }
        game.players[size_t(record.index)] = std::move(record);
    }

    game.CurrentPlayer = int16At(bytes, recordOffset(lastRecord));
    if (game.CurrentPlayer < 0 || game.CurrentPlayer > lastPlayer)
        return failed(OpenError::kCurrent,
                      QStringLiteral("The file gives the turn to player index %1, but its "
                                     "players are numbered 0 to %2.")
                          .arg(game.CurrentPlayer)
                          .arg(lastPlayer));
    return {std::move(game), {}};
}

OpenResult SavedGame::readFile(const QString& path) {
    const auto cannot = [&](const QString& what, const QString& why) {
        return failed(OpenError::kCannotRead,
                      QStringLiteral("The file \"%1\" could not be %2: %3.").arg(path, what, why));
    };
    // Opened without waiting, so that a pipe or a device named here cannot
    // hold the program up; only a regular file is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return cannot(QStringLiteral("opened"), systemReason(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return cannot(QStringLiteral("opened"), QStringLiteral("it is not a regular file"));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return cannot(QStringLiteral("opened"), file.errorString());
    }
    // Everything a game of the most players needs; what follows is never read.
    const QByteArray bytes = file.read(kMaxSavedGameBytes);
    if (file.error() != QFileDevice::NoError)
        return cannot(QStringLiteral("read"), file.errorString());
    return fromBytes(bytes);
}

// --- writing -----------------------------------------------------------

std::optional<SaveError> SavedGame::check() const {
    if (players.empty() || players.size() > size_t(kMaxPlayers))
        return SaveError{QStringLiteral("A saved game holds 1 to %1 players.").arg(kMaxPlayers)};
    if (LastPlayer != qsizetype(players.size()) - 1)
        return SaveError{QStringLiteral("The number of players does not match the boards.")};
    if (CurrentPlayer < 0 || CurrentPlayer > LastPlayer)
        return SaveError{QStringLiteral("The player whose turn it is is not one of the players.")};
    for (size_t i = 0; i < players.size(); ++i) {
        const PlayerRecord& p = players[i];
        if (EightBitText::fromUnicode(p.name).size() > kMaxNameBytes)
            return SaveError{QStringLiteral("The name \"%1\" is too long: a saved game keeps "
                                            "names of at most %2 characters.")
                                 .arg(p.name)
                                 .arg(kMaxNameBytes)};
        if (p.index != qsizetype(i))
            return SaveError{QStringLiteral("The boards are not numbered in order.")};
        for (Category c : kAllCategories) {
            const int k = categoryIndex(c);
            if ((p.flags[k] != PlayerRecord::kFree && p.flags[k] != PlayerRecord::kUsed) ||
                !reachableScore(c, p.scores[k]))
                return SaveError{QStringLiteral("The card of %1 holds something the game cannot "
                                                "score in %2.")
                                     .arg(p.name, quotedCategory(c))};
        }
    }
    return std::nullopt;
}

std::optional<SaveError> SavedGame::toBytes(QByteArray& bytes) const {
    if (auto problem = check()) return problem;
    QByteArray out;
    out.reserve(recordOffset(5 + LastPlayer));
    const QByteArray header = kSavedGameHeader.toLatin1();
    appendInt16(out, static_cast<int16_t>(header.size()));
    out += header;
    padRecord(out);
    appendInt16(out, LastPlayer);
    out += seatMark(seats);
    padRecord(out);
    for (const PlayerRecord& p : players) {
        const QByteArray name = EightBitText::fromUnicode(p.name);
        appendInt16(out, static_cast<int16_t>(name.size()));
        out += name;
        appendInt16(out, p.index);
        for (int16_t s : p.scores) appendInt16(out, s);
        for (int16_t f : p.flags) appendInt16(out, f);
        padRecord(out);
    }
    appendInt16(out, CurrentPlayer);
    bytes = out;
    return std::nullopt;
}

namespace {

// A save writes the new file beside the old one as "<name>.XXXXXX" and
// renames it; a save that was killed leaves it there. Such a file is taken
// away by the next save of the same name once it is old enough not to be
// another copy's save in progress, and only when it is empty or a saved
// game cut short: a whole saved game, or anything else, may be the
// player's own and stays.
void removeLeftovers(const QString& path) {
    const QFileInfo info(path);
    QDir folder = info.absoluteDir();
    const QDateTime before =
        QDateTime::currentDateTimeUtc().addSecs(-SavedGame::kLeftoverAgeSeconds);
    const QByteArray header = [] {
        QByteArray bytes;
        appendInt16(bytes, int16_t(kSavedGameHeader.size()));
        return bytes + kSavedGameHeader.toLatin1();
    }();
    for (const QFileInfo& left : folder.entryInfoList({info.fileName() + QStringLiteral(".??????")},
                                                      QDir::Files | QDir::Hidden | QDir::System)) {
        const QString suffix = left.fileName().right(6);
        if (!std::all_of(suffix.begin(), suffix.end(),
                         [](QChar c) { return c.unicode() < 0x80 && c.isLetterOrNumber(); }))
            continue;
        if (left.isSymLink() || left.lastModified().toUTC() > before) continue;
        QFile file(left.filePath());
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QByteArray bytes = file.read(qint64(kMaxPlayers + 4) * kRecordSize + 1);
        file.close();
        const bool cutShortSave =
            bytes.isEmpty() || (bytes.startsWith(header) && !SavedGame::fromBytes(bytes).game);
        if (cutShortSave) folder.remove(left.fileName());
    }
}

} // namespace

std::optional<SaveError> SavedGame::writeFile(const QString& path) const {
    QByteArray bytes;
    if (auto problem = toBytes(bytes)) return problem;
    const auto notSaved = [&](const QString& what, const QString& why) {
        return SaveError{
            QStringLiteral("The file \"%1\" could not be %2: %3.").arg(path, what, why)};
    };
    removeLeftovers(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return notSaved(QStringLiteral("created"), file.errorString());
    // The new file has to be on the disk, whole, before it may replace the
    // old one. Written and synced here rather than through Qt's buffer, so
    // that a full disk is seen at once and in the system's own words (a
    // write that fits only in part says nothing until the next one fails).
    // On failure the new file goes with `file`.
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(file.handle(), data, size_t(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            const QString why = systemReason(written < 0 ? errno : EIO);
            file.cancelWriting();
            return notSaved(QStringLiteral("written"), why);
        }
        data += written;
        left -= written;
    }
    if (::fsync(file.handle()) != 0) {
        const QString why = systemReason(errno);
        file.cancelWriting();
        return notSaved(QStringLiteral("written"), why);
    }
    if (!file.commit()) return notSaved(QStringLiteral("replaced"), file.errorString());
    return std::nullopt;
}

QStringList SavedGame::namesChangedBySaving() const {
    QStringList changed;
    for (const PlayerRecord& p : players)
        if (EightBitText::toUnicode(EightBitText::fromUnicode(p.name)) != p.name) changed << p.name;
    return changed;
}

#include "storage/SavedGame.h"

#include "game/NumericValue.h"
#include "game/Scoring.h"
#include "game/Text.h"
#include "storage/EightBitText.h"

#include <QCoreApplication>
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
    //: A category's name quoted in a message; %1 is the name ("Fours", "1 Pair").
    return SavedGame::tr("\"%1\"").arg(categoryName(c));
}

} // namespace

bool reachableScore(Category c, int score) {
    static const ScoreSets sets = computeReachable();
    return score >= 0 && score <= kMaxScore && sets[categoryIndex(c)][score];
}

QString openErrorMessage(int number, const QString& description) {
    //: The first line of a message that a saved game could not be opened; %1 is the error's
    //: number.
    return SavedGame::tr("Error number %1:").arg(number) + CR + CR + description + CR + CR +
           QCoreApplication::translate("SavedGame", kOpenAborted);
}

QString OpenError::title() const {
    return kind == Kind::WrongHeader ? kNotAVorkaFileTitle
                                     : QCoreApplication::translate("SavedGame", kOpenErrorTitle);
}

QString OpenError::message() const {
    return kind == Kind::WrongHeader ? QCoreApplication::translate("SavedGame", kNotAVorkaFile)
                                     : openErrorMessage(number, description);
}

QString SaveError::message() const {
    return QCoreApplication::translate("SavedGame", kNotSaved) + CR + CR + reason;
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
                      SavedGame::tr("The file ends before the number of players."));
    const int16_t lastPlayer = int16At(bytes, recordOffset(2));
    if (lastPlayer < 0)
        return failed(
            OpenError::kNoPlayers,
            //: %1 is a number below 1.
            SavedGame::tr("The file gives %1 as the number of players.").arg(int(lastPlayer) + 1));
    const int players = lastPlayer + 1;
    if (players > kMaxPlayers)
        return failed(OpenError::kTooManyPlayers,
                      //: %1 is the number of players in the file, %2 the most the game
                      //: plays.
                      SavedGame::tr("The saved game has %1 players; Vorka plays games of at "
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
            why = SavedGame::tr("The file is cut short: it ends before the part that says whose "
                                "turn it is.");
        else if (players == 1)
            why = SavedGame::tr("The file is cut short: it ends inside the record of its one "
                                "player.");
        else if (whole == 0)
            //: %n is the number of players the file names, 2 or more.
            why = SavedGame::tr(
                "The file is cut short: it names %n players, but none of them is in it whole.", "",
                players);
        else if (whole == 1)
            //: %n is the number of players the file names, 2 or more.
            why = SavedGame::tr("The file is cut short: it names %n players, but only one of "
                                "them is in it whole.",
                                "", players);
        else
            //: %1 is the number of players the file names, %n how many of them it holds
            //: whole (2 or more).
            why = SavedGame::tr("The file is cut short: it names %1 players, but only %n of "
                                "them are in it whole.",
                                "", int(whole))
                      .arg(players);
        return failed(OpenError::kTruncated, why);
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
                          //: %1 is the player's place in the file, %2 a number of bytes.
                          SavedGame::tr("The name of player %1 is %2 bytes long, more than its "
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
                          //: %1 is the player's place in the file, %2 the index it holds,
                          //: %3 the highest index allowed.
                          SavedGame::tr("Player %1 of the file carries the index %2; the players "
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
                              //: %1 is a quoted category name, %2 the player's place in the
                              //: file, %3 the number found.
                              SavedGame::tr("Category %1 of player %2 is marked %3, which is "
                                            "neither free nor used.")
                                  .arg(quotedCategory(c), QString::number(i + 1),
                                       QString::number(record.flags[k])));
            if (!reachableScore(c, record.scores[k]))
                return failed(OpenError::kScore,
                              //: %1 is a quoted category name, %2 the player's place in the
                              //: file, %3 the score found.
                              SavedGame::tr("Category %1 of player %2 holds %3, a score it "
                                            "cannot give.")
                                  .arg(quotedCategory(c), QString::number(i + 1),
                                       QString::number(record.scores[k])));
        }
        game.players[size_t(record.index)] = std::move(record);
    }

    game.CurrentPlayer = int16At(bytes, recordOffset(lastRecord));
    if (game.CurrentPlayer < 0 || game.CurrentPlayer > lastPlayer)
        return failed(OpenError::kCurrent,
                      //: %1 is the index found, %2 the highest index of the file's players.
                      SavedGame::tr("The file gives the turn to player index %1, but its "
                                    "players are numbered 0 to %2.")
                          .arg(game.CurrentPlayer)
                          .arg(lastPlayer));
    return {std::move(game), {}};
}

OpenResult SavedGame::readFile(const QString& path) {
    // `sentence` holds the file's path as %1 and the system's reason as %2.
    const auto cannot = [&](const QString& sentence, const QString& why) {
        return failed(OpenError::kCannotRead, sentence.arg(path, why));
    };
    //: %1 is the file's path, %2 the system's reason.
    const QString notOpened = tr("The file \"%1\" could not be opened: %2.");
    // Opened without waiting, so that a pipe or a device named here cannot
    // hold the program up; only a regular file is read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return cannot(notOpened, systemReason(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        //: Why a file could not be opened (a folder or a device was named).
        return cannot(notOpened, tr("it is not a regular file"));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return cannot(notOpened, file.errorString());
    }
    // Everything a game of the most players needs; what follows is never read.
    const QByteArray bytes = file.read(kMaxSavedGameBytes);
    if (file.error() != QFileDevice::NoError)
        //: %1 is the file's path, %2 the system's reason.
        return cannot(tr("The file \"%1\" could not be read: %2."), file.errorString());
    return fromBytes(bytes);
}

// --- writing -----------------------------------------------------------

std::optional<SaveError> SavedGame::check() const {
    if (players.empty() || players.size() > size_t(kMaxPlayers))
        //: %1 is the most players a saved game holds.
        return SaveError{tr("A saved game holds 1 to %1 players.").arg(kMaxPlayers)};
    if (LastPlayer != qsizetype(players.size()) - 1)
        return SaveError{tr("The number of players does not match the boards.")};
    if (CurrentPlayer < 0 || CurrentPlayer > LastPlayer)
        return SaveError{tr("The player whose turn it is is not one of the players.")};
    for (size_t i = 0; i < players.size(); ++i) {
        const PlayerRecord& p = players[i];
        if (EightBitText::fromUnicode(p.name).size() > kMaxNameBytes)
            //: %1 is the player's name, %2 the longest name a saved game keeps.
            return SaveError{tr("The name \"%1\" is too long: a saved game keeps "
                                "names of at most %2 characters.")
                                 .arg(p.name, QString::number(kMaxNameBytes))};
        if (p.index != qsizetype(i)) return SaveError{tr("The boards are not numbered in order.")};
        for (Category c : kAllCategories) {
            const int k = categoryIndex(c);
            if ((p.flags[k] != PlayerRecord::kFree && p.flags[k] != PlayerRecord::kUsed) ||
                !reachableScore(c, p.scores[k]))
                //: %1 is the player's name, %2 a quoted category name.
                return SaveError{tr("The card of %1 holds something the game cannot "
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
    // `sentence` holds the file's path as %1 and the system's reason as %2.
    const auto notSaved = [&](const QString& sentence, const QString& why) {
        return SaveError{sentence.arg(path, why)};
    };
    //: %1 is the file's path, %2 the system's reason.
    const QString notWritten = tr("The file \"%1\" could not be written: %2.");
    removeLeftovers(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        //: %1 is the file's path, %2 the system's reason.
        return notSaved(tr("The file \"%1\" could not be created: %2."), file.errorString());
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
            return notSaved(notWritten, why);
        }
        data += written;
        left -= written;
    }
    if (::fsync(file.handle()) != 0) {
        const QString why = systemReason(errno);
        file.cancelWriting();
        return notSaved(notWritten, why);
    }
    //: %1 is the file's path, %2 the system's reason.
    if (!file.commit())
        return notSaved(tr("The file \"%1\" could not be replaced: %2."), file.errorString());
    return std::nullopt;
}

QStringList SavedGame::namesChangedBySaving() const {
    QStringList changed;
    for (const PlayerRecord& p : players)
        if (EightBitText::toUnicode(EightBitText::fromUnicode(p.name)) != p.name) changed << p.name;
    return changed;
}

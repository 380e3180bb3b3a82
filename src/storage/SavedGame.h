#pragma once

#include "game/Category.h"
#include "game/Limits.h"
#include "game/ScoreCard.h"
#include "storage/SeatMark.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// A saved game file (".vrk") is a sequence of 128-byte records, one item at
// the start of each, the rest of the record zeros:
//
//   record 1        the header: text "Vorka by Tolvane Studios"
//   record 2        LastPlayer: the number of players minus 1, then in
//                   its filler the computer seats, if any (SeatMark)
//   record 3 + i    the player record of player i, i = 0 .. LastPlayer
//   record 4 + LP   CurrentPlayer: whose turn it is
//
// Integers are signed 16-bit, little-endian. A text is a 16-bit length n and
// n bytes of the 8-bit character set (EightBitText). A player record is the
// name, the index i, fifteen scores and fifteen flags (-1 free, 0 used), in
// category order, 64 + n bytes: a name has at most 64 characters. The file
// may end right after CurrentPlayer; whatever follows it is not read.
//
// Player records may stand in any order: each one carries its board's index,
// and the indexes of a file are exactly 0 .. LastPlayer.
//
// Nothing in a file is trusted: it is read into a SavedGame only when every
// item is one the writer could have written.

inline constexpr int kRecordSize = 128;
inline constexpr int kMaxNameBytes = kMaxNameLength;
// The format itself would allow 32768 players; no game has more than
// kMaxPlayers.
// Everything the reader needs of the largest game it accepts.
inline constexpr qsizetype kMaxSavedGameBytes = qsizetype(kRecordSize) * (2 + kMaxPlayers) + 2;

inline const QString kSavedGameHeader = QStringLiteral("Vorka by Tolvane Studios");

// What the open and save commands show: the texts in English, each shown as
// QCoreApplication::translate("SavedGame", k).
inline constexpr char kNotAVorkaFile[] =
    QT_TRANSLATE_NOOP("SavedGame", "This is not a TOL Vorka saved game file!");
inline const QString kNotAVorkaFileTitle = QStringLiteral("Vorka");
//: The title of the message that a saved game could not be opened.
inline constexpr char kOpenErrorTitle[] = QT_TRANSLATE_NOOP("SavedGame", "Error");
inline constexpr char kOpenAborted[] = QT_TRANSLATE_NOOP(
    "SavedGame", "The above error was encountered. The Open Game process was aborted.");
inline const QString kSaveFailedTitle = QStringLiteral("Vorka");
inline constexpr char kNotSaved[] = QT_TRANSLATE_NOOP("SavedGame", "The game was not saved.");
//: The title of the file dialog that saves a game.
inline constexpr char kSaveDialogTitle[] = QT_TRANSLATE_NOOP("SavedGame", "Save Game");
//: The title of the file dialog that opens a saved game.
inline constexpr char kOpenDialogTitle[] = QT_TRANSLATE_NOOP("SavedGame", "Load Game");

// "Error number " N ":" CR CR description CR CR kOpenAborted.
QString openErrorMessage(int number, const QString& description);

// Why a file could not be opened.
struct OpenError {
    enum class Kind { WrongHeader, Failed };

    // Error numbers of Failed.
    static constexpr int kCannotRead = 75;       // the file could not be read
    static constexpr int kTruncated = 62;        // ends before its items do
    static constexpr int kNoPlayers = 1001;      // LastPlayer below 0
    static constexpr int kNameLength = 1003;     // a name runs past its record
    static constexpr int kIndex = 1004;          // indexes not exactly 0 .. LastPlayer
    static constexpr int kCurrent = 1005;        // CurrentPlayer not a player
    static constexpr int kFlag = 1006;           // a flag other than -1 and 0
    static constexpr int kScore = 1007;          // a score the category cannot give
    static constexpr int kTooManyPlayers = 1008; // more than kMaxPlayers players

    Kind kind = Kind::Failed;
    int number = 0;
    QString description;

    QString title() const;   // of the message box
    QString message() const; // its text
};

struct SaveError {
    QString reason;

    // kNotSaved CR CR reason.
    QString message() const;
};

// One player as the file holds them.
struct PlayerRecord {
    QString name;
    int16_t index = 0;
    std::array<int16_t, kCategoryCount> scores{};
    std::array<int16_t, kCategoryCount> flags{}; // -1 free, 0 used

    static constexpr int16_t kFree = -1;
    static constexpr int16_t kUsed = 0;

    // A board's card as the file keeps it: every cell text and tag at its
    // numeric value, rounded to the nearest whole number.
    static PlayerRecord fromCard(const QString& name, int16_t index, const ScoreCard& card);

    // The card of a rebuilt board: a used category gets tag "0" and its
    // score as plain digits ("12", no leading blank); a free one stays as on
    // a new card, with an empty cell. Totals are for the caller (Countup).
    ScoreCard toCard() const;

    friend bool operator==(const PlayerRecord&, const PlayerRecord&) = default;
};

struct OpenResult;

struct SavedGame {
    Q_DECLARE_TR_FUNCTIONS(SavedGame)

public:
    int16_t LastPlayer = 0;
    std::vector<PlayerRecord> players; // by board index: players[i].index == i
    int16_t CurrentPlayer = 0;
    // The seats the computer plays; empty when people play every seat.
    SeatStrengths seats;

    // Player `index`'s computer strength, or none for a person.
    std::optional<Strength> computerSeat(int index) const {
        return index >= 0 && size_t(index) < seats.size() ? seats[size_t(index)] : std::nullopt;
    }

    // A complete game, or why there is none.
    static OpenResult fromBytes(QByteArrayView bytes);
    // Reads a regular file only: a pipe, a device or a folder is refused
    // without waiting for it.
    static OpenResult readFile(const QString& path);

    // The first thing that keeps this game from being written, if any.
    std::optional<SaveError> check() const;

    // The file's bytes, byte for byte, or the reason there are none.
    std::optional<SaveError> toBytes(QByteArray& bytes) const;
    // Writes a new file beside `path` and then puts it in its place, so that
    // a failed save leaves an earlier file as it was and no new one behind.
    // New files that killed saves of the same name left, older than
    // kLeftoverAgeSeconds, empty or cut short, are taken away first.
    std::optional<SaveError> writeFile(const QString& path) const;
    static constexpr int kLeftoverAgeSeconds = 600;

    // The names that the file's character set cannot keep whole: they would
    // be saved with "?" in place of some letters.
    QStringList namesChangedBySaving() const;

    friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

struct OpenResult {
    std::optional<SavedGame> game;
    OpenError error; // when there is no game
};

// Whether `score` is one that category `c` can give (0 included).
bool reachableScore(Category c, int score);

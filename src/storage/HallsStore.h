#pragma once

#include "storage/Registry_Operations.h"
#include "storage/WaitingScores.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// One row of a Hall: its place as text ("1" .. "10"), the player's name and
// the score as decimal text.
struct HallEntry {
    QString position;
    QString name;
    QString score;

    friend bool operator==(const HallEntry&, const HallEntry&) = default;
};

// The Halls of Fame and Shame as the settings store keeps them, read and
// changed in single steps: what the game does when it may write the store
// itself, and what the shared Halls' writer does for it when it may not.
namespace HallsStore {

inline constexpr int kHallSize = 10;
inline constexpr int kNoShameScore = 99999; // the default that means "no entry"
// How many games' identities the store remembers.
inline constexpr int kRecordedGames = 500;

inline const QString kFameKey = QStringLiteral(R"(.Default\Software\Tolvane Studios\Vorka\Fame)");
inline const QString kShameKey = QStringLiteral(R"(.Default\Software\Tolvane Studios\Vorka\Shame)");
inline const QString kEnteredKey =
    QStringLiteral(R"(.Default\Software\Tolvane Studios\Vorka\Entered)");
inline const QString kDefaultName = QStringLiteral("Tolvane Studios");

enum class Outcome {
    Done,
    Busy,        // another copy holds the store; nothing changed
    CannotWrite, // the store (or its folder) may not be written; `why` says why
    Damaged,     // the file is no store of this game, or it is damaged
};

// The Hall of Fame of a store with nothing in it.
QList<HallEntry> defaultFame();

// Reads both Halls of `registry`'s store as one state of it; false when it could not be
// read as it is (another copy holds it, a failing disk), and `failure`,
// when given, receives the store's status.
bool read(Registry_Operations::Registry& registry, QList<HallEntry>& fame, QList<HallEntry>& shame,
          int32_t* failure = nullptr);

// Offers the games' scores, in order, to the Halls as they are read from
// the store, and records the games' identities, all in one transaction:
// a game recorded already is not entered again. On Done, `fame` and `shame`
// are the Halls as they now stand and `settled` names every game entered
// or found entered; on anything else the store is as it was.
Outcome enter(Registry_Operations::Registry& registry, const std::vector<WaitingGame>& games,
              QList<HallEntry>& fame, QList<HallEntry>& shame, QStringList& settled, QString& why);

// Offers one game's scores to the lists alone (Fame first, else Shame);
// says which of them changed. Positions of a changed list are renumbered.
void enterInLists(QList<HallEntry>& fame, QList<HallEntry>& shame, const WaitingGame& game,
                  bool& fameChanged, bool& shameChanged);

// Deletes both Halls in one transaction.
Outcome clear(Registry_Operations::Registry& registry, QString& why);

} // namespace HallsStore

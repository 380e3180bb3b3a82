#include "storage/HallsStore.h"

#include "game/NumericValue.h"
#include "storage/Registry_Operations.h"

#include <QFileInfo>

using namespace Registry_Operations;

namespace HallsStore {

namespace {

QString scoreName(int n) {
    return QString::number(n) + u'S';
}

int defaultFameScore(int n) {
    return (30 - n) * 5;
}

// Whether a read that gave the default is one the Halls take as it is: a
// value or key that is not there, one too long to read, or a store that
// cannot be read at all. Anything else (another copy holding the store, a
// failing disk) must not be taken for an empty Hall.
bool defaultIsTheAnswer(Status status) {
    return status == RegStatus::kSuccess || status == RegStatus::kNotFound ||
           status == RegStatus::kKeyDeleted || status == RegStatus::kMoreData ||
           status == RegStatus::kBadStore;
}

// Entry by entry, under their new positions; the first failure, or kSuccess.
Status save(Registry& r, const QString& key, QList<HallEntry>& hall) {
    for (int n = 1; n <= hall.size(); ++n) hall[n - 1].position = QString::number(n);
    for (int n = 1; n <= hall.size(); ++n) {
        const HallEntry& entry = hall[n - 1];
        if (const Status s = r.WriteRegText(HKEY_USERS, key, QString::number(n), entry.name);
            s != RegStatus::kSuccess)
            return s;
        if (const Status s = r.WriteRegText(HKEY_USERS, key, scoreName(n), entry.score);
            s != RegStatus::kSuccess)
            return s;
    }
    return RegStatus::kSuccess;
}

bool enterFame(QList<HallEntry>& fame, const PlayerScore& player) {
    for (qsizetype k = 0; k < fame.size(); ++k) {
        if (numericValue(fame[k].score) < player.score) {
            fame.insert(k, {QString(), player.name, QString::number(player.score)});
            if (fame.size() > kHallSize) fame.removeLast();
            return true;
        }
    }
    return false;
}

bool enterShame(QList<HallEntry>& shame, const PlayerScore& player) {
    // Equal scores never overtake: the new one goes below them.
    qsizetype k = 0;
    while (k < shame.size() && numericValue(shame[k].score) <= player.score) ++k;
    if (k == shame.size() && shame.size() >= kHallSize) return false;
    shame.insert(k, {QString(), player.name, QString::number(player.score)});
    if (shame.size() > kHallSize) shame.removeLast();
    return true;
}

// Whether the game `id` names is recorded as entered: kSuccess and the
// answer, or the status that kept the store from saying.
Status isRecorded(Registry& r, const QString& id, bool& recorded) {
    Status status = RegStatus::kSuccess;
    r.ReadRegText(HKEY_USERS, kEnteredKey, id, QString(), &status);
    recorded = status == RegStatus::kSuccess;
    return recorded || defaultIsTheAnswer(status) ? RegStatus::kSuccess : status;
}

// Records `id` in the next place of a ring of kRecordedGames places ("#0",
// "#1", ...), forgetting the one it held; the identity itself is the name
// of a value, so that looking it up is one read.
Status record(Registry& r, const QString& id) {
    const QString& key = kEnteredKey;
    Status status = RegStatus::kSuccess;
    int32_t next = r.ReadRegNumber(HKEY_USERS, key, QStringLiteral("Next"), 0, &status);
    if (!defaultIsTheAnswer(status)) return status;
    if (next < 0 || next >= kRecordedGames) next = 0;
    const QString place = u'#' + QString::number(next);
    const QString forgotten = r.ReadRegText(HKEY_USERS, key, place, QString(), &status);
    if (!defaultIsTheAnswer(status)) return status;
    if (!forgotten.isEmpty() && forgotten != id) {
        KeyHandle handle = 0;
        if (const Status s = r.OpenRegKey(HKEY_USERS, key, KEY_ALL_ACCESS, handle);
            s != RegStatus::kSuccess)
            return s;
        const Status s = r.DeleteRegValue(handle, forgotten);
        r.CloseRegKey(handle);
        if (s != RegStatus::kSuccess && s != RegStatus::kNotFound) return s;
    }
    for (const auto& [name, text] :
         {std::pair{place, id}, std::pair{id, QStringLiteral("1")},
          std::pair{QStringLiteral("Next"), QString::number((next + 1) % kRecordedGames)}})
        if (const Status s = r.WriteRegText(HKEY_USERS, key, name, text); s != RegStatus::kSuccess)
            return s;
    return RegStatus::kSuccess;
}

// Why a transaction could not begin, as an outcome; Done when it began.
Outcome beginning(Registry& r, Status begun, QString& why) {
    if (begun == RegStatus::kSuccess) return Outcome::Done;
    if (begun == RegStatus::kBadStore || begun == RegStatus::kAccessDenied) {
        why = r.store().whyNotWritable();
        // A file that is there but is no store of this game, or a damaged one.
        return begun == RegStatus::kBadStore && QFileInfo::exists(r.store().file()) &&
                       !r.store().usable()
                   ? Outcome::Damaged
                   : Outcome::CannotWrite;
    }
    return Outcome::Busy;
}

bool failed(Status status, int32_t* failure) {
    if (failure) *failure = status;
    return false;
}

} // namespace

QList<HallEntry> defaultFame() {
    QList<HallEntry> fame;
    for (int n = 1; n <= kHallSize; ++n)
        fame.append({QString::number(n), kDefaultName, QString::number(defaultFameScore(n))});
    return fame;
}

bool read(Registry& r, QList<HallEntry>& fame, QList<HallEntry>& shame, int32_t* failure) {
    fame.clear();
    shame.clear();
    Status status = RegStatus::kSuccess;
    for (int n = 1; n <= kHallSize; ++n) {
        const QString name =
            r.ReadRegText(HKEY_USERS, kFameKey, QString::number(n), kDefaultName, &status);
        if (!defaultIsTheAnswer(status)) return failed(status, failure);
        const int32_t score =
            r.ReadRegNumber(HKEY_USERS, kFameKey, scoreName(n), defaultFameScore(n), &status);
        if (!defaultIsTheAnswer(status)) return failed(status, failure);
        fame.append({QString::number(n), name, QString::number(score)});
    }
    // A missing score means no entry; the positions of the rows that are
    // there are kept, gaps included.
    for (int n = 1; n <= kHallSize; ++n) {
        const int32_t score =
            r.ReadRegNumber(HKEY_USERS, kShameKey, scoreName(n), kNoShameScore, &status);
        if (!defaultIsTheAnswer(status)) return failed(status, failure);
        if (score == kNoShameScore) continue;
        const QString name =
            r.ReadRegText(HKEY_USERS, kShameKey, QString::number(n), QString(), &status);
        if (!defaultIsTheAnswer(status)) return failed(status, failure);
        shame.append({QString::number(n), name, QString::number(score)});
    }
    return true;
}

void enterInLists(QList<HallEntry>& fame, QList<HallEntry>& shame, const WaitingGame& game,
                  bool& fameChanged, bool& shameChanged) {
    for (const PlayerScore& player : game.players) {
        if (enterFame(fame, player))
            fameChanged = true;
        else if (enterShame(shame, player))
            shameChanged = true;
    }
}

Outcome enter(Registry& r, const std::vector<WaitingGame>& games, QList<HallEntry>& fame,
              QList<HallEntry>& shame, QStringList& settled, QString& why) {
    settled.clear();
    Transaction transaction(r, true);
    if (const Outcome begun = beginning(r, transaction.status(), why); begun != Outcome::Done)
        return begun;
    if (!read(r, fame, shame)) return Outcome::Busy;
    bool fameChanged = false;
    bool shameChanged = false;
    Status written = RegStatus::kSuccess;
    for (const WaitingGame& game : games) {
        bool recorded = false;
        if (isRecorded(r, game.id, recorded) != RegStatus::kSuccess) return Outcome::Busy;
        if (!recorded) {
            enterInLists(fame, shame, game, fameChanged, shameChanged);
            if (written == RegStatus::kSuccess) written = record(r, game.id);
        }
        settled << game.id;
    }
    // Into the store whole, with the identities, or not at all.
    if (written == RegStatus::kSuccess && fameChanged) written = save(r, kFameKey, fame);
    if (written == RegStatus::kSuccess && shameChanged) written = save(r, kShameKey, shame);
    if (written == RegStatus::kAccessDenied) {
        why = r.store().whyNotWritable();
        return Outcome::CannotWrite;
    }
    if (written != RegStatus::kSuccess || !transaction.commit()) return Outcome::Busy;
    return Outcome::Done;
}

Outcome clear(Registry& r, QString& why) {
    Transaction transaction(r, true);
    if (const Outcome begun = beginning(r, transaction.status(), why); begun != Outcome::Done)
        return begun;
    // A key that is not there (or cannot go) is passed over, as ever.
    r.DeleteRegKey(HKEY_USERS, kFameKey);
    r.DeleteRegKey(HKEY_USERS, kShameKey);
    return transaction.commit() ? Outcome::Done : Outcome::Busy;
}

} // namespace HallsStore

#include "storage/Halls.h"

#include "game/NumericValue.h"
#include "storage/Registry_Operations.h"

#include <QFile>

using namespace Registry_Operations;

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

// Reads both Halls; false when the store could not be read as it is.
bool readHalls(Registry& r, QList<HallEntry>& fame, QList<HallEntry>& shame) {
    fame.clear();
    shame.clear();
    Status status = RegStatus::kSuccess;
    for (int n = 1; n <= Halls::kHallSize; ++n) {
        const QString name = r.ReadRegText(HKEY_USERS, Halls::kFameKey, QString::number(n),
                                           Halls::kDefaultName, &status);
        if (!defaultIsTheAnswer(status)) return false;
        const int32_t score = r.ReadRegNumber(HKEY_USERS, Halls::kFameKey, scoreName(n),
                                              defaultFameScore(n), &status);
        if (!defaultIsTheAnswer(status)) return false;
        fame.append({QString::number(n), name, QString::number(score)});
    }
    // A missing score means no entry; the positions of the rows that are
    // there are kept, gaps included.
    for (int n = 1; n <= Halls::kHallSize; ++n) {
        const int32_t score = r.ReadRegNumber(HKEY_USERS, Halls::kShameKey, scoreName(n),
                                              Halls::kNoShameScore, &status);
        if (!defaultIsTheAnswer(status)) return false;
        if (score == Halls::kNoShameScore) continue;
        const QString name =
            r.ReadRegText(HKEY_USERS, Halls::kShameKey, QString::number(n), QString(), &status);
        if (!defaultIsTheAnswer(status)) return false;
        shame.append({QString::number(n), name, QString::number(score)});
    }
    return true;
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
            if (fame.size() > Halls::kHallSize) fame.removeLast();
            return true;
        }
    }
    return false;
}

bool enterShame(QList<HallEntry>& shame, const PlayerScore& player) {
    // Equal scores never overtake: the new one goes below them.
    qsizetype k = 0;
    while (k < shame.size() && numericValue(shame[k].score) <= player.score) ++k;
    if (k == shame.size() && shame.size() >= Halls::kHallSize) return false;
    shame.insert(k, {QString(), player.name, QString::number(player.score)});
    if (shame.size() > Halls::kHallSize) shame.removeLast();
    return true;
}

// Whether the game `id` names is recorded as entered: kSuccess and the
// answer, or the status that kept the store from saying.
Status isRecorded(Registry& r, const QString& id, bool& recorded) {
    Status status = RegStatus::kSuccess;
    r.ReadRegText(HKEY_USERS, Halls::kEnteredKey, id, QString(), &status);
    recorded = status == RegStatus::kSuccess;
    return recorded || defaultIsTheAnswer(status) ? RegStatus::kSuccess : status;
}

// Records `id` in the next place of a ring of kRecordedGames places ("#0",
// "#1", ...), forgetting the one it held; the identity itself is the name
// of a value, so that looking it up is one read.
Status record(Registry& r, const QString& id) {
    const QString& key = Halls::kEnteredKey;
    Status status = RegStatus::kSuccess;
    int32_t next = r.ReadRegNumber(HKEY_USERS, key, QStringLiteral("Next"), 0, &status);
    if (!defaultIsTheAnswer(status)) return status;
    if (next < 0 || next >= Halls::kRecordedGames) next = 0;
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
          std::pair{QStringLiteral("Next"), QString::number((next + 1) % Halls::kRecordedGames)}})
        if (const Status s = r.WriteRegText(HKEY_USERS, key, name, text); s != RegStatus::kSuccess)
            return s;
    return RegStatus::kSuccess;
}

void enter(QList<HallEntry>& fame, QList<HallEntry>& shame, const WaitingGame& game,
           bool& fameChanged, bool& shameChanged) {
    for (const PlayerScore& player : game.players) {
        if (enterFame(fame, player))
            fameChanged = true;
        else if (enterShame(shame, player))
            shameChanged = true;
    }
}

} // namespace

Halls::Halls(Registry_Operations::Registry& registry, QObject* parent)
    : QObject(parent), registry_(registry) {
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &Halls::tryNow);
}

Halls::~Halls() {
    // The program is ending: what is still pending outlives it. No waiting
    // for the store here; the waiting file has it, and the next start
    // enters it.
    keepPending();
}

std::vector<PlayerScore> Halls::pendingScores() const {
    std::vector<PlayerScore> out;
    for (const WaitingGame& game : pending_)
        out.insert(out.end(), game.players.begin(), game.players.end());
    return out;
}

Halls::Attempt Halls::enterInMemory(const QString& why) {
    // The lists keep the new entries in memory only, on top of what they
    // showed (or what the store holds, when that can be read). Games from
    // the waiting file stay there, for when the store takes changes again.
    QList<HallEntry> fame = fame_;
    QList<HallEntry> shame = shame_;
    if (!upToDate_ && !readHalls(registry_, fame, shame)) {
        fame = fame_;
        shame = shame_;
        if (fame.isEmpty()) readHalls(registry_, fame, shame); // the defaults
    }
    bool fameChanged = false;
    bool shameChanged = false;
    for (const WaitingGame& game : pending_) enter(fame, shame, game, fameChanged, shameChanged);
    for (qsizetype n = 0; n < fame.size(); ++n) fame[n].position = QString::number(n + 1);
    if (shameChanged)
        for (qsizetype n = 0; n < shame.size(); ++n) shame[n].position = QString::number(n + 1);
    pending_.clear();
    inFile_.clear();
    fame_ = fame;
    shame_ = shame;
    upToDate_ = true;
    if (!toldCannotKeep_) {
        toldCannotKeep_ = true;
        emit cannotKeepScores(why);
    }
    return Attempt::Done;
}

Halls::Attempt Halls::attempt() {
    const bool entering = !pending_.empty();
    Transaction transaction(registry_, entering);
    const Status begun = transaction.status();
    if (entering && (begun == RegStatus::kBadStore || begun == RegStatus::kAccessDenied))
        return enterInMemory(registry_.store().whyNotWritable());
    if (begun != RegStatus::kSuccess && (entering || begun == RegStatus::kBusy))
        return Attempt::Busy;
    QList<HallEntry> fame;
    QList<HallEntry> shame;
    if (!readHalls(registry_, fame, shame)) return Attempt::Busy;
    if (entering) {
        bool fameChanged = false;
        bool shameChanged = false;
        QStringList settled; // entered now, or found entered before
        Status written = RegStatus::kSuccess;
        for (const WaitingGame& game : pending_) {
            bool recorded = false;
            if (isRecorded(registry_, game.id, recorded) != RegStatus::kSuccess)
                return Attempt::Busy;
            if (!recorded) {
                enter(fame, shame, game, fameChanged, shameChanged);
                if (written == RegStatus::kSuccess) written = record(registry_, game.id);
            }
            settled << game.id;
        }
        // Into the store whole, with the identities, or not at all.
        if (written == RegStatus::kSuccess && fameChanged)
            written = save(registry_, kFameKey, fame);
        if (written == RegStatus::kSuccess && shameChanged)
            written = save(registry_, kShameKey, shame);
        if (written == RegStatus::kAccessDenied)
            return enterInMemory(registry_.store().whyNotWritable());
        if (written != RegStatus::kSuccess || !transaction.commit()) return Attempt::Busy;
        const bool fromFile = std::any_of(settled.begin(), settled.end(),
                                          [&](const QString& id) { return inFile_.contains(id); });
        pending_.clear();
        emit committed(settled);
        // Killed before this, the next start finds the games recorded and
        // only takes them out of the file.
        if (fromFile && !pendingFile_.isEmpty()) WaitingScores(pendingFile_).remove(settled);
        inFile_.clear();
    }
    fame_ = fame;
    shame_ = shame;
    upToDate_ = true;
    return Attempt::Done;
}

void Halls::tryNow() {
    retry_.stop();
    if (attempt() == Attempt::Done) {
        waitingSince_.invalidate();
        told_ = false;
        emit changed();
        return;
    }
    // Whatever waits is on the disk before anything else can happen to
    // the program.
    keepPending();
    if (!waitingSince_.isValid()) waitingSince_.start();
    const bool patient = waitingSince_.elapsed() < kPatienceMs;
    retry_.start(patient ? kRetryMs : kSlowRetryMs);
    if (!patient && !told_) {
        told_ = true;
        emit waitingForStore();
    }
}

void Halls::LoadHalls() {
    restorePending();
    upToDate_ = false;
    tryNow();
    if (!upToDate_) {
        // Something to show until the store can be read.
        if (fame_.isEmpty()) {
            for (int n = 1; n <= kHallSize; ++n)
                fame_.append(
                    {QString::number(n), kDefaultName, QString::number(defaultFameScore(n))});
        }
        emit changed();
    }
}

void Halls::EnterFinalScores(const std::vector<PlayerScore>& players) {
    pending_.push_back({WaitingScores::newId(), players});
    tryNow();
}

void Halls::catchUp() {
    if (!pending_.empty() || !upToDate_) tryNow();
}

bool Halls::ClearHalls(const std::function<bool()>& confirm) {
    if (!confirm || !confirm()) return false;
    {
        Transaction transaction(registry_);
        registry_.DeleteRegKey(HKEY_USERS, kFameKey);
        registry_.DeleteRegKey(HKEY_USERS, kShameKey);
        transaction.commit();
    }
    LoadHalls();
    return true;
}

// Scores that copies which ended while the store was busy left behind go
// first: they were offered before any of this run. Games another copy is
// entering at the same time are entered once all the same: the store
// knows them by their identities.
void Halls::restorePending() {
    if (restored_ || pendingFile_.isEmpty()) return;
    restored_ = true;
    std::vector<WaitingGame> kept = WaitingScores(pendingFile_).read();
    for (const WaitingGame& game : kept) inFile_ << game.id;
    pending_.insert(pending_.begin(), kept.begin(), kept.end());
}

QString Halls::keepPending() {
    if (pendingFile_.isEmpty() || pending_.empty()) return {};
    std::vector<WaitingGame> fresh;
    for (const WaitingGame& game : pending_)
        if (!inFile_.contains(game.id)) fresh.push_back(game);
    if (fresh.empty()) return {};
    const QString why = WaitingScores(pendingFile_).add(fresh);
    if (why.isNull())
        for (const WaitingGame& game : fresh) inFile_ << game.id;
    return why;
}

QString Halls::keepWaiting() {
    if (pending_.empty()) return {};
    retry_.stop();
    if (attempt() == Attempt::Done) {
        emit changed();
        return {};
    }
    if (pendingFile_.isEmpty()) return QStringLiteral("there is no file to keep them in");
    return keepPending();
}

#include "storage/Halls.h"

#include "game/NumericValue.h"
#include "storage/Registry_Operations.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSettings>
#include <QThread>

using namespace Registry_Operations;

namespace {

const QString kPendingGroup = QStringLiteral("PendingScores");

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
bool readHalls(QList<HallEntry>& fame, QList<HallEntry>& shame) {
    fame.clear();
    shame.clear();
    Status status = RegStatus::kSuccess;
    for (int n = 1; n <= Halls::kHallSize; ++n) {
        const QString name = ReadRegText(HKEY_USERS, Halls::kFameKey, QString::number(n),
                                         Halls::kDefaultName, &status);
        if (!defaultIsTheAnswer(status)) return false;
        const int32_t score = ReadRegNumber(HKEY_USERS, Halls::kFameKey, scoreName(n),
                                            defaultFameScore(n), &status);
        if (!defaultIsTheAnswer(status)) return false;
        fame.append({QString::number(n), name, QString::number(score)});
    }
    // A missing score means no entry; the positions of the rows that are
    // there are kept, gaps included.
    for (int n = 1; n <= Halls::kHallSize; ++n) {
        const int32_t score = ReadRegNumber(HKEY_USERS, Halls::kShameKey, scoreName(n),
                                            Halls::kNoShameScore, &status);
        if (!defaultIsTheAnswer(status)) return false;
        if (score == Halls::kNoShameScore) continue;
        const QString name =
            ReadRegText(HKEY_USERS, Halls::kShameKey, QString::number(n), QString(), &status);
        if (!defaultIsTheAnswer(status)) return false;
        shame.append({QString::number(n), name, QString::number(score)});
    }
    return true;
}

// Entry by entry, under their new positions; the first failure, or kSuccess.
Status save(const QString& key, QList<HallEntry>& hall) {
    for (int n = 1; n <= hall.size(); ++n) hall[n - 1].position = QString::number(n);
    for (int n = 1; n <= hall.size(); ++n) {
        const HallEntry& entry = hall[n - 1];
        if (const Status s = WriteRegText(HKEY_USERS, key, QString::number(n), entry.name);
            s != RegStatus::kSuccess)
            return s;
        if (const Status s = WriteRegText(HKEY_USERS, key, scoreName(n), entry.score);
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

} // namespace

Halls::Halls(QObject* parent) : QObject(parent) {
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &Halls::tryNow);
}

Halls::~Halls() {
    if (pending_.empty()) return;
    // The program is ending: one last wait, then the scores outlive it.
    const QDeadlineTimer deadline(kPatienceMs);
    while (attempt() == Attempt::Busy && !deadline.hasExpired()) QThread::msleep(kRetryMs);
    keepPending();
}

Halls::Attempt Halls::attempt() {
    const bool entering = !pending_.empty();
    Transaction transaction(entering);
    // A store that can never take a change (a file that is no store of this
    // game, a damaged or a read-only one) fails the writes below one by
    // one: the lists keep the new entries in memory only, on top of what
    // they showed. Any other failure to begin is waited out.
    const Status begun = transaction.status();
    const bool neverWritable = begun == RegStatus::kBadStore || begun == RegStatus::kAccessDenied;
    if (begun != RegStatus::kSuccess && (entering ? !neverWritable : begun == RegStatus::kBusy))
        return Attempt::Busy;
    QList<HallEntry> fame = fame_;
    QList<HallEntry> shame = shame_;
    const bool inMemoryOnly = entering && neverWritable && upToDate_;
    if (!inMemoryOnly && !readHalls(fame, shame)) return Attempt::Busy;
    if (entering) {
        bool fameChanged = false;
        bool shameChanged = false;
        for (const PlayerScore& player : pending_) {
            if (enterFame(fame, player))
                fameChanged = true;
            else if (enterShame(shame, player))
                shameChanged = true;
        }
        // Into the store whole, or not at all and tried again. Where the store
        // takes no change, the failed writes are not looked at.
        const bool written = (!fameChanged || save(kFameKey, fame) == RegStatus::kSuccess) &&
                             (!shameChanged || save(kShameKey, shame) == RegStatus::kSuccess);
        if (transaction.active() && (!written || !transaction.commit())) return Attempt::Busy;
        pending_.clear();
        if (!pendingFile_.isEmpty()) QSettings(pendingFile_, QSettings::IniFormat).remove(kPendingGroup);
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
                fame_.append({QString::number(n), kDefaultName, QString::number(defaultFameScore(n))});
        }
        emit changed();
    }
}

void Halls::EnterFinalScores(const std::vector<PlayerScore>& players) {
    pending_.insert(pending_.end(), players.begin(), players.end());
    tryNow();
}

void Halls::catchUp() {
    if (!pending_.empty() || !upToDate_) tryNow();
}

bool Halls::ClearHalls(const std::function<bool()>& confirm) {
    if (!confirm || !confirm()) return false;
    {
        Transaction transaction;
        DeleteRegKey(HKEY_USERS, kFameKey);
        DeleteRegKey(HKEY_USERS, kShameKey);
        transaction.commit();
    }
    LoadHalls();
    return true;
}

// Scores a program that ended while the store was busy left behind go
// first: they were offered before any of this run.
void Halls::restorePending() {
    if (restored_ || pendingFile_.isEmpty()) return;
    restored_ = true;
    QSettings settings(pendingFile_, QSettings::IniFormat);
    const int count = settings.beginReadArray(kPendingGroup);
    std::vector<PlayerScore> kept;
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        kept.push_back({settings.value(QStringLiteral("name")).toString(),
                        numericValue16(settings.value(QStringLiteral("score")).toString())});
    }
    settings.endArray();
    pending_.insert(pending_.begin(), kept.begin(), kept.end());
}

void Halls::keepPending() {
    if (pendingFile_.isEmpty() || pending_.empty()) return;
    QSettings settings(pendingFile_, QSettings::IniFormat);
    settings.remove(kPendingGroup);
    settings.beginWriteArray(kPendingGroup, int(pending_.size()));
    for (int i = 0; i < int(pending_.size()); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("name"), pending_[size_t(i)].name);
        settings.setValue(QStringLiteral("score"), QString::number(pending_[size_t(i)].score));
    }
    settings.endArray();
    settings.sync();
}

#include "storage/Halls.h"

#include "game/NumericValue.h"
#include "storage/Registry_Operations.h"

using namespace Registry_Operations;

namespace {

QString scoreName(int n) {
    return QString::number(n) + u'S';
}

int defaultFameScore(int n) {
    return (30 - n) * 5;
}

} // namespace

Halls::Halls(QObject* parent) : QObject(parent) {}

void Halls::load() {
    fame_.clear();
    shame_.clear();
    for (int n = 1; n <= kHallSize; ++n) {
        const QString name = ReadRegText(HKEY_USERS, kFameKey, QString::number(n), kDefaultName);
        const int32_t score =
            ReadRegNumber(HKEY_USERS, kFameKey, scoreName(n), defaultFameScore(n));
        fame_.append({QString::number(n), name, QString::number(score)});
    }
    // A missing score means no entry; the positions of the rows that are
    // there are kept, gaps included.
    for (int n = 1; n <= kHallSize; ++n) {
        const int32_t score = ReadRegNumber(HKEY_USERS, kShameKey, scoreName(n), kNoShameScore);
        if (score == kNoShameScore) continue;
        const QString name = ReadRegText(HKEY_USERS, kShameKey, QString::number(n), QString());
        shame_.append({QString::number(n), name, QString::number(score)});
    }
    loaded_ = true;
}

void Halls::LoadHalls() {
    load();
    emit changed();
}

void Halls::save(const QString& key, QList<HallEntry>& hall) {
    // Entry by entry, under their new positions; a failed write leaves that
    // value as it was in the store and the list as it is.
    for (int n = 1; n <= hall.size(); ++n) {
        HallEntry& entry = hall[n - 1];
        entry.position = QString::number(n);
        WriteRegText(HKEY_USERS, key, QString::number(n), entry.name);
        WriteRegText(HKEY_USERS, key, scoreName(n), entry.score);
    }
}

bool Halls::enterFame(const PlayerScore& player) {
    for (qsizetype k = 0; k < fame_.size(); ++k) {
        if (numericValue(fame_[k].score) < player.score) {
            fame_.insert(k, {QString(), player.name, QString::number(player.score)});
            if (fame_.size() > kHallSize) fame_.removeLast();
            save(kFameKey, fame_);
            return true;
        }
    }
    return false;
}

bool Halls::enterShame(const PlayerScore& player) {
    // Equal scores never overtake: the new one goes below them.
    qsizetype k = 0;
    while (k < shame_.size() && numericValue(shame_[k].score) <= player.score) ++k;
    if (k == shame_.size() && shame_.size() >= kHallSize) return false;
    shame_.insert(k, {QString(), player.name, QString::number(player.score)});
    if (shame_.size() > kHallSize) shame_.removeLast();
    save(kShameKey, shame_);
    return true;
}

void Halls::EnterFinalScores(const std::vector<PlayerScore>& players) {
    Transaction transaction;
    // Read the store afresh only when no other program can change it before
    // our writes; otherwise keep what is in memory.
    if (transaction.active() || !loaded_) load();
    for (const PlayerScore& player : players)
        if (!enterFame(player)) enterShame(player);
    transaction.commit();
    emit changed();
}

bool Halls::ClearHalls(const std::function<bool()>& confirm) {
    if (!confirm || !confirm()) return false;
    DeleteRegKey(HKEY_USERS, kFameKey);
    DeleteRegKey(HKEY_USERS, kShameKey);
    LoadHalls();
    return true;
}

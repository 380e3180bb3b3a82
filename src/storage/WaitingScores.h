#pragma once

#include "game/GameResult.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

// The final scores of one game, with the identity it was given when it
// ended. The store records the identities of the games it has taken, so
// that a game is entered once however many copies of the program try.
struct WaitingGame {
    QString id;
    std::vector<PlayerScore> players;

    friend bool operator==(const WaitingGame& a, const WaitingGame& b) {
        if (a.id != b.id || a.players.size() != b.players.size()) return false;
        for (size_t i = 0; i < a.players.size(); ++i)
            if (a.players[i].name != b.players[i].name || a.players[i].score != b.players[i].score)
                return false;
        return true;
    }
};

// The player's file of final scores waiting to be entered in the store,
// shared by every copy of the program the player runs. Each change takes
// the file's lock, reads it, changes only the games it names and puts a
// whole new file in place of the old one, so no copy loses what another
// added, and a copy that is killed leaves the old file or the new one.
//
// The file is read as any outside input: entries with a name the name
// boxes would not take, a score no card can make, or missing parts are
// skipped; at most kMaxEntries scores and kMaxFileBytes bytes are read.
class WaitingScores {
    Q_DECLARE_TR_FUNCTIONS(WaitingScores)

public:
    static constexpr int kMaxScore = 353; // a full card at best
    static constexpr int kMaxEntries = 1024;
    static constexpr qint64 kMaxFileBytes = 1 << 20;
    static constexpr int kMaxIdLength = 64;

    explicit WaitingScores(const QString& file) : file_(file) {}
    const QString& file() const { return file_; }

    // A new identity for the scores of a game that has just ended.
    static QString newId();
    // An identity: 1 to kMaxIdLength ASCII letters, digits and hyphens.
    static bool validId(const QString& id);
    // A name as the name boxes take it: 1 to 64 characters, none of them
    // a control character or a line or paragraph separator.
    static bool validName(const QString& name);
    static bool validScore(qint64 score) { return score >= 0 && score <= kMaxScore; }

    // The games in the file, oldest first; none when there is no file.
    std::vector<WaitingGame> read() const;
    // Adds the games the file does not hold yet, after the others. A null
    // string on success, else why the file could not be written.
    QString add(const std::vector<WaitingGame>& games) const;
    // Takes out the games with these identities; the others stay.
    QString remove(const QStringList& ids) const;

private:
    QString change(const std::vector<WaitingGame>& added, const QStringList& removed) const;

    QString file_;
};

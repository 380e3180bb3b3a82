#pragma once

#include "game/GameResult.h"
#include "game/Text.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

// One row of a Hall: its place as text ("1" .. "10"), the player's name and
// the score as decimal text.
struct HallEntry {
    QString position;
    QString name;
    QString score;

    friend bool operator==(const HallEntry&, const HallEntry&) = default;
};

// The Hall of Fame (always the ten best final scores, best first) and the
// Hall of Shame (up to ten of the worst, worst first), kept in the settings
// store under HKEY_USERS. Every change is written at once, so the lists and
// the store agree; changed() tells a window showing them to redraw.
class Halls : public QObject {
    Q_OBJECT
public:
    static constexpr int kHallSize = 10;
    static constexpr int kNoShameScore = 99999; // the default that means "no entry"

    static inline const QString kFameKey =
        QStringLiteral(R"(.Default\Software\Tolvane Studios\Vorka\Fame)");
    static inline const QString kShameKey =
        QStringLiteral(R"(.Default\Software\Tolvane Studios\Vorka\Shame)");
    static inline const QString kDefaultName = QStringLiteral("Tolvane Studios");

    // What "&Clear All Scores" asks with ShowNotice before it clears: button
    // set 2 ("YEAH  " / "NA  "), picture cell 1 and sound 1.
    static inline const QString kClearQuestion =
        QStringLiteral("Choosing this option will delete all scores on both the Hall of Fame "
                       "and the Hall of Shame.") +
        CR + CR + QStringLiteral("Are you sure?");
    static constexpr int kClearQuestionButtons = 2;
    static constexpr int kClearQuestionPicture = 1;
    static constexpr int kClearQuestionSound = 1;

    explicit Halls(QObject* parent = nullptr);

    const QList<HallEntry>& hallOfFame() const { return fame_; }
    const QList<HallEntry>& hallOfShame() const { return shame_; }

    // Fills both lists from the store; missing values read as the defaults.
    void LoadHalls();

    // Offers every player's final score, in board order, to the Hall of Fame
    // and, when it misses that, to the Hall of Shame; writes what changed.
    // The lists are read afresh from the store first, in the same store
    // transaction as the writes, so that another copy of the game entering
    // its scores at the same time loses nothing.
    void EnterFinalScores(const std::vector<PlayerScore>& players);

    // Asks `confirm`; when it says yes, deletes both Halls from the store and
    // reloads them (the default Hall of Fame, an empty Hall of Shame).
    // Returns whether the Halls were cleared.
    bool ClearHalls(const std::function<bool()>& confirm);

signals:
    void changed();

private:
    void load();
    bool enterFame(const PlayerScore& player);
    bool enterShame(const PlayerScore& player);
    static void save(const QString& key, QList<HallEntry>& hall);

    QList<HallEntry> fame_;
    QList<HallEntry> shame_;
    bool loaded_ = false;
};

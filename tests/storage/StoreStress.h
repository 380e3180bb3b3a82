#pragma once

// The final scores the copies of the game enter in the store tests, and the
// Halls any order of entering them must end with.
//
// Every score is different, and at least ten of them are below every default
// of the Hall of Fame. So whatever order the copies' games go in, the Hall of
// Fame ends with the ten best scores, and the Hall of Shame with the ten
// lowest, each with the name of the player who made it.

#include "game/GameResult.h"
#include "storage/Halls.h"

#include <QString>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace StoreStress {

// The games of copy `copy` (of `copies`), two players each, in order.
inline std::vector<std::vector<PlayerScore>> gamesOf(int copy, int copies, int games,
                                                     unsigned seed) {
    const int total = copies * games * 2;
    std::vector<int> values(size_t(total), 0);
    std::iota(values.begin(), values.end(), 0);
    std::mt19937 rng(seed);
    std::shuffle(values.begin(), values.end(), rng);
    std::vector<std::vector<PlayerScore>> out;
    for (int g = 0; g < games; ++g) {
        std::vector<PlayerScore> game;
        for (int p = 0; p < 2; ++p) {
            const int value = values[size_t((copy * games + g) * 2 + p)] * 3 + 1;
            game.push_back({QStringLiteral("C%1-G%2-P%3").arg(copy).arg(g).arg(p), int16_t(value)});
        }
        out.push_back(game);
    }
    return out;
}

// Game `g` (0 to 9) of the copies that quit, are killed and start again:
// one score for the Hall of Fame and one for the Hall of Shame, every score
// different, so that the Halls show every game's scores, once each.
inline std::vector<PlayerScore> gameNumbered(int g) {
    return {{QStringLiteral("G%1-hi").arg(g), int16_t(200 + g)},
            {QStringLiteral("G%1-lo").arg(g), int16_t(g)}};
}

// "position name score" rows of the two Halls the entries must end with.
inline void expectedHalls(int copies, int games, unsigned seed, QStringList& fame,
                          QStringList& shame) {
    std::vector<PlayerScore> all;
    for (int c = 0; c < copies; ++c)
        for (const auto& game : gamesOf(c, copies, games, seed))
            all.insert(all.end(), game.begin(), game.end());
    std::sort(all.begin(), all.end(),
              [](const PlayerScore& a, const PlayerScore& b) { return a.score > b.score; });
    fame.clear();
    shame.clear();
    for (int n = 0; n < Halls::kHallSize; ++n) {
        const PlayerScore& best = all[size_t(n)];
        fame << QStringLiteral("%1 %2 %3").arg(n + 1).arg(best.name).arg(best.score);
        const PlayerScore& worst = all[all.size() - 1 - size_t(n)];
        shame << QStringLiteral("%1 %2 %3").arg(n + 1).arg(worst.name).arg(worst.score);
    }
}

inline QStringList rows(const QList<HallEntry>& hall) {
    QStringList out;
    for (const HallEntry& e : hall) out << e.position + u' ' + e.name + u' ' + e.score;
    return out;
}

} // namespace StoreStress

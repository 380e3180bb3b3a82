#pragma once

#include "game/Category.h"
#include "game/DiceSets.h"
#include "game/ScoreCard.h"

#include <algorithm>
#include <array>
#include <cstdint>

// The worth of every moment of one turn, for a player who plays the turn as
// well as can be given what ending it in each free category is worth.
//
// A turn starts with a roll of all five dice; after it up to two more rolls
// are left, each of all five dice again or of exactly one die, and the turn
// ends when a free category is scored (at the latest when no roll is left).
// Only the set of values matters, so the dice are a DiceSets index here.
class TurnValues {
public:
    static constexpr int kRollsAfterFirst = 2;
    // Worth of ending the turn in a category, by how many dice show the
    // category's face (upper categories) or at [0] (lower categories); the
    // score itself comes on top.
    using Endings = std::array<std::array<float, DiceSets::kFaces>, kCategoryCount>;

    explicit TurnValues(const DiceSets& sets) : sets_(sets) {}

    // The endings for a card with the `free` categories and upper sum `upperSum`
    // (0..kBonusGoal), where `later(i, sum)` is what the card is worth after
    // category i has been used and the upper cells sum to `sum` (0..kBonusGoal).
    // The bonus goes to the upper category whose score lifts the sum to the goal.
    template <class Later> static Endings endingsFor(uint16_t free, int upperSum, Later later);

    // Works the turn out for the free categories (bit i: category i), where
    // scoring category c with dice `set` is worth score(c, set) plus
    // endings[c][n] (n: the dice showing c's face, for upper categories; 0 for
    // the others). With no free category nothing more can be scored and
    // every moment is worth 0.
    void plan(uint16_t free, const Endings& endings);

    // Before the first roll.
    float start() const { return rollAll_[kRollsAfterFirst]; }
    // The choices after a roll, `rollsLeft` (1..2) rolls still left.
    float rollAll(int rollsLeft) const { return rollAll_[size_t(rollsLeft - 1)]; }
    float rollOne(int rollsLeft, int set, int face) const {
        return rollOne_[size_t(rollsLeft - 1)][size_t(sets_.withoutDie(set, face))];
    }
    // Scoring a free category (any number of rolls left).
    float score(Category c, int set) const;

    uint16_t free() const { return free_; }

private:
    void fillScoringLevel();
    void fillRollingLevel(int rollsLeft);

    const DiceSets& sets_;
    uint16_t free_ = 0;
    Endings endings_{};
    // level_[r][set]: worth after a roll that showed `set` with r rolls left.
    std::array<std::array<float, DiceSets::kFive>, kRollsAfterFirst + 1> level_{};
    // rollAll_[r]: the mean of level_[r] over a roll of all five dice.
    std::array<float, kRollsAfterFirst + 1> rollAll_{};
    // rollOne_[r][four]: the mean of level_[r] over a roll of the fifth die.
    std::array<std::array<float, DiceSets::kFour>, kRollsAfterFirst> rollOne_{};
};

template <class Later>
TurnValues::Endings TurnValues::endingsFor(uint16_t free, int upperSum, Later later) {
    Endings endings{};
    for (int i = 0; i < kCategoryCount; ++i) {
        if (!(free & (1u << i))) continue;
        auto& ending = endings[size_t(i)];
        if (!isUpper(categoryAt(i))) {
            ending.fill(later(i, upperSum));
            continue;
        }
        for (int n = 0; n < DiceSets::kFaces; ++n) {
            const int sum = upperSum + (i + 1) * n;
            ending[size_t(n)] = float(Totals::bonusEarned(upperSum, sum)) +
                                later(i, std::min(sum, Totals::kBonusGoal));
        }
    }
    return endings;
}

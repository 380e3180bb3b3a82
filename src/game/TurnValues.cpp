#include "game/TurnValues.h"

#include <algorithm>
#include <limits>

void TurnValues::plan(uint16_t free, const Endings& endings) {
    free_ = free;
    endings_ = endings;
    fillScoringLevel();
    for (int r = 1; r <= kRollsAfterFirst; ++r) fillRollingLevel(r);
    double mean = 0.0;
    for (int s = 0; s < DiceSets::kFive; ++s)
        mean += sets_.probability(s) * level_[kRollsAfterFirst][size_t(s)];
    rollAll_[kRollsAfterFirst] = float(mean);
}

float TurnValues::score(Category c, int set) const {
    const auto& ending = endings_[size_t(categoryIndex(c))];
    const int n = isUpper(c) ? sets_.count(set, categoryIndex(c) + 1) : 0;
    return float(sets_.score(c, set)) + ending[size_t(n)];
}

// No roll left: the best category to score.
void TurnValues::fillScoringLevel() {
    auto& level = level_[0];
    if (free_ == 0) {
        level.fill(0.0f);
        return;
    }
    level.fill(-std::numeric_limits<float>::infinity());
    for (int i = 0; i < kCategoryCount; ++i) {
        if (!(free_ & (1u << i))) continue;
        const Category c = categoryAt(i);
        const auto& ending = endings_[size_t(i)];
        const auto& scores = sets_.scores(c);
        if (isUpper(c)) {
            const int face = i + 1;
            for (int s = 0; s < DiceSets::kFive; ++s)
                level[size_t(s)] = std::max(
                    level[size_t(s)], scores[size_t(s)] + ending[size_t(sets_.count(s, face))]);
        } else {
            const float later = ending[0];
            for (int s = 0; s < DiceSets::kFive; ++s)
                level[size_t(s)] = std::max(level[size_t(s)], scores[size_t(s)] + later);
        }
    }
}

// `rollsLeft` rolls left: score now, roll all five, or roll one die.
void TurnValues::fillRollingLevel(int rollsLeft) {
    const auto& below = level_[size_t(rollsLeft - 1)];
    auto& level = level_[size_t(rollsLeft)];
    auto& one = rollOne_[size_t(rollsLeft - 1)];

    double mean = 0.0;
    for (int s = 0; s < DiceSets::kFive; ++s) mean += sets_.probability(s) * below[size_t(s)];
    const float all = float(mean);
    rollAll_[size_t(rollsLeft - 1)] = all;

    for (int q = 0; q < DiceSets::kFour; ++q) {
        float sum = 0.0f;
        for (int f = 1; f <= DiceSets::kFaces; ++f) sum += below[size_t(sets_.withDie(q, f))];
        one[size_t(q)] = sum * (1.0f / DiceSets::kFaces);
    }

    for (int s = 0; s < DiceSets::kFive; ++s)
        level[size_t(s)] = std::max(level_[0][size_t(s)], all);
    // Rolling the die that shows f in set s = four-dice set q plus f.
    for (int q = 0; q < DiceSets::kFour; ++q)
        for (int f = 1; f <= DiceSets::kFaces; ++f) {
            float& target = level[size_t(sets_.withDie(q, f))];
            target = std::max(target, one[size_t(q)]);
        }
}

#pragma once

#include "game/Category.h"
#include "game/ScoreCard.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

class TurnValues;

// The points still to come, on average, with perfect play, for every
// position between two turns: which categories are used and how far the upper
// cells have come towards the bonus (their sum, where 63 and more all count as
// 63). Worked out backwards from the full card, one turn at a time.
//
// The table can be made for the game restricted to some of the categories,
// the others counting as used from the start; the whole game has all fifteen.
// Nothing is allocated until build(), which takes a few seconds for the whole
// game and may run on any thread; once built the table is read-only and may be
// read from any thread.
class ValueTable {
public:
    static constexpr uint16_t kAllCategories = (1u << kCategoryCount) - 1;
    // The upper sum that earns the bonus; any higher sum counts as this one.
    static constexpr int kUpperGoal = Totals::kBonusGoal;

    // `categories`: bit i set for category i in play.
    explicit ValueTable(uint16_t categories = kAllCategories);

    // Works the table out on `threads` threads (0: one per core). Returns
    // false, with nothing kept, when `cancel` became true on the way.
    bool build(const std::atomic<bool>* cancel = nullptr, int threads = 0);

    bool built() const { return built_; }
    uint16_t categories() const { return categories_; }
    std::size_t bytes() const { return values_.size() * sizeof(float); }

    // Expected points yet to be scored, bonus included, when the categories in
    // `used` are used (bit i: category i; every category outside the table's
    // must be among them) and the upper cells sum to `upperSum`.
    float future(uint16_t used, int upperSum) const;

private:
    void fillMask(uint32_t mask, TurnValues& turn);
    uint32_t localMask(uint16_t used) const;

    uint16_t categories_;
    std::vector<int> inPlay_;                       // category of each bit of a local mask
    std::array<int8_t, kCategoryCount> localBit_{}; // bit of each category in play
    // values_[local mask * 64 + upper sum]: bit k of a local mask is category inPlay_[k].
    std::vector<float> values_;
    std::atomic<bool> built_ = false;
};

#include "game/ValueTable.h"

#include "game/TurnValues.h"

#include <QtGlobal>

#include <algorithm>
#include <bit>
#include <memory>
#include <thread>

namespace {
constexpr int kUpperSums = ValueTable::kUpperGoal + 1;
constexpr int kMostDicePerFace = 5;
} // namespace

ValueTable::ValueTable(uint16_t categories) : categories_(categories & kAllCategories) {
    for (int i = 0; i < kCategoryCount; ++i)
        if (categories_ & (1u << i)) {
            localBit_[size_t(i)] = int8_t(inPlay_.size());
            inPlay_.push_back(i);
        }
}

uint32_t ValueTable::localMask(uint16_t used) const {
    Q_ASSERT((~used & kAllCategories & ~categories_) == 0);
    uint32_t mask = 0;
    for (size_t k = 0; k < inPlay_.size(); ++k)
        if (used & (1u << inPlay_[k])) mask |= 1u << k;
    return mask;
}

float ValueTable::future(uint16_t used, int upperSum) const {
    Q_ASSERT(built());
    const int u = std::clamp(upperSum, 0, kUpperGoal);
    return values_[size_t(localMask(used)) * kUpperSums + size_t(u)];
}

// All upper sums for one set of used categories, from the sets with one more
// category used, which are already done.
void ValueTable::fillMask(uint32_t mask, TurnValues& turn) {
    const int inPlay = int(inPlay_.size());
    float* row = &values_[size_t(mask) * kUpperSums];
    uint16_t free = 0;
    int freeFaces = 0; // the faces of the free upper categories, added up
    for (int k = 0; k < inPlay; ++k) {
        if (mask & (1u << k)) continue;
        free |= uint16_t(1u << inPlay_[size_t(k)]);
        if (isUpper(categoryAt(inPlay_[size_t(k)]))) freeFaces += inPlay_[size_t(k)] + 1;
    }
    if (free == 0) {
        std::fill(row, row + kUpperSums, 0.0f);
        return;
    }
    // Below this sum the bonus is out of reach, so the sum no longer matters.
    const int reach =
        freeFaces == 0 ? kUpperSums : std::max(0, kUpperGoal - kMostDicePerFace * freeFaces);

    auto solve = [&](int u) {
        auto later = [&](int i, int sum) {
            const uint32_t next = mask | (1u << localBit_[size_t(i)]);
            return values_[size_t(next) * kUpperSums + size_t(sum)];
        };
        turn.plan(free, TurnValues::endingsFor(free, u, later));
        row[u] = turn.start();
    };

    if (reach > 0) {
        solve(0);
        std::fill(row + 1, row + std::min(reach, kUpperSums), row[0]);
    }
    for (int u = reach; u < kUpperSums; ++u) solve(u);
}

bool ValueTable::build(const std::atomic<bool>* cancel, int threads) {
    built_ = false;
    const int inPlay = int(inPlay_.size());
    const uint32_t masks = 1u << inPlay;
    values_.assign(size_t(masks) * kUpperSums, 0.0f);
    const auto sets = std::make_unique<DiceSets>();
    if (threads <= 0) threads = int(std::max(1u, std::thread::hardware_concurrency()));

    // Sets with the same number of used categories depend only on sets with
    // more, so each such layer is shared out among the threads.
    std::vector<std::vector<uint32_t>> layers(size_t(inPlay) + 1);
    for (uint32_t mask = 0; mask < masks; ++mask)
        layers[size_t(std::popcount(mask))].push_back(mask);
    auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };

    for (int used = inPlay; used >= 0 && !cancelled(); --used) {
        const auto& layer = layers[size_t(used)];
        std::atomic<size_t> next = 0;
        auto work = [&] {
            TurnValues turn(*sets);
            for (size_t j = next++; j < layer.size() && !cancelled(); j = next++)
                fillMask(layer[j], turn);
        };
        const int helpers = std::min(threads, int(layer.size())) - 1;
        std::vector<std::thread> pool;
        for (int t = 0; t < helpers; ++t) pool.emplace_back(work);
        work();
        for (auto& thread : pool) thread.join();
    }
    if (cancelled()) {
        values_.clear();
        values_.shrink_to_fit();
        return false;
    }
    built_ = true;
    return true;
}

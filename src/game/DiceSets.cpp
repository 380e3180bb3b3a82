#include "game/DiceSets.h"

#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace {

// Every ascending run of `length` values 1..6, in lexicographic order.
std::vector<std::vector<int>> ascendingRuns(int length) {
    std::vector<std::vector<int>> runs;
    std::vector<int> run(size_t(length), 1);
    for (;;) {
        runs.push_back(run);
        int i = length - 1;
        while (i >= 0 && run[size_t(i)] == 6) --i;
        if (i < 0) return runs;
        const int next = run[size_t(i)] + 1;
        for (int j = i; j < length; ++j) run[size_t(j)] = next;
    }
}

std::array<int, DiceSets::kFaces> countsOf(const std::vector<int>& values) {
    std::array<int, DiceSets::kFaces> counts{};
    for (int v : values) ++counts[size_t(v - 1)];
    return counts;
}

} // namespace

int DiceSets::key(const std::array<int, kFaces>& counts) {
    int k = 0;
    for (int c : counts) k = k * 6 + c;
    return k;
}

DiceSets::DiceSets() {
    const auto fives = ascendingRuns(5);
    const auto fours = ascendingRuns(4);
    Q_ASSERT(fives.size() == size_t(kFive) && fours.size() == size_t(kFour));

    constexpr int factorial[] = {1, 1, 2, 6, 24, 120};
    for (int s = 0; s < kFive; ++s) {
        const auto& run = fives[size_t(s)];
        Faces faces{};
        std::copy(run.begin(), run.end(), faces.begin());
        const auto counts = countsOf(run);
        int orders = factorial[5];
        for (int f = 0; f < kFaces; ++f) {
            counts_[size_t(s)][size_t(f)] = uint8_t(counts[size_t(f)]);
            orders /= factorial[counts[size_t(f)]];
        }
        probability_[size_t(s)] = orders / 7776.0;
        byKey_[size_t(key(counts))] = uint8_t(s);
        for (Category c : kAllCategories)
            scores_[size_t(categoryIndex(c))][size_t(s)] = float(EvaluateCategory(c, faces));
        for (auto& w : withoutDie_[size_t(s)]) w = -1;
    }
    for (int q = 0; q < kFour; ++q) {
        for (int f = 1; f <= kFaces; ++f) {
            auto counts = countsOf(fours[size_t(q)]);
            ++counts[size_t(f - 1)];
            const int s = byKey_[size_t(key(counts))];
            withDie_[size_t(q)][size_t(f - 1)] = uint8_t(s);
            withoutDie_[size_t(s)][size_t(f - 1)] = int16_t(q);
        }
    }
}

int DiceSets::indexOf(const Faces& faces) const {
    std::array<int, kFaces> counts{};
    for (int v : faces) ++counts[size_t(v - 1)];
    return byKey_[size_t(key(counts))];
}

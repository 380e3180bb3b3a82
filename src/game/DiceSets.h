#pragma once

#include "game/Category.h"
#include "game/Scoring.h"

#include <array>
#include <cstdint>

// Every way five dice can fall when only their values count: the 252 sets of
// five values (in ascending order), the 126 sets of four values that are left
// when one die is taken away, and what each set scores in each category. The
// scoring rules depend only on the set, never on which die shows which value,
// so a turn can be planned over these sets instead of the 7776 ordered rolls.
class DiceSets {
public:
    static constexpr int kFive = 252;
    static constexpr int kFour = 126;
    static constexpr int kFaces = 6;

    DiceSets();

    // The chance that a roll of all five dice gives this set.
    double probability(int set) const { return probability_[size_t(set)]; }
    // How many dice of the set show `face` (1..6).
    int count(int set, int face) const { return counts_[size_t(set)][size_t(face - 1)]; }
    // The set that shows these five values, in any order.
    int indexOf(const Faces& faces) const;

    // The five-dice set made of four-dice set `four` and one more die showing `face`.
    int withDie(int four, int face) const { return withDie_[size_t(four)][size_t(face - 1)]; }
    // The four-dice set left when one die showing `face` is taken from `set`,
    // or -1 when no die of the set shows it.
    int withoutDie(int set, int face) const { return withoutDie_[size_t(set)][size_t(face - 1)]; }

    // What each set scores in the category (EvaluateCategory), by set index.
    const std::array<float, kFive>& scores(Category c) const {
        return scores_[size_t(categoryIndex(c))];
    }
    int score(Category c, int set) const { return int(scores(c)[size_t(set)]); }

private:
    static int key(const std::array<int, kFaces>& counts);

    std::array<double, kFive> probability_{};
    std::array<std::array<uint8_t, kFaces>, kFive> counts_{};
    std::array<std::array<uint8_t, kFaces>, kFour> withDie_{};
    std::array<std::array<int16_t, kFaces>, kFive> withoutDie_{};
    std::array<std::array<float, kFive>, kCategoryCount> scores_{};
    // Set index by the counts of each face written as a base-6 number.
    std::array<uint8_t, 6 * 6 * 6 * 6 * 6 * 6> byKey_{};
};

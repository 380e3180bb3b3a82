#pragma once

// The value of a small game worked out the slow, plain way, to check the
// strategy engine against: every roll is one of the 7776 ordered outcomes of
// five dice (or six of one die), each with its own probability, and every
// choice the rules allow is tried. Only the memo keys put the dice in order.

#include "game/Category.h"
#include "game/Scoring.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <tuple>

class Exhaustive {
public:
    // With `withFuture` clear, the categories left after this turn are worth
    // nothing: what a player who looks only at this turn expects.
    explicit Exhaustive(bool withFuture = true) : withFuture_(withFuture) {}

    // Expected points from the start of a turn until the categories in `free`
    // are all scored, from upper sum `upper`.
    double start(uint16_t free, int upper) {
        if (free == 0) return 0.0;
        const auto key = std::make_tuple(free, upper);
        if (auto it = starts_.find(key); it != starts_.end()) return it->second;
        return starts_[key] = rollAll(free, upper, 2);
    }

    // Rolling all five dice, leaving `rollsLeft` rolls.
    double rollAll(uint16_t free, int upper, int rollsLeft) {
        const auto key = std::make_tuple(free, upper, rollsLeft);
        if (auto it = rollAlls_.find(key); it != rollAlls_.end()) return it->second;
        double sum = 0.0;
        Faces dice{};
        for (int code = 0; code < 7776; ++code) {
            int rest = code;
            for (int& d : dice) {
                d = rest % 6 + 1;
                rest /= 6;
            }
            sum += after(free, upper, dice, rollsLeft);
        }
        return rollAlls_[key] = sum / 7776.0;
    }

    // Rolling die `die` alone, leaving `rollsLeft` rolls.
    double rollDie(uint16_t free, int upper, Faces dice, int die, int rollsLeft) {
        double sum = 0.0;
        for (int f = 1; f <= 6; ++f) {
            dice[size_t(die)] = f;
            sum += after(free, upper, dice, rollsLeft);
        }
        return sum / 6.0;
    }

    // Scoring category c with the dice: its points, the bonus if they lift the
    // upper sum from 62 or less to 63 or more, and what the rest is worth.
    double score(uint16_t free, int upper, const Faces& dice, Category c) {
        const int points = EvaluateCategory(c, dice);
        int newUpper = upper;
        double bonus = 0.0;
        if (isUpper(c)) {
            newUpper = upper + points;
            if (upper < 63 && newUpper >= 63) bonus = 25.0;
        }
        const uint16_t rest = uint16_t(free & ~(1u << categoryIndex(c)));
        return points + bonus + (withFuture_ ? start(rest, newUpper) : 0.0);
    }

    // Right after a roll that left `rollsLeft` rolls, with the best choice.
    double after(uint16_t free, int upper, Faces dice, int rollsLeft) {
        std::sort(dice.begin(), dice.end());
        const auto key = std::make_tuple(free, upper, dice, rollsLeft);
        if (auto it = afters_.find(key); it != afters_.end()) return it->second;
        double best = -1.0;
        for (int i = 0; i < kCategoryCount; ++i)
            if (free & (1u << i)) best = std::max(best, score(free, upper, dice, categoryAt(i)));
        if (rollsLeft > 0) {
            best = std::max(best, rollAll(free, upper, rollsLeft - 1));
            for (int die = 0; die < 5; ++die)
                best = std::max(best, rollDie(free, upper, dice, die, rollsLeft - 1));
        }
        return afters_[key] = best;
    }

private:
    bool withFuture_;
    std::map<std::tuple<uint16_t, int>, double> starts_;
    std::map<std::tuple<uint16_t, int, int>, double> rollAlls_;
    std::map<std::tuple<uint16_t, int, Faces, int>, double> afters_;
};

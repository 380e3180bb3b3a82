#pragma once

// One player's game played out by an advisor at one strength, with dice from
// a given source: the first roll of a turn rolls all five and puts them in
// order, a single-die roll replaces that die alone, as on a board. The
// strategy's test and bench play it; the game itself never does.

#include "game/Advisor.h"
#include "game/ScoreCard.h"
#include "game/ValueTable.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <utility>

class SoloGame {
public:
    // `nextFace` gives one die's face, 1..6, each time it is called.
    SoloGame(const Advisor& advisor, Strength strength, std::function<int()> nextFace)
        : advisor_(advisor), strength_(strength), nextFace_(std::move(nextFace)) {}

    // Plays until the categories outside `used` are all scored, from a card
    // whose upper cells sum to `upperSum`, and returns the points scored on
    // the way, the bonus included when it is earned on the way.
    int play(uint16_t used = 0, int upperSum = 0) {
        TurnValues turn(advisor_.sets());
        Position position;
        position.used = used;
        position.upperSum = upperSum;
        int points = 0;
        while (position.used != ValueTable::kAllCategories) {
            advisor_.plan(turn, position.used, position.upperSum, strength_);
            rollAll(position.dice);
            position.rollsLeft = TurnValues::kRollsAfterFirst;
            for (;;) {
                const Choice choice = *advisor_.best(turn, position);
                if (choice.kind == Choice::Kind::Score) {
                    const int score = EvaluateCategory(choice.category, position.dice);
                    const int before = position.upperSum;
                    position.used |= uint16_t(1u << categoryIndex(choice.category));
                    if (isUpper(choice.category)) position.upperSum += score;
                    const int earned = score + Totals::bonusEarned(before, position.upperSum);
                    points += earned;
                    position.cardTotal += earned;
                    break;
                }
                if (choice.kind == Choice::Kind::RollAll)
                    rollAll(position.dice);
                else
                    position.dice[size_t(choice.die)] = nextFace_();
                --position.rollsLeft;
            }
        }
        return points;
    }

private:
    void rollAll(Faces& dice) {
        for (int& die : dice) die = nextFace_();
        std::sort(dice.begin(), dice.end());
    }

    const Advisor& advisor_;
    Strength strength_;
    std::function<int()> nextFace_;
};

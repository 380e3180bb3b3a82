#pragma once

#include "game/DiceSets.h"
#include "game/Position.h"
#include "game/Strength.h"
#include "game/TurnValues.h"

#include <optional>
#include <vector>

class ValueTable;

// One thing a player can do after looking at the dice.
struct Choice {
    enum class Kind : int8_t { RollAll, RollDie, Score };

    Kind kind = Kind::RollAll;
    int die = 0;                        // RollDie: the die's index 0..4, in die order
    Category category = Category::Ones; // Score

    static Choice rollAll() { return {}; }
    static Choice rollDie(int die) { return {Kind::RollDie, die, Category::Ones}; }
    static Choice score(Category c) { return {Kind::Score, 0, c}; }
    bool operator==(const Choice&) const = default;
};

struct ValuedChoice {
    Choice choice;
    double value = 0.0;
};


// What each legal choice at a position is worth and which one a player of a
// given strength takes. Perfect play reads a built value table that covers the
// position's free categories; casual play needs no table.
class Advisor {
public:
    explicit Advisor(const ValueTable* table = nullptr);

    // Every legal choice, in this order: roll all (before the first roll the
    // only one), roll die 0..4 (while rolls are left after the first), score each
    // free category in card order. Its value is the final score the player
    // expects after it: for Perfect the exact expectation with perfect play from
    // then on; for Casual the card's total plus this turn's expected points.
    std::vector<ValuedChoice> choices(const Position& position, Strength strength) const;
    // The first choice of the highest value; none when nothing is legal (a
    // full card with no roll left).
    std::optional<Choice> best(const Position& position, Strength strength) const;

    // For several decisions in one turn: plan the turn once for the card's
    // used categories and upper sum, then ask about each roll with the plan.
    void plan(TurnValues& turn, uint16_t used, int upperSum, Strength strength) const;
    std::vector<ValuedChoice> choices(const TurnValues& turn, const Position& position) const;
    std::optional<Choice> best(const TurnValues& turn, const Position& position) const;

    const DiceSets& sets() const { return sets_; }

private:
    const ValueTable* table_;
    DiceSets sets_;
};

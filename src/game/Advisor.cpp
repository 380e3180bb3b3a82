#include "game/Advisor.h"

#include "game/ValueTable.h"

#include <algorithm>

namespace {
int cappedUpperSum(int upperSum) {
    return std::clamp(upperSum, 0, ValueTable::kUpperGoal);
}
} // namespace

Advisor::Advisor(const ValueTable* table) : table_(table) {}

void Advisor::plan(TurnValues& turn, uint16_t used, int upperSum, Strength strength) const {
    const auto free = uint16_t(~used & ValueTable::kAllCategories);
    const int u = cappedUpperSum(upperSum);
    if (strength == Strength::Casual) {
        turn.plan(free, TurnValues::endingsFor(free, u, [](int, int) { return 0.0f; }));
        return;
    }
    Q_ASSERT(table_ && table_->built());
    const ValueTable& table = *table_;
    auto later = [&](int i, int sum) { return table.future(uint16_t(used | (1u << i)), sum); };
    turn.plan(free, TurnValues::endingsFor(free, u, later));
}

std::vector<ValuedChoice> Advisor::choices(const TurnValues& turn, const Position& position) const {
    std::vector<ValuedChoice> all;
    const double total = position.cardTotal;
    const int r = position.rollsLeft;
    if (r >= Position::kBeforeFirstRoll) {
        all.push_back({Choice::rollAll(), total + turn.start()});
        return all;
    }
    const int set = sets_.indexOf(position.dice);
    if (r > 0) {
        all.push_back({Choice::rollAll(), total + turn.rollAll(r)});
        for (int d = 0; d < int(position.dice.size()); ++d)
            all.push_back(
                {Choice::rollDie(d), total + turn.rollOne(r, set, position.dice[size_t(d)])});
    }
    for (Category c : kAllCategories)
        if (turn.free() & (1u << categoryIndex(c)))
            all.push_back({Choice::score(c), total + turn.score(c, set)});
    return all;
}

std::optional<Choice> Advisor::best(const TurnValues& turn, const Position& position) const {
    const auto all = choices(turn, position);
    if (all.empty()) return std::nullopt;
    const auto top = std::max_element(all.begin(), all.end(),
                                      [](auto& a, auto& b) { return a.value < b.value; });
    return top->choice;
}

std::vector<ValuedChoice> Advisor::choices(const Position& position, Strength strength) const {
    TurnValues turn(sets_);
    plan(turn, position.used, position.upperSum, strength);
    return choices(turn, position);
}

std::optional<Choice> Advisor::best(const Position& position, Strength strength) const {
    TurnValues turn(sets_);
    plan(turn, position.used, position.upperSum, strength);
    return best(turn, position);
}

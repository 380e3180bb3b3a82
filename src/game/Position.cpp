#include "game/Position.h"

Position positionOf(const ScoreCard& card, const Faces& dice, int rollsLeft) {
    Position position;
    for (Category c : kAllCategories)
        if (!card.available(c)) position.used |= uint16_t(1u << categoryIndex(c));
    const auto values = card.cellValues();
    for (int i = 0; i < kUpperCount; ++i) position.upperSum += values[size_t(i)];
    position.cardTotal = Countup(card).grand;
    position.dice = dice;
    position.rollsLeft = rollsLeft;
    return position;
}

#pragma once

#include "game/ScoreCard.h"
#include "game/Scoring.h"

#include <cstdint>

// One moment of one player's game, as far as what is still to come depends on
// it: the used categories, the upper cells' sum, the points on the card, the
// dice in die order and the rolls left in the turn.
struct Position {
    static constexpr int kBeforeFirstRoll = 3;

    uint16_t used = 0; // bit i set: category i is used
    int upperSum = 0;  // the six upper cells added up
    int cardTotal = 0; // the card's grand total, bonus included once earned
    Faces dice{6, 6, 6, 6, 6};
    int rollsLeft = kBeforeFirstRoll; // 0..2 after a roll, 3 before the first
};

// The position of a board's card: used = not available, the upper sum and the
// total from the cells' numeric values (as Countup reads them).
Position positionOf(const ScoreCard& card, const Faces& dice, int rollsLeft);

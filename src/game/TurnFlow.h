#pragma once

#include "game/ScoreCard.h"

#include <cstdint>

// What happens after a player has scored: the decision of the end-of-turn
// procedure, without its windows.
struct HandOver {
    bool gameOver = false;  // the last player's card is full at the wrap
    int16_t nextPlayer = 0; // the board whose turn it is next
};

// `current` has just scored; `last` is the index of the last board, whose
// card alone decides the end of the game, and only when play wraps (or after
// every turn with a single player).
HandOver decideHandOver(int16_t current, int16_t last, const ScoreCard& lastPlayersCard);

// The board an opened game hands over from, so that the usual step forward
// lands on the saved player.
int16_t playerBefore(int16_t player, int16_t last);

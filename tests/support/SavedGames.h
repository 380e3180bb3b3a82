#pragma once

#include "storage/SavedGame.h"

// Ann and Bob with every category used, Chance 20 and 21, saved at the first
// player's turn: a game that is over as soon as it is opened, Bob winning.
inline SavedGame finishedTwoPlayerGame() {
    SavedGame game;
    game.LastPlayer = 1;
    for (int16_t i = 0; i < 2; ++i) {
        PlayerRecord r;
        r.name = i == 0 ? "Ann" : "Bob";
        r.index = i;
        r.flags.fill(PlayerRecord::kUsed);
        r.scores[categoryIndex(Category::Chance)] = int16_t(20 + i);
        game.players.push_back(r);
    }
    return game;
}

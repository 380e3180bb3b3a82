#include "game/TurnFlow.h"

HandOver decideHandOver(int16_t current, int16_t last, const ScoreCard& lastPlayersCard) {
    HandOver result;
    if (last == 0) {
        result.gameOver = lastPlayersCard.full();
        result.nextPlayer = current;
        return result;
    }
    int16_t next = static_cast<int16_t>(current + 1);
    if (next > last) {
        if (lastPlayersCard.full()) {
            result.gameOver = true;
            result.nextPlayer = current;
            return result;
        }
        next = 0;
    }
    result.nextPlayer = next;
    return result;
}

int16_t playerBefore(int16_t player, int16_t last) {
    const int16_t before = static_cast<int16_t>(player - 1);
    return before == -1 ? last : before;
}

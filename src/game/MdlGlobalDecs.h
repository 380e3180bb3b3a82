#pragma once

#include <QVariant>

#include <cstdint>
#include <vector>

class FrmMainGame;

namespace MdlGlobalDecs {

// The state the whole program shares, alive from start-up to exit.
struct GameState {
    int16_t LastPlayer = 0;           // index of the last board: players - 1
    int16_t CurrentPlayer = 0;        // index of the board whose turn it is
    std::vector<FrmMainGame*> Boards; // player i's board at i, in entry order
    bool GameInProgress = false;      // a game with boards exists and is not over
    bool SoundsOn = true;             // sound effects are played
    QVariant DialogAnswer;            // what the message dialog left for its caller
};

GameState& state();

// Back to the state of a program that has just started (for tests).
void resetState();

} // namespace MdlGlobalDecs

#include "game/MdlGlobalDecs.h"

namespace MdlGlobalDecs {

namespace {
GameState theState;
}

GameState& state() {
    return theState;
}

void resetState() {
    theState = GameState{};
}

} // namespace MdlGlobalDecs

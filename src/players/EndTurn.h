#pragma once

namespace MdlGlobalDecs {

// Ends the turn of the board that has just scored: recomputes its totals,
// then either ends the game (the last player's card is full when play wraps)
// or hands the turn to the next board and announces its player.
void EndTurn();

} // namespace MdlGlobalDecs

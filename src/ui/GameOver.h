#pragma once

namespace MdlGlobalDecs {

// The end of a game: the result message with the score list and WIN, then
// every final score offered to the Halls, then the high-score window brought
// to the front. Leaves the boards as they are.
void GameOver();

} // namespace MdlGlobalDecs

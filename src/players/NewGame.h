#pragma once

namespace MdlGlobalDecs {

// Sets up a new game: removes a running one, asks whether one or several
// people play and for their names, creates a board per name and gives board
// 0 the turn. At start-up there is no running game to remove.
void StartNewGame();

} // namespace MdlGlobalDecs

#include "players/EndTurn.h"

#include "game/FrmMainGame.h"
#include "game/MdlGlobalDecs.h"
#include "game/TurnFlow.h"
#include "players/FrmNewPlayer.h"
#include "players/PlayerBoards.h"
#include "ui/GameOver.h"

namespace MdlGlobalDecs {

namespace {

FrmMainGame* board(int16_t index) {
    const auto& boards = state().Boards;
    return size_t(index) < boards.size() ? boards[size_t(index)] : nullptr;
}

// The game is over: the result, the Halls, then the finished game cleared.
void finishGame() {
    GameOver();
    ClearGame();
}

} // namespace

void EndTurn() {
    GameState& s = state();
    FrmMainGame* outgoing = board(s.CurrentPlayer);
    FrmMainGame* last = board(s.LastPlayer);
    if (!outgoing || !last) return;
    outgoing->model().Countup();

    const HandOver next = decideHandOver(s.CurrentPlayer, s.LastPlayer, last->model().card());
    if (s.LastPlayer == 0) {
        if (next.gameOver) finishGame();
        return;
    }
    outgoing->model().closeTurn();
    if (next.gameOver) {
        finishGame();
        return;
    }

    s.CurrentPlayer = next.nextPlayer;
    FrmMainGame* incoming = board(s.CurrentPlayer);
    if (!incoming) return;
    BringBoardToFront(s.CurrentPlayer);
    services().events->processEvents();
    AnnounceTurn(incoming->windowTitle());
    incoming->model().setRollEnabled(true);
    PressPlayerButton(s.CurrentPlayer);
}

} // namespace MdlGlobalDecs

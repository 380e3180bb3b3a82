#include "players/NewGame.h"

#include "game/FrmMainGame.h"
#include "game/Limits.h"
#include "game/MdlGlobalDecs.h"
#include "players/PlayerBoards.h"
#include "ui/FrmMessageBox.h"


namespace MdlGlobalDecs {

namespace {

bool playsWithOthers(const QVariant& answer) {
    return answer.typeId() == QMetaType::Int && answer.toInt() == 1;
}

} // namespace

void StartNewGame() {
    GameState& s = state();
    ClearGame();

    if (playsWithOthers(ShowMessageBox(DialogKind::Welcome))) {
        for (;;) {
            const QString name = ShowMessageBox(DialogKind::PlayerNames).toString();
            CreateBoard(s.LastPlayer, name);
            // A name ending in NUL closes the list; so does the last player
            // a game may have.
            if (name.endsWith(QChar(0)) || s.LastPlayer == kMaxPlayers - 1) break;
            ++s.LastPlayer;
        }
    } else {
        CreateBoard(0, ShowMessageBox(DialogKind::OwnName).toString());
    }

    for (int16_t i = 0; i <= s.LastPlayer; ++i) {
        AddPlayerButton(i);
        ShowBoard(i);
        services().events->processEvents();
        if (i > 0) s.Boards[size_t(i)]->model().setRollEnabled(false);
    }
    BringBoardToFront(0);
    s.GameInProgress = true;
    PressPlayerButton(0);
}

} // namespace MdlGlobalDecs

#include "ui/GameOver.h"

#include "game/FrmMainGame.h"
#include "game/GameResult.h"
#include "game/MdlGlobalDecs.h"
#include "ui/FrmHighScores.h"
#include "ui/FrmMessageBox.h"
#include "ui/MDIFrmMainGame.h"
#include "ui/ModalRunner.h"

#include <QPushButton>
#include <QTreeWidget>

namespace MdlGlobalDecs {

namespace {

constexpr int16_t kFallingFigure = 2;

std::vector<PlayerScore> finalScores() {
    const GameState& s = state();
    std::vector<PlayerScore> players;
    for (int i = 0; i <= s.LastPlayer && size_t(i) < s.Boards.size(); ++i) {
        const FrmMainGame* board = s.Boards[size_t(i)];
        if (board) players.push_back({board->windowTitle(), board->model().finalScore()});
    }
    return players;
}

} // namespace

void GameOver() {
    const std::vector<PlayerScore> players = finalScores();
    if (players.empty()) return;
    const GameResult result = computeGameResult(players);

    FrmMessageBox box(MDIFrmMainGame::instance());
    box.setMessage(result.message());
    box.setPicture(kFallingFigure);
    box.setButtonSet(1);
    if (players.size() > 1) {
        box.ListView1->show();
        for (const PlayerScore& p : players)
            new QTreeWidgetItem(box.ListView1, {QString::number(p.score), p.name});
    }
    if (state().SoundsOn) PlayResourceSound(QStringLiteral("WIN"));
    box.setKind(DialogKind::Notice);
    box.focusFirstControl();
    modalRunner().run(box);

    MDIFrmMainGame* main = MDIFrmMainGame::instance();
    if (!main) return;
    main->highScores()->halls().EnterFinalScores(players);
    main->showHighScores();
}

} // namespace MdlGlobalDecs

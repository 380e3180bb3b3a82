#include "game/GameResult.h"

#include "game/Text.h"

namespace {
const QString kGameOver = QStringLiteral("Game over.");
const QString kWellPlayed = QStringLiteral(". Well played!");
} // namespace

QString GameResult::message() const {
    return kGameOver + CR + resultLine;
}

GameResult computeGameResult(const std::vector<PlayerScore>& players) {
    GameResult result;
    if (players.empty()) return result;

    result.TopScore = players[0].score;
    result.Leaders = {players[0].name};
    for (size_t i = 1; i < players.size(); ++i) {
        if (players[i].score > result.TopScore) {
            result.TopScore = players[i].score;
            result.Leaders = {players[i].name};
            result.TieCount = 0;
        } else if (players[i].score == result.TopScore) {
            ++result.TieCount;
            result.Leaders.append(players[i].name);
        }
    }

    const QString n = QString::number(result.TopScore);
    const auto lastPlayer = static_cast<qsizetype>(players.size()) - 1;
    if (result.TieCount == 0) {
        result.resultLine =
            result.Leaders[0] + QStringLiteral(" wins the game with a score of ") + n + kWellPlayed;
    } else if (result.TieCount == lastPlayer) {
        result.resultLine = QStringLiteral("All ") + QString::number(players.size()) +
                            QStringLiteral(" players scored ") + n +
                            QStringLiteral(" and therefore drew") + kWellPlayed;
    } else {
        const QStringList allButLast = result.Leaders.first(result.TieCount);
        result.resultLine = QStringLiteral("The game was drawn between ") +
                            allButLast.join(QStringLiteral(", ")) + QStringLiteral(" and ") +
                            result.Leaders.last() + QStringLiteral(", sharing a score of ") + n +
                            kWellPlayed;
    }
    return result;
}

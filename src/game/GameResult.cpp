#include "game/GameResult.h"

#include "game/Text.h"

QString GameResult::message() const {
    return tr("Game over.") + CR + resultLine;
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
    // Names go in with the score in one pass, so that a name holding "%1"
    // stays as it was typed.
    if (result.TieCount == 0) {
        //: %1 is the winner's name, %2 the winning score.
        result.resultLine = GameResult::tr("%1 wins the game with a score of %2. Well played!")
                                .arg(result.Leaders[0], n);
    } else if (result.TieCount == lastPlayer) {
        //: %n is the number of players (always 2 or more), %1 the score they share.
        result.resultLine =
            GameResult::tr("All %n players scored %1 and therefore drew. Well played!", "",
                           static_cast<int>(players.size()))
                .arg(n);
    } else {
        const QStringList allButLast = result.Leaders.first(result.TieCount);
        //: Joins the names of the players who drew, all but the last two
        //: (those are joined by "and" in the sentence that lists them).
        const QString names = allButLast.join(GameResult::tr(", "));
        //: %1 is a list of names ("Ann, Bob"), %2 the last name, %3 the score they share.
        result.resultLine =
            GameResult::tr(
                "The game was drawn between %1 and %2, sharing a score of %3. Well played!")
                .arg(names, result.Leaders.last(), n);
    }
    return result;
}

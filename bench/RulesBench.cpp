// How fast the rules alone play: a thousand four-player games through the board
// model, the hand-over decision and the game result, with no window, no sound
// and a clock that moves on by half a second each time the animation yields, so
// that a roll costs one pass over the dice instead of 1.42 real seconds. The
// random numbers come from the game's own generator, reseeded as in play.
//
// Every game is checked as it ends: sixty turns, four full cards, and a result
// that names the best score. Exit status: 0 when the target is met, 1 when it
// is missed, 2 when a game went wrong.

#include "game/Board.h"
#include "game/GameResult.h"
#include "game/TurnFlow.h"
#include "support/Fakes.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kGames = 1000;
constexpr int kPlayers = 4;
constexpr double kTargetMs = 500.0; // well under a second
// A score this good is kept instead of rolling again.
constexpr int kGoodEnough = 20;

// The best free category for the dice: the highest score, the first in card
// order among equals, and the first free one when nothing scores.
Category bestCategory(const Board& board, int* score) {
    const Faces faces = board.faces();
    Category best = Category::Ones;
    int bestScore = -1;
    for (Category c : kAllCategories) {
        if (!board.card().available(c)) continue;
        const int s = EvaluateCategory(c, faces);
        if (s > bestScore) {
            best = c;
            bestScore = s;
        }
    }
    *score = bestScore;
    return best;
}

// A die outside the largest group of equal faces, or -1 when all are equal.
int16_t dieToReroll(const Board& board) {
    const Faces faces = board.faces();
    std::array<int, 7> counts{};
    for (int f : faces) ++counts[f];
    int keep = 1;
    for (int f = 1; f <= 6; ++f)
        if (counts[f] >= counts[keep]) keep = f;
    for (int16_t i = 0; i < Board::kDice; ++i)
        if (faces[i] != keep) return i;
    return -1;
}

// One turn: roll, then roll all again or a single die while it pays, then score.
void playTurn(Board& board) {
    board.rollAll();
    int score = 0;
    bestCategory(board, &score);
    while (board.rollsLeft() > 0 && score < kGoodEnough) {
        const int16_t die = dieToReroll(board);
        if (board.rollsLeft() == 2 || die < 0)
            board.rollAll();
        else
            board.clickDie(die);
        bestCategory(board, &score);
    }
    const Category best = bestCategory(board, &score);
    board.commitScore(best, board.scoreFor(best));
}

struct Outcome {
    bool sound = false;
    int16_t topScore = 0;
    bool drawn = false;
};

Outcome playGame(const Services& seams) {
    std::vector<std::unique_ptr<Board>> boards;
    for (int p = 0; p < kPlayers; ++p) boards.push_back(std::make_unique<Board>(seams));
    const auto last = static_cast<int16_t>(kPlayers - 1);
    int16_t current = 0;
    bool over = false;
    int turns = 0;
    for (auto& b : boards) {
        Board& board = *b;
        if (&board != boards.front().get()) board.setRollEnabled(false);
        QObject::connect(&board, &Board::scored, [&, &board = board](Category) {
            ++turns;
            board.Countup();
            const HandOver next = decideHandOver(current, last, boards[size_t(last)]->card());
            board.closeTurn();
            if (next.gameOver) {
                over = true;
                return;
            }
            current = next.nextPlayer;
            boards[size_t(current)]->setRollEnabled(true);
        });
    }
    while (!over && turns <= kPlayers * kCategoryCount) playTurn(*boards[size_t(current)]);

    std::vector<PlayerScore> scores;
    for (int p = 0; p < kPlayers; ++p)
        scores.push_back({QStringLiteral("Player %1").arg(p + 1), boards[size_t(p)]->finalScore()});
    const GameResult result = computeGameResult(scores);

    Outcome outcome;
    const auto best = std::max_element(scores.begin(), scores.end(),
                                       [](auto& a, auto& b) { return a.score < b.score; });
    outcome.sound =
        over && turns == kPlayers * kCategoryCount &&
        std::all_of(boards.begin(), boards.end(), [](auto& b) { return b->card().full(); }) &&
        result.TopScore == best->score && !result.Leaders.isEmpty();
    outcome.topScore = result.TopScore;
    outcome.drawn = result.TieCount > 0;
    return outcome;
}

} // namespace

int main() {
    FakeServices fakes;
    fakes.clock.wrapAtMidnight = true; // the seeds move on with the clock
    fakes.sound.setOn(false);
    XoshiroRandom random;
    const Services seams{&fakes.clock, &random, &fakes.sound, &fakes.events};

    long long winningTotal = 0;
    int draws = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int g = 0; g < kGames; ++g) {
        const Outcome outcome = playGame(seams);
        if (!outcome.sound) {
            std::fprintf(stderr, "game %d did not end as the rules say\n", g + 1);
            return 2;
        }
        winningTotal += outcome.topScore;
        draws += outcome.drawn ? 1 : 0;
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    const bool met = ms < kTargetMs;
    std::printf("rules      %d games %7.1f ms   reference %7.1f ms (target)   ratio %.2f   "
                "target <  %.0f   %s\n",
                kGames, ms, kTargetMs, ms / kTargetMs, kTargetMs, met ? "met" : "MISSED");
    std::printf("%-10s (%d players, %d turns each game; mean winning score %.1f; %d drawn)\n", "",
                kPlayers, kPlayers * kCategoryCount, double(winningTotal) / kGames, draws);
    return met ? 0 : 1;
}

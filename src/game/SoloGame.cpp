#include "game/SoloGame.h"

#include "game/ScoreCard.h"
#include "game/ValueTable.h"

#include <algorithm>
#include <utility>

SoloGame::SoloGame(const Advisor& advisor, Strength strength, std::function<int()> nextFace)
    : advisor_(advisor), strength_(strength), nextFace_(std::move(nextFace)) {}

void SoloGame::rollAll(Faces& dice) {
    for (int& die : dice) die = nextFace_();
    std::sort(dice.begin(), dice.end());
}

int SoloGame::play(uint16_t used, int upperSum) {
    TurnValues turn(advisor_.sets());
    Position position;
    position.used = used;
    position.upperSum = upperSum;
    int points = 0;
    while (position.used != ValueTable::kAllCategories) {
        advisor_.plan(turn, position.used, position.upperSum, strength_);
        rollAll(position.dice);
        position.rollsLeft = TurnValues::kRollsAfterFirst;
        for (;;) {
            const Choice choice = *advisor_.best(turn, position);
            if (choice.kind == Choice::Kind::Score) {
                const int score = EvaluateCategory(choice.category, position.dice);
                const bool wasShort = position.upperSum <= Totals::kBonusThreshold;
                position.used |= uint16_t(1u << categoryIndex(choice.category));
                if (isUpper(choice.category)) position.upperSum += score;
                const bool bonus = wasShort && position.upperSum > Totals::kBonusThreshold;
                points += score + (bonus ? Totals::kBonus : 0);
                position.cardTotal += score + (bonus ? Totals::kBonus : 0);
                break;
            }
            if (choice.kind == Choice::Kind::RollAll)
                rollAll(position.dice);
            else
                position.dice[size_t(choice.die)] = nextFace_();
            --position.rollsLeft;
        }
    }
    return points;
}

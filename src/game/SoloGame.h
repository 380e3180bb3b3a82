#pragma once

#include "game/Advisor.h"

#include <cstdint>
#include <functional>

// One player's game played out by an advisor at one strength, with dice from
// a given source: the first roll of a turn rolls all five and puts them in
// order, a single-die roll replaces that die alone, as on a board.
class SoloGame {
public:
    // `nextFace` gives one die's face, 1..6, each time it is called.
    SoloGame(const Advisor& advisor, Strength strength, std::function<int()> nextFace);

    // Plays until the categories outside `used` are all scored, from a card
    // whose upper cells sum to `upperSum`, and returns the points scored on
    // the way, the bonus included when it is earned on the way.
    int play(uint16_t used = 0, int upperSum = 0);

private:
    void rollAll(Faces& dice);

    const Advisor& advisor_;
    Strength strength_;
    std::function<int()> nextFace_;
};

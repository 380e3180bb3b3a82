#pragma once

#include <cstdint>

// How well a computer player plays.
enum class Strength : uint8_t {
    Perfect, // the highest expected final score, from the value table
    Casual,  // the most points this turn, on average, with no thought for later turns
};

#pragma once

#include "game/Category.h"

#include <array>

using Faces = std::array<int, 5>;

// The score the five face values (each 1..6, in die order) make in the
// category: 0 when they do not qualify, otherwise 1..50.
int EvaluateCategory(Category category, const Faces& faces);

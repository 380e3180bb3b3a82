#pragma once

#include <QRect>

// Windows are laid out in twips, 15 to the pixel.
constexpr QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

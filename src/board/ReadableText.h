#pragma once

#include <QColor>

class QWidget;

// Text in a colour of the game's own (the red of the score cells, the blue of
// the announcement) on a ground the desktop's palette gives. On a light
// ground the game's colour is used as it is; on a dark one (a dark colour
// scheme) it is lightened, keeping its hue, until it stands out from the
// ground by 4.5:1, WCAG AA's measure for text.
namespace ReadableText {

inline constexpr double kMinimumContrast = 4.5;

// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrast(const QColor& a, const QColor& b);

// `chosen` as drawn on `ground`.
QColor on(const QColor& chosen, const QColor& ground);

// Draws `widget`'s text (its foreground role) in `chosen` as drawn on its
// background role, now and again whenever its palette changes.
void keep(QWidget* widget, const QColor& chosen);

} // namespace ReadableText

#pragma once

#include <QChar>

// Multi-line messages join their lines with this single character, never
// with a carriage return and line feed pair.
inline constexpr QChar CR{u'\r'};

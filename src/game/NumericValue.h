#pragma once

#include <QStringView>

#include <cstdint>

// Reads a caption or tag back as a number, the way the game stores all its
// numbers: leading blanks are skipped, the longest leading number is taken
// (sign, digits, decimal point, exponent), and a text without a number gives 0.
double numericValue(QStringView text);

// numericValue rounded to the nearest whole number (halves to even) and
// clamped into the signed 16-bit range.
int16_t numericValue16(QStringView text);

#include "game/NumericValue.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Whole numbers of up to this many digits are below 2^53.
constexpr qsizetype kExactDigits = 15;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

qsizetype skipDigits(QStringView text, qsizetype i) {
    while (i < text.size() && isDigit(text[i])) ++i;
    return i;
}

} // namespace

double numericValue(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    const qsizetype start = i;

    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
    const qsizetype intStart = i;
    i = skipDigits(text, i);
    bool anyDigit = i > intStart;

    // Nearly every text the game reads back is a short whole number (a tag, a
    // cell, a face). Up to 15 digits it is exact in a double, so it is added up
    // here rather than copied out and handed to the general parser.
    const bool moreToRead =
        i < text.size() && (text[i] == u'.' || text[i] == u'e' || text[i] == u'E');
    if (anyDigit && !moreToRead && i - intStart <= kExactDigits) {
        int64_t whole = 0;
        for (qsizetype k = intStart; k < i; ++k) whole = whole * 10 + (text[k].unicode() - u'0');
        const double value = static_cast<double>(whole);
        return negative ? -value : value;
    }
    if (i < text.size() && text[i] == u'.') {
        const qsizetype fracStart = i + 1;
        const qsizetype fracEnd = skipDigits(text, fracStart);
        if (anyDigit || fracEnd > fracStart) {
            anyDigit = true;
            i = fracEnd;
        }
    }
    if (!anyDigit) return 0.0;

    // An exponent counts only when at least one digit follows it.
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) ++j;
        const qsizetype expEnd = skipDigits(text, j);
        if (expEnd > j) i = expEnd;
    }

    bool ok = false;
    const double value = text.sliced(start, i - start).toString().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

int16_t numericValue16(QStringView text) {
    const double rounded = std::nearbyint(numericValue(text));
    const double lo = std::numeric_limits<int16_t>::min();
    const double hi = std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(std::clamp(rounded, lo, hi));
}

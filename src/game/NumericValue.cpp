#include "game/NumericValue.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

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

    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
    const qsizetype intStart = i;
    i = skipDigits(text, i);
    bool anyDigit = i > intStart;
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

#include "game/ScoreCard.h"

#include "game/NumericValue.h"

ScoreCard::ScoreCard() {
    tags_.fill(kAvailableTag);
}

bool ScoreCard::available(Category c) const {
    return numericValue(tag(c)) != 0.0;
}

bool ScoreCard::full() const {
    for (Category c : kAllCategories)
        if (available(c)) return false;
    return true;
}

void ScoreCard::commit(Category c, int score) {
    const QString number = QString::number(score);
    setCellText(c, hasLeadingBlank(c) ? u' ' + number : number);
    setTag(c, kUsedTag);
}

void ScoreCard::reopenAll() {
    tags_.fill(kAvailableTag);
}

std::array<int, kCategoryCount> ScoreCard::cellValues() const {
    std::array<int, kCategoryCount> values{};
    for (int i = 0; i < kCategoryCount; ++i) values[i] = numericValue16(cells_[i]);
    return values;
}

QString Totals::upperText() const {
    return kUpperTotalPrefix + QString::number(upper);
}
QString Totals::grandText() const {
    return kGrandTotalPrefix + QString::number(grand);
}

Totals Countup(const ScoreCard& card) {
    const auto values = card.cellValues();
    Totals totals;
    int t = 0;
    for (int i = 0; i < kUpperCount; ++i) t += values[i];
    t += Totals::bonusFor(t);
    totals.upper = t;
    for (int i = kUpperCount; i < kCategoryCount; ++i) t += values[i];
    totals.grand = t;
    return totals;
}

int16_t scoreFromGrandTotalText(const QString& text) {
    return numericValue16(QStringView(text).mid(kGrandTotalPrefix.size()));
}

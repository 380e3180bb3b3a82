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
    //: Under the six upper categories; %1 is their sum with the bonus.
    //: The blank after the colon is part of the look.
    return tr("1-6 Total: %1").arg(upper);
}
QString Totals::grandText() const {
    //: Under the card; %1 is the sum of every category with the bonus.
    return tr("Total: %1").arg(grand);
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

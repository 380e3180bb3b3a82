#pragma once

#include "game/Category.h"

#include <QCoreApplication>
#include <QString>

#include <array>

// The fifteen categories of one board. A category's availability is kept as
// its button's tag text ("-1" free, "0" used) and its score only as the text
// of its cell; every total is recomputed from those texts.
class ScoreCard {
public:
    static inline const QString kAvailableTag = QStringLiteral("-1");
    static inline const QString kUsedTag = QStringLiteral("0");

    ScoreCard();

    const QString& tag(Category c) const { return tags_[categoryIndex(c)]; }
    const QString& cellText(Category c) const { return cells_[categoryIndex(c)]; }
    void setTag(Category c, const QString& tag) { tags_[categoryIndex(c)] = tag; }
    void setCellText(Category c, const QString& text) { cells_[categoryIndex(c)] = text; }

    // The tag read as a Boolean: any non-zero number means available.
    bool available(Category c) const;
    bool full() const;

    // Writes the score as play does (" 12" for the upper cells and Chance,
    // "12" for the rest) and uses the category up.
    void commit(Category c, int score);

    // Makes every category available again; cells keep their texts.
    void reopenAll();

    // The numeric value of every cell, in card order.
    std::array<int, kCategoryCount> cellValues() const;

private:
    std::array<QString, kCategoryCount> tags_;
    std::array<QString, kCategoryCount> cells_;
};

// The two totals shown under a card, recomputed from its cell texts.
struct Totals {
    Q_DECLARE_TR_FUNCTIONS(Totals)

public:
    int upper = 0; // the upper cells, with the bonus once they reach kBonusGoal
    int grand = 0; // upper (bonus included) plus the nine lower cells

    // The bonus rule, the one place it is written: upper cells that add up to
    // 63 or more earn 25 points.
    static constexpr int kBonusGoal = 63;
    static constexpr int kBonus = 25;
    static constexpr int bonusFor(int upperSum) { return upperSum >= kBonusGoal ? kBonus : 0; }
    // The bonus a score earns that lifts the upper sum from `before` to `after`.
    static constexpr int bonusEarned(int before, int after) {
        return bonusFor(after) - bonusFor(before);
    }

    // The captions under the card, in the player's language.
    QString upperText() const; // "1-6 Total: 88"
    QString grandText() const; // "Total: 190"
};

Totals Countup(const ScoreCard& card);

// The English grand-total caption's beginning.
inline const QString kGrandTotalPrefix = QStringLiteral("Total: ");

// A final score read back from an English grand-total caption: the 7-character prefix
// is dropped and the rest parsed as a signed 16-bit whole number.
int16_t scoreFromGrandTotalText(const QString& text);

#include "game/Category.h"

#include <QCoreApplication>

const std::array<Category, kCategoryCount> kAllCategories = [] {
    std::array<Category, kCategoryCount> all{};
    for (int i = 0; i < kCategoryCount; ++i) all[i] = categoryAt(i);
    return all;
}();

namespace {

// The captions of the buttons. The face values and the game's own name stay
// as they are in every language.
const std::array<const char*, kCategoryCount> kCaptions = {
    "1", "2", "3", "4", "5", "6",
    //: Category button: two dice the same; scores their sum.
    QT_TRANSLATE_NOOP("Category", "1 Pair"),
    //: Category button: two pairs of different values; scores the sum of the four dice.
    QT_TRANSLATE_NOOP("Category", "2 Pairs"),
    //: Category button: three dice the same; scores their sum.
    QT_TRANSLATE_NOOP("Category", "3 of a Kind"),
    //: Category button: four dice the same; scores their sum.
    QT_TRANSLATE_NOOP("Category", "4 of a Kind"),
    //: Category button: the dice 1 to 5; scores 15.
    QT_TRANSLATE_NOOP("Category", "Low Straight"),
    //: Category button: the dice 2 to 6; scores 20.
    QT_TRANSLATE_NOOP("Category", "High Straight"),
    //: Category button: three of one value and two of another; scores the sum of the dice.
    QT_TRANSLATE_NOOP("Category", "Full House"),
    //: Category button: any dice; scores the sum of the dice.
    QT_TRANSLATE_NOOP("Category", "Chance"),
    "Vorka", // the game's own name, borne by five of a kind
};

// How a screen reader and a message name the upper categories.
const std::array<const char*, kUpperCount> kUpperNames = {
    //: Category name (its button shows "1"): scores the sum of the dice showing 1.
    QT_TRANSLATE_NOOP("Category", "Ones"),
    //: Category name (its button shows "2"): scores the sum of the dice showing 2.
    QT_TRANSLATE_NOOP("Category", "Twos"),
    //: Category name (its button shows "3"): scores the sum of the dice showing 3.
    QT_TRANSLATE_NOOP("Category", "Threes"),
    //: Category name (its button shows "4"): scores the sum of the dice showing 4.
    QT_TRANSLATE_NOOP("Category", "Fours"),
    //: Category name (its button shows "5"): scores the sum of the dice showing 5.
    QT_TRANSLATE_NOOP("Category", "Fives"),
    //: Category name (its button shows "6"): scores the sum of the dice showing 6.
    QT_TRANSLATE_NOOP("Category", "Sixes"),
};

} // namespace

QString categoryCaption(Category c) {
    const char* caption = kCaptions[categoryIndex(c)];
    if (isUpper(c) || c == Category::Vorka) return QString::fromLatin1(caption);
    return QCoreApplication::translate("Category", caption);
}

QString categoryName(Category c) {
    return isUpper(c) ? QCoreApplication::translate("Category", kUpperNames[categoryIndex(c)])
                      : categoryCaption(c);
}

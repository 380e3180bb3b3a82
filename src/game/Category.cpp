#include "game/Category.h"

const std::array<Category, kCategoryCount> kAllCategories = [] {
    std::array<Category, kCategoryCount> all{};
    for (int i = 0; i < kCategoryCount; ++i) all[i] = categoryAt(i);
    return all;
}();

QString categoryCaption(Category c) {
    static const std::array<const char*, kCategoryCount> captions = {
        "1",
        "2",
        "3",
        "4",
        "5",
        "6",
        "1 Pair",
        "2 Pairs",
        "3 of a Kind",
        "4 of a Kind",
        "Low Straight",
        "High Straight",
        "Full House",
        "Chance",
        "Vorka",
    };
    return QString::fromLatin1(captions[categoryIndex(c)]);
}

QString categoryName(Category c) {
    static const std::array<const char*, kUpperCount> upper = {"Ones",  "Twos",  "Threes",
                                                               "Fours", "Fives", "Sixes"};
    return isUpper(c) ? QString::fromLatin1(upper[categoryIndex(c)]) : categoryCaption(c);
}

#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The fifteen categories of a score card, in card order.
enum class Category : int8_t {
    Ones,
    Twos,
    Threes,
    Fours,
    Fives,
    Sixes,
    OnePair,
    TwoPairs,
    ThreeOfAKind,
    FourOfAKind,
    LowStraight,
    HighStraight,
    FullHouse,
    Chance,
    Vorka,
};

inline constexpr int kCategoryCount = 15;
inline constexpr int kUpperCount = 6;

constexpr int categoryIndex(Category c) {
    return static_cast<int>(c);
}
constexpr Category categoryAt(int index) {
    return static_cast<Category>(index);
}

constexpr bool isUpper(Category c) {
    return categoryIndex(c) < kUpperCount;
}

// Upper cells and Chance are written with one leading blank (" 12"),
// the other eight lower cells as the plain number ("12").
constexpr bool hasLeadingBlank(Category c) {
    return isUpper(c) || c == Category::Chance;
}

// The caption of the category's button ("1" .. "6", "1 Pair", ...), in the
// player's language.
QString categoryCaption(Category c);

// The category's name as a screen reader says it ("Ones", "1 Pair", ...),
// in the player's language (translation context "Category").
QString categoryName(Category c);

// All fifteen categories in card order, for range-for loops.
extern const std::array<Category, kCategoryCount> kAllCategories;

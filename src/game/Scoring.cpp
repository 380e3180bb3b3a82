#include "game/Scoring.h"

#include <algorithm>
#include <numeric>

namespace {

std::array<int, 7> countPerValue(const Faces& faces) {
    std::array<int, 7> counts{};
    for (int f : faces) ++counts[f];
    return counts;
}

int sum(const Faces& faces) {
    return std::accumulate(faces.begin(), faces.end(), 0);
}

int upper(int value, const Faces& faces) {
    return value * static_cast<int>(std::count(faces.begin(), faces.end(), value));
}

// The highest value that shows on at least two dice.
int onePair(const Faces& faces) {
    const auto counts = countPerValue(faces);
    for (int v = 6; v >= 1; --v)
        if (counts[v] >= 2) return 2 * v;
    return 0;
}

// Pairs are formed greedily in die order; both pairs may share a value.
int twoPairs(const Faces& faces) {
    std::array<bool, 5> paired{};
    int pairs = 0;
    int score = 0;
    for (int a = 0; a < 5; ++a) {
        if (paired[a]) continue;
        for (int b = 0; b < 5; ++b) {
            if (b == a || paired[b] || faces[b] != faces[a]) continue;
            paired[a] = paired[b] = true;
            ++pairs;
            score += 2 * faces[a];
            break;
        }
    }
    return pairs == 2 ? score : 0;
}

// The first value, ascending, shown on at least `size` dice, times `size`.
int ofAKind(int size, const Faces& faces) {
    const auto counts = countPerValue(faces);
    for (int v = 1; v <= 6; ++v)
        if (counts[v] >= size) return size * v;
    return 0;
}

int straight(int lowest, int score, const Faces& faces) {
    Faces sorted = faces;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 5; ++i)
        if (sorted[i] != lowest + i) return 0;
    return score;
}

// At most two distinct values, walked from die 0.
int fullHouse(const Faces& faces) {
    const int a = faces[0];
    int b = 0;
    for (int i = 1; i < 5; ++i) {
        const int v = faces[i];
        if (v == a || v == b) continue;
        if (b != 0) return 0;
        b = v;
    }
    return sum(faces);
}

int vorka(const Faces& faces) {
    for (int i = 1; i < 5; ++i)
        if (faces[i] != faces[0]) return 0;
    return 50;
}

} // namespace

int EvaluateCategory(Category category, const Faces& faces) {
    switch (category) {
    case Category::Ones:
    case Category::Twos:
    case Category::Threes:
    case Category::Fours:
    case Category::Fives:
    case Category::Sixes:
        return upper(categoryIndex(category) + 1, faces);
    case Category::OnePair:
        return onePair(faces);
    case Category::TwoPairs:
        return twoPairs(faces);
    case Category::ThreeOfAKind:
        return ofAKind(3, faces);
    case Category::FourOfAKind:
        return ofAKind(4, faces);
    case Category::LowStraight:
        return straight(1, 15, faces);
    case Category::HighStraight:
        return straight(2, 20, faces);
    case Category::FullHouse:
        return fullHouse(faces);
    case Category::Chance:
        return sum(faces);
    case Category::Vorka:
        return vorka(faces);
    }
    return 0;
}

#include "game/Scoring.h"

#include <QTest>

Q_DECLARE_METATYPE(Category)

namespace {
Faces parse(const char* dice) {
    Faces f{};
    for (int i = 0; i < 5; ++i) f[i] = dice[2 * i] - '0';
    return f;
}
} // namespace

class ScoringTest : public QObject {
    Q_OBJECT
private slots:
    void evaluate_data() {
        QTest::addColumn<Category>("category");
        QTest::addColumn<QString>("dice");
        QTest::addColumn<int>("score");
        auto row = [](const char* name, Category c, const char* dice, int score) {
            QTest::newRow(name) << c << QString::fromLatin1(dice) << score;
        };
        using C = Category;
        row("ones 1-1-3-1-6", C::Ones, "1-1-3-1-6", 3);
        row("sixes five sixes", C::Sixes, "6-6-6-6-6", 30);
        row("twos none", C::Twos, "1-3-4-5-6", 0);
        row("fours", C::Fours, "4-1-4-2-4", 12);
        row("pair higher value beats larger group", C::OnePair, "3-3-5-5-5", 10);
        row("pair 2-2-6-6-1", C::OnePair, "2-2-6-6-1", 12);
        row("pair 3-3-5-5-1", C::OnePair, "3-3-5-5-1", 10);
        row("pair from three of a kind", C::OnePair, "4-4-4-2-1", 8);
        row("pair none", C::OnePair, "1-2-3-4-6", 0);
        row("pair scattered", C::OnePair, "6-1-2-6-1", 12);
        row("two pairs 3-3-5-5-1", C::TwoPairs, "3-3-5-5-1", 16);
        row("two pairs from four of a kind", C::TwoPairs, "2-2-2-2-6", 8);
        row("two pairs from five of a kind", C::TwoPairs, "6-6-6-6-6", 24);
        row("two pairs full house", C::TwoPairs, "3-3-3-5-5", 16);
        row("two pairs scattered", C::TwoPairs, "5-3-1-3-5", 16);
        row("two pairs one pair only", C::TwoPairs, "2-2-3-4-5", 0);
        row("two pairs three and singles", C::TwoPairs, "4-4-4-1-2", 0);
        row("three of a kind", C::ThreeOfAKind, "5-5-5-2-1", 15);
        row("three of a kind from five", C::ThreeOfAKind, "4-4-4-4-4", 12);
        row("three of a kind two pairs", C::ThreeOfAKind, "4-4-2-2-1", 0);
        row("three of a kind scattered", C::ThreeOfAKind, "2-6-2-1-2", 6);
        row("four of a kind", C::FourOfAKind, "2-2-2-2-6", 8);
        row("four of a kind from five", C::FourOfAKind, "6-6-6-6-6", 24);
        row("four of a kind full house", C::FourOfAKind, "3-3-3-5-5", 0);
        row("low straight shuffled", C::LowStraight, "5-4-3-1-2", 15);
        row("low straight ordered", C::LowStraight, "1-2-3-4-5", 15);
        row("low straight broken", C::LowStraight, "1-2-3-4-6", 0);
        row("low straight is not high", C::HighStraight, "1-2-3-4-5", 0);
        row("high straight shuffled", C::HighStraight, "6-2-5-3-4", 20);
        row("high straight with pair", C::HighStraight, "2-3-4-5-5", 0);
        row("full house 3+2", C::FullHouse, "3-3-3-5-5", 19);
        row("full house 4+1", C::FullHouse, "2-2-2-2-5", 13);
        row("full house five of a kind", C::FullHouse, "4-4-4-4-4", 20);
        row("full house three values", C::FullHouse, "2-2-3-4-4", 0);
        row("full house second value on die 4", C::FullHouse, "5-5-5-5-1", 21);
        row("full house mixed order", C::FullHouse, "5-2-5-2-2", 16);
        row("full house third value last", C::FullHouse, "1-1-2-2-3", 0);
        row("chance", C::Chance, "1-2-3-4-5", 15);
        row("chance lowest", C::Chance, "1-1-1-1-1", 5);
        row("vorka", C::Vorka, "4-4-4-4-4", 50);
        row("vorka one off", C::Vorka, "4-4-4-4-3", 0);
        row("vorka first off", C::Vorka, "3-4-4-4-4", 0);
    }
    void evaluate() {
        QFETCH(Category, category);
        QFETCH(QString, dice);
        QFETCH(int, score);
        QCOMPARE(EvaluateCategory(category, parse(dice.toLatin1().constData())), score);
    }

    // Every rule depends only on the multiset of the faces: all 120
    // orderings of each of a few hands score the same in every category.
    void orderDoesNotMatter() {
        const Faces hands[] = {{3, 3, 5, 5, 5}, {2, 2, 2, 2, 6}, {1, 2, 3, 4, 5}, {4, 4, 2, 2, 1},
                               {6, 6, 1, 1, 3}, {2, 3, 4, 5, 6}, {5, 5, 5, 5, 5}, {1, 1, 2, 3, 3}};
        for (Faces hand : hands) {
            std::sort(hand.begin(), hand.end());
            for (Category c : kAllCategories) {
                const int expected = EvaluateCategory(c, hand);
                Faces p = hand;
                do {
                    QCOMPARE(EvaluateCategory(c, p), expected);
                } while (std::next_permutation(p.begin(), p.end()));
            }
        }
    }

    // Chance never scores 0, so it never asks for a confirmation.
    void chanceNeverZero() {
        for (int a = 1; a <= 6; ++a)
            for (int b = 1; b <= 6; ++b)
                QVERIFY(EvaluateCategory(Category::Chance, {a, b, 1, 1, 1}) >= 5);
    }
};

QTEST_APPLESS_MAIN(ScoringTest)
#include "ScoringTest.moc"

#include "game/Advisor.h"
#include "game/ValueTable.h"

#include "support/SoloGame.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr double kTolerance = 1e-3;
constexpr uint16_t kAll = ValueTable::kAllCategories;

uint16_t maskOf(std::initializer_list<Category> categories) {
    uint16_t mask = 0;
    for (Category c : categories) mask |= uint16_t(1u << categoryIndex(c));
    return mask;
}

Position at(uint16_t used, int upper, int total, Faces dice, int rollsLeft) {
    Position p;
    p.used = used;
    p.upperSum = upper;
    p.cardTotal = total;
    p.dice = dice;
    p.rollsLeft = rollsLeft;
    return p;
}

double bestValue(const std::vector<ValuedChoice>& choices) {
    double best = -1e9;
    for (const auto& c : choices) best = std::max(best, c.value);
    return best;
}

} // namespace

class AdvisorTest : public QObject {
    Q_OBJECT
private slots:
    // Before the first roll only rolling all is allowed; after it rolling all,
    // rolling any one die while rolls are left, or scoring a free category.
    void legalChoices_data() {
        QTest::addColumn<int>("rollsLeft");
        QTest::addColumn<int>("rolls");
        QTest::newRow("before the first roll") << 3 << 1;
        QTest::newRow("two rolls left") << 2 << 6;
        QTest::newRow("one roll left") << 1 << 6;
        QTest::newRow("no roll left") << 0 << 0;
    }
    void legalChoices() {
        QFETCH(int, rollsLeft);
        QFETCH(int, rolls);
        const Advisor advisor;
        const uint16_t used = maskOf({Category::Twos, Category::Chance, Category::Vorka});
        const auto choices =
            advisor.choices(at(used, 2, 2, {4, 1, 4, 6, 2}, rollsLeft), Strength::Casual);
        std::vector<Choice> expected;
        if (rolls > 0) expected.push_back(Choice::rollAll());
        for (int d = 0; rolls > 1 && d < 5; ++d) expected.push_back(Choice::rollDie(d));
        for (Category c : kAllCategories)
            if (rollsLeft < 3 && !(used & maskOf({c}))) expected.push_back(Choice::score(c));
        QCOMPARE(int(choices.size()), int(expected.size()));
        for (size_t i = 0; i < expected.size(); ++i) QVERIFY(choices[i].choice == expected[i]);
    }

    // A full card (reopened cards aside, the end of the game) leaves nothing
    // to score and nothing to choose once the rolls are gone.
    void fullCard() {
        const Advisor advisor;
        QVERIFY(!advisor.best(at(kAll, 63, 200, {1, 2, 3, 4, 5}, 0), Strength::Casual));
        const auto choices =
            advisor.choices(at(kAll, 63, 200, {1, 2, 3, 4, 5}, 1), Strength::Casual);
        QCOMPARE(int(choices.size()), 6);
        for (const auto& c : choices) QCOMPARE(c.value, 200.0);
    }

    // Each choice is worth what follows it: the mean over the roll's outcomes
    // (all 7776 of five dice, put in order as the board does, or the six faces
    // of the one die, left in place) of the best choice then, or for a score
    // the next turn's start with the card it leaves. The best choice is the
    // first of the highest value.
    void choicesAreWhatFollows() {
        using C = Category;
        const uint16_t inPlay = maskOf({C::Fives, C::Sixes, C::FullHouse, C::Chance});
        ValueTable table(inPlay);
        QVERIFY(table.build());
        const Advisor advisor(&table);
        const uint16_t outside = kAll & ~inPlay;
        TurnValues turn(advisor.sets());

        struct Case {
            uint16_t used;
            int upper;
            Faces dice;
        };
        const Case cases[] = {
            {outside, 38, {6, 5, 6, 2, 5}},
            {uint16_t(outside | maskOf({C::Chance})), 50, {5, 5, 1, 5, 3}},
            {uint16_t(outside | maskOf({C::Sixes, C::FullHouse})), 45, {5, 5, 5, 6, 6}},
        };
        for (const Case& k : cases) {
            const int total = 40;
            advisor.plan(turn, k.used, k.upper, Strength::Perfect);
            auto bestAfter = [&](Faces dice, int rollsLeft) {
                return bestValue(
                    advisor.choices(turn, at(k.used, k.upper, total, dice, rollsLeft)));
            };
            auto rollAllMean = [&](int rollsLeft) {
                double sum = 0.0;
                for (int code = 0; code < 7776; ++code) {
                    Faces dice{};
                    for (int i = 0, rest = code; i < 5; ++i, rest /= 6)
                        dice[size_t(i)] = rest % 6 + 1;
                    std::sort(dice.begin(), dice.end());
                    sum += bestAfter(dice, rollsLeft);
                }
                return sum / 7776.0;
            };

            const auto start = advisor.choices(turn, at(k.used, k.upper, total, k.dice, 3));
            QCOMPARE(int(start.size()), 1);
            QVERIFY(std::abs(start[0].value - rollAllMean(2)) < kTolerance);
            QVERIFY(std::abs(start[0].value - (total + table.future(k.used, k.upper))) <
                    kTolerance);

            for (int r = 0; r <= 2; ++r) {
                const auto position = at(k.used, k.upper, total, k.dice, r);
                const auto choices = advisor.choices(turn, position);
                const auto best = advisor.best(turn, position);
                QVERIFY(best);
                const auto first = std::find_if(choices.begin(), choices.end(), [&](auto& c) {
                    return c.value == bestValue(choices);
                });
                QVERIFY(first->choice == *best);
                for (const ValuedChoice& vc : choices) {
                    const Choice& c = vc.choice;
                    double follows = 0.0;
                    if (c.kind == Choice::Kind::RollAll) {
                        follows = rollAllMean(r - 1);
                    } else if (c.kind == Choice::Kind::RollDie) {
                        for (int f = 1; f <= 6; ++f) {
                            Faces dice = k.dice;
                            dice[size_t(c.die)] = f;
                            follows += bestAfter(dice, r - 1) / 6.0;
                        }
                    } else {
                        const int points = EvaluateCategory(c.category, k.dice);
                        const int upper = k.upper + (isUpper(c.category) ? points : 0);
                        const int bonus = k.upper < 63 && upper >= 63 ? 25 : 0;
                        const auto next = at(uint16_t(k.used | maskOf({c.category})), upper,
                                             total + points + bonus, k.dice, 3);
                        follows = next.used == kAll
                                      ? next.cardTotal
                                      : advisor.choices(next, Strength::Perfect)[0].value;
                    }
                    if (std::abs(vc.value - follows) > kTolerance)
                        QFAIL(qPrintable(QStringLiteral("%1 rolls left, choice %2/%3/%4: %5 "
                                                        "but what follows is worth %6")
                                             .arg(r)
                                             .arg(int(c.kind))
                                             .arg(c.die)
                                             .arg(categoryName(c.category))
                                             .arg(vc.value)
                                             .arg(follows)));
                }
            }
        }
    }

    // The two strengths part ways where a score now spoils a better one later:
    // four sixes and a one, no roll left, Sixes and Chance free. Chance gives
    // one point more today, Sixes far more over the two turns.
    void strengthsDiffer() {
        const uint16_t inPlay = maskOf({Category::Sixes, Category::Chance});
        ValueTable table(inPlay);
        QVERIFY(table.build());
        const Advisor advisor(&table);
        const auto p = at(kAll & ~inPlay, 0, 0, {6, 1, 6, 6, 6}, 0);
        QVERIFY(*advisor.best(p, Strength::Perfect) == Choice::score(Category::Sixes));
        QVERIFY(*advisor.best(p, Strength::Casual) == Choice::score(Category::Chance));
    }

    // Among equal values the first choice in the fixed order wins: with two
    // zeros to choose from, the first in card order.
    void tiesGoToTheFirst() {
        const Advisor advisor;
        const uint16_t free = maskOf({Category::OnePair, Category::Vorka});
        const auto p = at(kAll & ~free, 0, 0, {1, 2, 3, 4, 6}, 0);
        QVERIFY(*advisor.best(p, Strength::Casual) == Choice::score(Category::OnePair));
    }

    // A board's card: used = not available, the upper sum and the total (bonus
    // included) from the cells; the perfect value before the first roll is that
    // total plus the table's expectation.
    void positionOfCard() {
        ScoreCard card;
        card.commit(Category::Threes, 9);
        card.commit(Category::Fours, 16);
        card.commit(Category::Fives, 20);
        card.commit(Category::Sixes, 18);
        card.commit(Category::Chance, 22);
        card.commit(Category::Vorka, 0);
        const Position p = positionOf(card, {3, 1, 4, 1, 5}, 1);
        QCOMPARE(int(p.used), int(maskOf({Category::Threes, Category::Fours, Category::Fives,
                                          Category::Sixes, Category::Chance, Category::Vorka})));
        QCOMPARE(p.upperSum, 63);
        QCOMPARE(p.cardTotal, 63 + 25 + 22);
        QCOMPARE(p.rollsLeft, 1);
        QVERIFY(p.dice == Faces({3, 1, 4, 1, 5}));

        ScoreCard nearlyFull;
        for (Category c : kAllCategories)
            if (c != Category::Ones && c != Category::FullHouse) nearlyFull.commit(c, 3);
        const uint16_t inPlay = maskOf({Category::Ones, Category::FullHouse});
        ValueTable table(inPlay);
        QVERIFY(table.build());
        const Position q = positionOf(nearlyFull, {6, 6, 6, 6, 6}, 3);
        QCOMPARE(q.upperSum, 15);
        const auto choices = Advisor(&table).choices(q, Strength::Perfect);
        QCOMPARE(int(choices.size()), 1);
        QVERIFY(std::abs(choices[0].value - (13 * 3 + table.future(q.used, 15))) < kTolerance);
    }

    // A played game adds up its scores and the bonus once earned.
    void soloGameCountsTheBonus() {
        const Advisor advisor;
        SoloGame sixes(advisor, Strength::Casual, [] { return 6; });
        const uint16_t upper = maskOf({Category::Sixes});
        QCOMPARE(sixes.play(kAll & ~upper, 40), 30 + 25);
        QCOMPARE(sixes.play(kAll & ~upper, 63), 30);
        const uint16_t two = maskOf({Category::Sixes, Category::Vorka});
        QCOMPARE(sixes.play(kAll & ~two, 0), 30 + 50);
    }

    // On the same dice, game after game, perfect play scores at least as much
    // on average as casual play, and its mean agrees with the table.
    void perfectBeatsCasual() {
        using C = Category;
        const uint16_t inPlay =
            maskOf({C::Fours, C::Fives, C::Sixes, C::ThreeOfAKind, C::FullHouse, C::Chance});
        const int upper = 30;
        ValueTable table(inPlay);
        QVERIFY(table.build());
        const Advisor advisor(&table);
        constexpr int kGames = 1500;
        double perfect = 0.0, casual = 0.0, squares = 0.0;
        for (int g = 0; g < kGames; ++g) {
            for (Strength strength : {Strength::Perfect, Strength::Casual}) {
                std::mt19937 random(uint32_t(g) + 1);
                std::uniform_int_distribution<int> face(1, 6);
                SoloGame game(advisor, strength, [&] { return face(random); });
                const int points = game.play(kAll & ~inPlay, upper);
                if (strength == Strength::Perfect) {
                    perfect += points;
                    squares += double(points) * points;
                } else {
                    casual += points;
                }
            }
        }
        perfect /= kGames;
        casual /= kGames;
        const double error = std::sqrt((squares / kGames - perfect * perfect) / kGames);
        const double expected = table.future(kAll & ~inPlay, upper);
        qInfo("perfect %.2f (table %.2f, standard error %.2f), casual %.2f", perfect, expected,
              error, casual);
        QVERIFY(perfect > casual);
        QVERIFY(std::abs(perfect - expected) < 4 * error);
    }
};

QTEST_GUILESS_MAIN(AdvisorTest)
#include "AdvisorTest.moc"

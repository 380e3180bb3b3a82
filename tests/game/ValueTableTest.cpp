#include "game/ValueTable.h"
#include "Exhaustive.h"
#include "game/Advisor.h"

#include <QTest>

#include <atomic>
#include <cmath>

namespace {

constexpr double kTolerance = 1e-4; // points; the table keeps floats

uint16_t bit(Category c) {
    return uint16_t(1u << categoryIndex(c));
}

uint16_t maskOf(std::initializer_list<Category> categories) {
    uint16_t mask = 0;
    for (Category c : categories) mask |= bit(c);
    return mask;
}

// The dice in die order, as a board shows them after a few single-die rolls.
const Faces kDiceToTry[] = {
    {6, 2, 6, 5, 1}, {5, 5, 5, 5, 5}, {1, 2, 3, 4, 5}, {3, 3, 4, 4, 6},
    {2, 6, 5, 3, 4}, {6, 6, 6, 1, 1}, {1, 1, 2, 1, 1}, {4, 2, 4, 6, 4},
};

} // namespace

class ValueTableTest : public QObject {
    Q_OBJECT
private slots:
    void nothingBeforeBuild() {
        const ValueTable table;
        QVERIFY(!table.built());
        QCOMPARE(table.bytes(), size_t(0));
    }

    void cancelled() {
        ValueTable table;
        std::atomic<bool> cancel = true;
        QVERIFY(!table.build(&cancel));
        QVERIFY(!table.built());
        QCOMPARE(table.bytes(), size_t(0));
    }

    // Sub-games small enough to work out exhaustively: one or two categories,
    // upper ones from sums where the bonus is just in or just out of reach.
    void subGame_data() {
        QTest::addColumn<int>("categories");
        QTest::addColumn<int>("upper");
        using C = Category;
        auto row = [](const char* name, std::initializer_list<Category> s, int upper) {
            QTest::newRow(name) << int(maskOf(s)) << upper;
        };
        row("chance", {C::Chance}, 0);
        row("vorka", {C::Vorka}, 0);
        row("sixes, bonus out of reach", {C::Sixes}, 32);
        row("sixes, bonus just in reach", {C::Sixes}, 33);
        row("sixes, bonus already earned", {C::Sixes}, 63);
        row("sixes and fives from 40", {C::Sixes, C::Fives}, 40);
        row("sixes and fives from 7", {C::Sixes, C::Fives}, 7);
        row("sixes and fives from 8", {C::Sixes, C::Fives}, 8);
        row("ones and low straight from 60", {C::Ones, C::LowStraight}, 60);
        row("fours and three of a kind from 50", {C::Fours, C::ThreeOfAKind}, 50);
        row("full house and two pairs", {C::FullHouse, C::TwoPairs}, 0);
        row("high straight and chance", {C::HighStraight, C::Chance}, 0);
        row("one pair and four of a kind", {C::OnePair, C::FourOfAKind}, 0);
    }

    // Every position between turns of the sub-game is worth what exhaustive
    // play expects.
    void subGame() {
        QFETCH(int, categories);
        QFETCH(int, upper);
        const auto inPlay = uint16_t(categories);
        ValueTable table(inPlay);
        QVERIFY(table.build());
        QVERIFY(table.built());
        Exhaustive exhaustive;
        const auto outside = uint16_t(ValueTable::kAllCategories & ~inPlay);
        for (uint16_t used = 0; used <= inPlay; ++used) {
            if (used & ~inPlay) continue;
            const double expected = exhaustive.start(uint16_t(inPlay & ~used), upper);
            const double actual = table.future(uint16_t(outside | used), upper);
            if (std::abs(actual - expected) > kTolerance)
                QFAIL(qPrintable(QStringLiteral("used %1: table %2, exhaustive %3")
                                     .arg(used)
                                     .arg(actual, 0, 'f', 6)
                                     .arg(expected, 0, 'f', 6)));
        }
    }

    // Every choice at every moment of a turn of the sub-game is worth the card's
    // total plus what exhaustive play expects after it, with perfect play and
    // with play that looks only at this turn.
    void choices_data() { subGame_data(); }
    void choices() {
        QFETCH(int, categories);
        QFETCH(int, upper);
        const auto inPlay = uint16_t(categories);
        ValueTable table(inPlay);
        QVERIFY(table.build());
        const Advisor advisor(&table);
        Exhaustive perfect;
        Exhaustive casual(false);
        const int cardTotal = 17;
        const auto free = inPlay;
        for (Strength strength : {Strength::Perfect, Strength::Casual}) {
            Exhaustive& exhaustive = strength == Strength::Perfect ? perfect : casual;
            for (const Faces& dice : kDiceToTry) {
                for (int r = 0; r <= Position::kBeforeFirstRoll; ++r) {
                    Position position;
                    position.used = uint16_t(ValueTable::kAllCategories & ~inPlay);
                    position.upperSum = upper;
                    position.cardTotal = cardTotal;
                    position.dice = dice;
                    position.rollsLeft = r;
                    for (const ValuedChoice& vc : advisor.choices(position, strength)) {
                        const Choice& c = vc.choice;
                        double expected = 0.0;
                        if (r == Position::kBeforeFirstRoll)
                            expected = exhaustive.rollAll(free, upper, 2);
                        else if (c.kind == Choice::Kind::RollAll)
                            expected = exhaustive.rollAll(free, upper, r - 1);
                        else if (c.kind == Choice::Kind::RollDie)
                            expected = exhaustive.rollDie(free, upper, dice, c.die, r - 1);
                        else
                            expected = exhaustive.score(free, upper, dice, c.category);
                        expected += cardTotal;
                        if (std::abs(vc.value - expected) > kTolerance)
                            QFAIL(qPrintable(
                                QStringLiteral("%1 rolls left, choice %2/%3/%4: %5, exhaustive %6")
                                    .arg(r)
                                    .arg(int(c.kind))
                                    .arg(c.die)
                                    .arg(categoryName(c.category))
                                    .arg(vc.value, 0, 'f', 6)
                                    .arg(expected, 0, 'f', 6)));
                    }
                }
            }
        }
    }

    // The threads share the work but not the result: one thread or several
    // give the same table to the last bit.
    void sameOnAnyNumberOfThreads() {
        using C = Category;
        const uint16_t inPlay =
            maskOf({C::Threes, C::Fives, C::Sixes, C::TwoPairs, C::FullHouse, C::Chance});
        ValueTable one(inPlay);
        ValueTable three(inPlay);
        QVERIFY(one.build(nullptr, 1));
        QVERIFY(three.build(nullptr, 3));
        QCOMPARE(three.bytes(), one.bytes());
        const auto outside = uint16_t(ValueTable::kAllCategories & ~inPlay);
        for (uint16_t used = 0; used <= inPlay; ++used) {
            if (used & ~inPlay) continue;
            for (int upper = 0; upper <= ValueTable::kUpperGoal; ++upper)
                QCOMPARE(three.future(uint16_t(outside | used), upper),
                         one.future(uint16_t(outside | used), upper));
        }
    }
};

QTEST_GUILESS_MAIN(ValueTableTest)
#include "ValueTableTest.moc"

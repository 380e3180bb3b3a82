#include "game/TurnFlow.h"

#include <QTest>

namespace {
ScoreCard cardWithFree(int freeCategories) {
    ScoreCard card;
    for (int i = freeCategories; i < kCategoryCount; ++i) card.commit(categoryAt(i), 1);
    return card;
}
} // namespace

class TurnFlowTest : public QObject {
    Q_OBJECT
private slots:
    void handOver_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("lastCardFree");
        QTest::addColumn<bool>("gameOver");
        QTest::addColumn<int>("next");
        QTest::newRow("one player goes on") << 0 << 0 << 3 << false << 0;
        QTest::newRow("one player full") << 0 << 0 << 0 << true << 0;
        QTest::newRow("Ann to Bob") << 0 << 2 << 15 << false << 1;
        QTest::newRow("Bob to Cy") << 1 << 2 << 15 << false << 2;
        QTest::newRow("Cy wraps to Ann") << 2 << 2 << 1 << false << 0;
        QTest::newRow("Cy full ends") << 2 << 2 << 0 << true << 2;
        // Only the wrap tests the last card, whatever it holds.
        QTest::newRow("full last card mid-round") << 0 << 2 << 0 << false << 1;
    }
    void handOver() {
        QFETCH(int, current);
        QFETCH(int, last);
        QFETCH(int, lastCardFree);
        QFETCH(bool, gameOver);
        QFETCH(int, next);
        const HandOver h =
            decideHandOver(int16_t(current), int16_t(last), cardWithFree(lastCardFree));
        QCOMPARE(h.gameOver, gameOver);
        QCOMPARE(int(h.nextPlayer), next);
    }

    void playerBefore_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("before");
        QTest::newRow("Bob") << 1 << 2 << 0;
        QTest::newRow("Ann wraps") << 0 << 2 << 2;
        QTest::newRow("alone") << 0 << 0 << 0;
    }
    void playerBefore() {
        QFETCH(int, player);
        QFETCH(int, last);
        QFETCH(int, before);
        QCOMPARE(int(::playerBefore(int16_t(player), int16_t(last))), before);
    }
};

QTEST_APPLESS_MAIN(TurnFlowTest)
#include "TurnFlowTest.moc"

#include "game/GameResult.h"

#include <QTest>

using Players = std::vector<PlayerScore>;
Q_DECLARE_METATYPE(Players)

class GameResultTest : public QObject {
    Q_OBJECT
private slots:
    void result_data() {
        QTest::addColumn<Players>("players");
        QTest::addColumn<int>("topScore");
        QTest::addColumn<QStringList>("leaders");
        QTest::addColumn<QString>("line");
        QTest::newRow("one player") << Players{{"Ann", 212}} << 212 << QStringList{"Ann"}
                                    << "Ann wins the game with a score of 212. Well played!";
        QTest::newRow("two drew") << Players{{"Ann", 180}, {"Bob", 180}} << 180
                                  << QStringList{"Ann", "Bob"}
                                  << "All 2 players scored 180 and therefore drew. Well played!";
        QTest::newRow("two of three drew")
            << Players{{"Ann", 150}, {"Bob", 200}, {"Cy", 200}} << 200 << QStringList{"Bob", "Cy"}
            << "The game was drawn between Bob and Cy, sharing a score of 200. Well played!";
        QTest::newRow("three of four drew")
            << Players{{"Ann", 250}, {"Bob", 250}, {"Cy", 250}, {"Di", 100}} << 250
            << QStringList{"Ann", "Bob", "Cy"}
            << "The game was drawn between Ann, Bob and Cy, sharing a score of 250. Well played!";
        QTest::newRow("four of five drew")
            << Players{{"A", 9}, {"B", 9}, {"C", 1}, {"D", 9}, {"E", 9}} << 9
            << QStringList{"A", "B", "D", "E"}
            << "The game was drawn between A, B, D and E, sharing a score of 9. Well played!";
        QTest::newRow("earlier draw dropped")
            << Players{{"Ann", 100}, {"Bob", 100}, {"Cy", 150}} << 150 << QStringList{"Cy"}
            << "Cy wins the game with a score of 150. Well played!";
        QTest::newRow("second wins")
            << Players{{"Ann", 95}, {"Bob", 105}} << 105 << QStringList{"Bob"}
            << "Bob wins the game with a score of 105. Well played!";
        QTest::newRow("all on zero")
            << Players{{"Ann", 0}, {"Bob", 0}, {"Cy", 0}} << 0 << QStringList{"Ann", "Bob", "Cy"}
            << "All 3 players scored 0 and therefore drew. Well played!";
        QTest::newRow("first wins over later lower")
            << Players{{"Ann", 300}, {"Bob", 200}, {"Cy", 200}} << 300 << QStringList{"Ann"}
            << "Ann wins the game with a score of 300. Well played!";
        // A name goes in as typed, even one that looks like a place for a value.
        QTest::newRow("winner named like a place")
            << Players{{"100%2", 5}, {"Bob", 4}} << 5 << QStringList{"100%2"}
            << "100%2 wins the game with a score of 5. Well played!";
        QTest::newRow("drawn names like places")
            << Players{{"%1", 7}, {"%3", 7}, {"Cy", 7}, {"Di", 1}} << 7
            << QStringList{"%1", "%3", "Cy"}
            << "The game was drawn between %1, %3 and Cy, sharing a score of 7. Well played!";
    }
    void result() {
        QFETCH(Players, players);
        QFETCH(int, topScore);
        QFETCH(QStringList, leaders);
        QFETCH(QString, line);
        const GameResult r = computeGameResult(players);
        QCOMPARE(int(r.TopScore), topScore);
        QCOMPARE(r.Leaders, leaders);
        QCOMPARE(int(r.TieCount), int(leaders.size()) - 1);
        QCOMPARE(r.resultLine, line);
        QCOMPARE(r.message(), QString("Game over.") + QChar(13) + line);
    }
};

QTEST_APPLESS_MAIN(GameResultTest)
#include "GameResultTest.moc"

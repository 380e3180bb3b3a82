#include "game/ScoreCard.h"

#include <QTest>

Q_DECLARE_METATYPE(Category)

namespace {
// Fills the cells from a list of 15 texts, card order.
ScoreCard cardWith(const QStringList& cells) {
    ScoreCard card;
    for (int i = 0; i < kCategoryCount; ++i) card.setCellText(categoryAt(i), cells.value(i));
    return card;
}
} // namespace

class ScoreCardTest : public QObject {
    Q_OBJECT
private slots:
    void newCard() {
        const ScoreCard card;
        for (Category c : kAllCategories) {
            QCOMPARE(card.tag(c), QString("-1"));
            QVERIFY(card.available(c));
            QCOMPARE(card.cellText(c), QString());
        }
        QVERIFY(!card.full());
        QCOMPARE(Countup(card).upperText(), QString("1-6 Total: 0"));
        QCOMPARE(Countup(card).grandText(), QString("Total: 0"));
    }

    void commitText_data() {
        QTest::addColumn<Category>("category");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("cell");
        QTest::newRow("ones") << Category::Ones << 3 << " 3";
        QTest::newRow("sixes") << Category::Sixes << 30 << " 30";
        QTest::newRow("upper zero") << Category::Twos << 0 << " 0";
        QTest::newRow("chance") << Category::Chance << 15 << " 15";
        QTest::newRow("pair") << Category::OnePair << 10 << "10";
        QTest::newRow("vorka") << Category::Vorka << 50 << "50";
        QTest::newRow("vorka zero") << Category::Vorka << 0 << "0";
        QTest::newRow("full house") << Category::FullHouse << 19 << "19";
    }
    void commitText() {
        QFETCH(Category, category);
        QFETCH(int, score);
        QFETCH(QString, cell);
        ScoreCard card;
        card.commit(category, score);
        QCOMPARE(card.cellText(category), cell);
        QCOMPARE(card.tag(category), QString("0"));
        QVERIFY(!card.available(category));
        for (Category other : kAllCategories)
            if (other != category) QVERIFY(card.available(other));
    }

    void fullAndReopen() {
        ScoreCard card;
        for (Category c : kAllCategories) card.commit(c, 5);
        QVERIFY(card.full());
        card.reopenAll();
        QVERIFY(!card.full());
        QCOMPARE(card.cellText(Category::Ones), QString(" 5"));
    }

    void totals_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("grand");
        const QStringList empty(15);
        QTest::newRow("empty") << empty << "1-6 Total: 0"
                               << "Total: 0";
        QTest::newRow("all zero") << QStringList{" 0", " 0", " 0", " 0", " 0", " 0", "0", "0",
                                                 "0",  "0",  "0",  "0",  "0",  " 0", "0"}
                                  << "1-6 Total: 0"
                                  << "Total: 0";
        QTest::newRow("62 no bonus")
            << QStringList{" 2", " 8", " 12", " 16", " 15", " 9"} << "1-6 Total: 62"
            << "Total: 62";
        QTest::newRow("63 bonus") << QStringList{" 3", " 8", " 12", " 16", " 15", " 9"}
                                  << "1-6 Total: 88"
                                  << "Total: 88";
        QTest::newRow("65 with lower 100")
            << QStringList{" 4", " 8", " 12", " 16", " 25", " 0",  "12", "16",
                           "15", "8",  "15",  "",    "19",  " 15", ""}
            << "1-6 Total: 90"
            << "Total: 190";
        QTest::newRow("bonus before the section is full")
            << QStringList{"", "", "", " 20", " 25", " 30"} << "1-6 Total: 100"
            << "Total: 100";
        QTest::newRow("restored cells without blank")
            << QStringList{"", "", "", "12", "", "", "", "", "", "", "", "", "", "0", ""}
            << "1-6 Total: 12"
            << "Total: 12";
        QTest::newRow("maximum") << QStringList{" 5", " 10", " 15", " 20", " 25", " 30", "12", "24",
                                                "18", "24",  "15",  "20",  "30",  " 30", "50"}
                                 << "1-6 Total: 130"
                                 << "Total: 353";
    }
    void totals() {
        QFETCH(QStringList, cells);
        QFETCH(QString, upper);
        QFETCH(QString, grand);
        cells.resize(15);
        const Totals t = Countup(cardWith(cells));
        QCOMPARE(t.upperText(), upper);
        QCOMPARE(t.grandText(), grand);
    }

    // A reopened category scored anew with less takes the bonus away.
    void totalsFollowTheCells() {
        ScoreCard card;
        card.setCellText(Category::Fives, " 25");
        card.setCellText(Category::Sixes, " 30");
        card.setCellText(Category::Fours, " 8");
        QCOMPARE(Countup(card).upper, 63 + 25);
        card.commit(Category::Fours, 4);
        QCOMPARE(Countup(card).upper, 59);
    }

    void finalScore_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("score");
        QTest::newRow("zero") << "Total: 0" << 0;
        QTest::newRow("typical") << "Total: 212" << 212;
        QTest::newRow("maximum") << "Total: 353" << 353;
    }
    void finalScore() {
        QFETCH(QString, caption);
        QFETCH(int, score);
        QCOMPARE(int(scoreFromGrandTotalText(caption)), score);
    }
};

QTEST_APPLESS_MAIN(ScoreCardTest)
#include "ScoreCardTest.moc"

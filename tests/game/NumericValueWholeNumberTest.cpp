#include "game/NumericValue.h"

#include <QTest>

#include <cmath>

// Whole numbers, the texts the game reads back most (tags, cells, faces), take
// a shorter way than other numbers. They must come out exactly as any number
// does: the longest leading number, read as a double.
class NumericValueWholeNumberTest : public QObject {
    Q_OBJECT
private slots:
    void value_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("face") << "6" << 6.0;
        QTest::newRow("plus sign") << "+5" << 5.0;
        QTest::newRow("leading zeros") << "007" << 7.0;
        QTest::newRow("blank and minus") << "  -3" << -3.0;
        QTest::newRow("text after") << "12abc" << 12.0;
        QTest::newRow("blank after") << "12 34" << 12.0;
        QTest::newRow("fraction goes on") << "12.5" << 12.5;
        QTest::newRow("exponent goes on") << "12e2" << 1200.0;
        QTest::newRow("capital exponent") << "12E2" << 1200.0;
        QTest::newRow("point at the end") << "12." << 12.0;
        QTest::newRow("exponent without digits") << "12e" << 12.0;
        QTest::newRow("fifteen digits") << "123456789012345" << 123456789012345.0;
        QTest::newRow("sixteen digits") << "1234567890123456" << 1234567890123456.0;
        QTest::newRow("past 2^53") << "9007199254740993" << 9007199254740992.0;
        QTest::newRow("past 64 bits") << "99999999999999999999" << 1e20;
        QTest::newRow("past 64 bits, negative")
            << "-18446744073709551617" << -18446744073709551616.0;
    }
    void value() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(numericValue(text), expected);
    }

    void minusZeroKeepsItsSign() {
        QCOMPARE(numericValue(u"-0"), 0.0);
        QVERIFY(std::signbit(numericValue(u"-0")));
        QCOMPARE(int(numericValue16(u"-0")), 0);
    }

    // Every length up to far past a double's precision, both signs, agrees
    // with the general parser.
    void agreesWithTheGeneralParser() {
        const QString digits = QStringLiteral("98765432109876543210987654321");
        for (int length = 1; length <= digits.size(); ++length) {
            for (const QString& sign : {QString(), QStringLiteral("-"), QStringLiteral("+")}) {
                const QString number = sign + digits.left(length);
                const double expected = number.toDouble();
                QCOMPARE(numericValue(number), expected);
                QCOMPARE(numericValue(QStringLiteral(" ") + number + QStringLiteral("x")),
                         expected);
            }
        }
    }
};

QTEST_APPLESS_MAIN(NumericValueWholeNumberTest)
#include "NumericValueWholeNumberTest.moc"

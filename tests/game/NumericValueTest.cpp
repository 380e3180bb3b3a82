#include "game/NumericValue.h"

#include <QTest>

class NumericValueTest : public QObject {
    Q_OBJECT
private slots:
    void value_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks only") << "   " << 0.0;
        QTest::newRow("cell with blank") << " 12" << 12.0;
        QTest::newRow("plain cell") << "12" << 12.0;
        QTest::newRow("tag available") << "-1" << -1.0;
        QTest::newRow("tag used") << "0" << 0.0;
        QTest::newRow("total tail") << "1-6 Total: 88" << 1.0;
        QTest::newRow("trailing text") << "42abc" << 42.0;
        QTest::newRow("no number") << "Total: 5" << 0.0;
        QTest::newRow("fraction") << " 2.5x" << 2.5;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("exponent without digits") << "7e" << 7.0;
        QTest::newRow("tab") << "\t9" << 9.0;
        QTest::newRow("huge exponent") << "1e999" << 0.0;
    }
    void value() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(numericValue(text), expected);
    }

    void value16_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("round down") << "2.4" << 2;
        QTest::newRow("half to even") << "2.5" << 2;
        QTest::newRow("half to even up") << "3.5" << 4;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("clamped high") << "99999" << 32767;
        QTest::newRow("clamped low") << "-99999" << -32768;
    }
    void value16() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(int(numericValue16(text)), expected);
    }
};

QTEST_APPLESS_MAIN(NumericValueTest)
#include "NumericValueTest.moc"

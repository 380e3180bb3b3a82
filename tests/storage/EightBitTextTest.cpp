#include "storage/EightBitText.h"

#include <QTest>

class EightBitTextTest : public QObject {
    Q_OBJECT
private slots:
    void characters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "Ann 12" << QByteArray("Ann 12");
        QTest::newRow("latin-1 range")
            << QString::fromUtf8("ÀÿéØ\u00A0") << QByteArray("\xC0\xFF\xE9\xD8\xA0");
        QTest::newRow("euro") << QString::fromUtf8("€") << QByteArray("\x80");
        QTest::newRow("quotes and dashes")
            << QString::fromUtf8("‚„…‘’“”–—") << QByteArray("\x82\x84\x85\x91\x92\x93\x94\x96\x97");
        QTest::newRow("letters of 0x80..0x9F")
            << QString::fromUtf8("ŠŒŽšœžŸƒ") << QByteArray("\x8A\x8C\x8E\x9A\x9C\x9E\x9F\x83");
        QTest::newRow("undefined bytes") << QString::fromUtf8("\u0081\u008D\u008F\u0090\u009D")
                                         << QByteArray("\x81\x8D\x8F\x90\x9D");
        QTest::newRow("control characters")
            << QString::fromLatin1("\0\r\t", 3) << QByteArray("\0\r\t", 3);
        QTest::newRow("C1 control that 1252 replaced")
            << QString::fromUtf8("\u0080\u0099") << QByteArray("??");
        QTest::newRow("greek and cjk") << QString::fromUtf8("Ωμ日") << QByteArray("???");
        QTest::newRow("emoji is one character") << QString::fromUtf8("a😀b") << QByteArray("a?b");
    }
    void characters() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(EightBitText::fromUnicode(text), bytes);
    }

    void everyByteRoundTrips() {
        QByteArray all;
        for (int b = 0; b < 256; ++b) all.append(char(b));
        const QString text = EightBitText::toUnicode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(EightBitText::fromUnicode(text), all);
        // The 27 typographic characters are not the byte's own number.
        int moved = 0;
        for (int b = 0x80; b < 0xA0; ++b) moved += text[b].unicode() != b;
        QCOMPARE(moved, 27);
    }
};

QTEST_GUILESS_MAIN(EightBitTextTest)
#include "EightBitTextTest.moc"

#include "ui/WaveHeader.h"

#include <QTest>
#include <QtEndian>

namespace {

QByteArray le32(uint32_t v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray le16(uint16_t v) {
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body) {
    QByteArray c = id + le32(static_cast<uint32_t>(body.size())) + body;
    if (body.size() % 2) c += '\0';
    return c;
}

QByteArray formatBody(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits) {
    const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    return le16(format) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) +
           le16(bits);
}

QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

// A mono 8-bit file at 22050 samples a second with `samples` sample bytes.
QByteArray monoWave(int samples, const QByteArray& before = {}) {
    return riff(before + chunk("fmt ", formatBody(1, 1, 22050, 8)) +
                chunk("data", QByteArray(samples, char(128))));
}

} // namespace

class WaveHeaderTest : public QObject {
    Q_OBJECT

private slots:
    void readsFormats_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("playable");
        QTest::addColumn<qint64>("milliseconds");

        QTest::newRow("mono 8-bit, 1 s") << monoWave(22050) << 1 << 22050 << 8 << true << 1000ll;
        QTest::newRow("stereo 16-bit, 0.5 s") << riff(chunk("fmt ", formatBody(1, 2, 44100, 16)) +
                                                      chunk("data", QByteArray(44100 * 2, '\0')))
                                              << 2 << 44100 << 16 << true << 500ll;
        // 4-bit ADPCM: a proper file, but not one QSoundEffect plays.
        QTest::newRow("ADPCM") << riff(chunk("fmt ", le16(0x11) + le16(1) + le32(22050) +
                                                         le32(11100) + le16(256) + le16(4) +
                                                         le16(2) + le16(505)) +
                                       chunk("data", QByteArray(11100, '\0')))
                               << 1 << 22050 << 4 << false << 1000ll;
        QTest::newRow("24-bit") << riff(chunk("fmt ", formatBody(1, 1, 8000, 24)) +
                                        chunk("data", QByteArray(2400, '\0')))
                                << 1 << 8000 << 24 << false << 100ll;
        // An odd-sized chunk is followed by a pad byte the reader must skip.
        QTest::newRow("odd chunk before the format")
            << monoWave(2205, chunk("LIST", "abc")) << 1 << 22050 << 8 << true << 100ll;
        QTest::newRow("longer format chunk")
            << riff(chunk("fmt ", formatBody(1, 1, 22050, 8) + le16(0)) +
                    chunk("data", QByteArray(441, '\0')))
            << 1 << 22050 << 8 << true << 20ll;
    }
    void readsFormats() {
        QFETCH(QByteArray, bytes);
        const WaveHeader header = WaveHeader::parse(bytes);
        QVERIFY2(header.valid(), qPrintable(header.error));
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(bool, playable);
        QFETCH(qint64, milliseconds);
        QCOMPARE(int(header.channels), channels);
        QCOMPARE(int(header.sampleRate), rate);
        QCOMPARE(int(header.bitsPerSample), bits);
        QCOMPARE(header.playable(), playable);
        QCOMPARE(header.durationMilliseconds(), milliseconds);
    }

    void samplesAreWhereTheFileSays() {
        const QByteArray before = chunk("LIST", "abc");
        QByteArray bytes = monoWave(10, before);
        const WaveHeader header = WaveHeader::parse(bytes);
        QVERIFY(header.valid());
        QCOMPARE(header.dataOffset, qsizetype(12 + before.size() + 24 + 8));
        QCOMPARE(header.dataBytes, 10u);
        QCOMPARE(header.dataOffset + header.dataBytes, bytes.size());
    }

    void refusesBrokenFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray fmt = chunk("fmt ", formatBody(1, 1, 22050, 8));
        const QByteArray data = chunk("data", QByteArray(100, char(128)));

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not RIFF") << QByteArray("RIFX") + monoWave(4).mid(4);
        QTest::newRow("not WAVE") << QByteArray(monoWave(4)).replace(8, 4, "AVI ");
        QTest::newRow("no chunks") << riff({});
        QTest::newRow("no format") << riff(data);
        QTest::newRow("samples before the format") << riff(data + fmt);
        QTest::newRow("no samples") << riff(fmt);
        QTest::newRow("format too short") << riff(chunk("fmt ", QByteArray(14, '\1')) + data);
        QTest::newRow("zero byte rate") << riff(
            chunk("fmt ", le16(1) + le16(1) + le32(22050) + le32(0) + le16(1) + le16(8)) + data);
        QTest::newRow("zero channels") << riff(chunk("fmt ", formatBody(1, 0, 22050, 8)) + data);
        QTest::newRow("samples run past the end")
            << riff(fmt + "data" + le32(1000) + QByteArray(100, char(128)));
        // A size near 4 GiB must not wrap around to a small offset.
        QTest::newRow("huge chunk size")
            << riff("junk" + le32(0xFFFFFFFFu) + QByteArray(8, '\0') + fmt + data);
    }
    void refusesBrokenFiles() {
        QFETCH(QByteArray, bytes);
        const WaveHeader header = WaveHeader::parse(bytes);
        QVERIFY(!header.valid());
        QVERIFY(!header.error.isEmpty());
        QVERIFY(!header.playable());
        QCOMPARE(header.durationMilliseconds(), qint64(0));
    }

    // Every cut short copy of a good file is refused, and never read past its end.
    void refusesEveryTruncation() {
        const QByteArray whole = monoWave(64, chunk("LIST", "abc"));
        QVERIFY(WaveHeader::parse(whole).valid());
        for (qsizetype n = 0; n < whole.size(); ++n) {
            // A separate allocation of exactly n bytes, so a sanitizer sees an overrun.
            const QByteArray cut(whole.constData(), n);
            QVERIFY2(!WaveHeader::parse(cut).valid(), qPrintable(QString::number(n)));
        }
    }

    void playableNeedsConsistentRates() {
        QByteArray bytes = monoWave(100);
        QVERIFY(WaveHeader::parse(bytes).playable());
        // byte rate (offset 28) no longer sample rate x frame size
        qToLittleEndian<uint32_t>(22051, bytes.data() + 28);
        const WaveHeader header = WaveHeader::parse(bytes);
        QVERIFY(header.valid());
        QVERIFY(!header.playable());
    }
};

QTEST_APPLESS_MAIN(WaveHeaderTest)
#include "WaveHeaderTest.moc"

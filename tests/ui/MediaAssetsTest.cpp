#include "ui/DecodedSound.h"
#include "ui/PulseSoundPlayer.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>
#include <QtEndian>

#include <sndfile.h>

#include <cmath>
#include <map>
#include <vector>

namespace {

QByteArray readResource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage render(const QString& path, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return image;
}

// The share of pixels that are not fully transparent.
double coverage(const QImage& image) {
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ++drawn;
    return double(drawn) / (image.width() * image.height());
}

int colours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) seen.insert(image.pixel(x, y));
    return int(seen.size());
}

// Counts separate dark spots, the pips of a die face.
int darkSpots(const QImage& image) {
    const int w = image.width(), h = image.height();
    std::vector<char> seen(size_t(w * h), 0);
    auto dark = [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        return qAlpha(p) > 200 && qGray(p) < 90;
    };
    int spots = 0;
    // Leave out the border so that the outline of the die is not counted.
    const int margin = w / 8;
    for (int y = margin; y < h - margin; ++y)
        for (int x = margin; x < w - margin; ++x) {
            if (seen[size_t(y * w + x)] || !dark(x, y)) continue;
            ++spots;
            std::vector<QPoint> stack{{x, y}};
            seen[size_t(y * w + x)] = 1;
            while (!stack.empty()) {
                const QPoint q = stack.back();
                stack.pop_back();
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = q + d;
                    if (n.x() < margin || n.y() < margin || n.x() >= w - margin ||
                        n.y() >= h - margin)
                        continue;
                    char& s = seen[size_t(n.y() * w + n.x())];
                    if (!s && dark(n.x(), n.y())) {
                        s = 1;
                        stack.push_back(n);
                    }
                }
            }
        }
    return spots;
}

// The chunks of a RIFF WAVE file by their four-letter ids.
std::map<QByteArray, QByteArray> chunks(const QByteArray& bytes) {
    std::map<QByteArray, QByteArray> found;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const qsizetype size = qFromLittleEndian<uint32_t>(bytes.constData() + at + 4);
        found[bytes.mid(at, 4)] = bytes.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    return found;
}

uint16_t u16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<uint16_t>(bytes.constData() + at);
}

uint32_t u32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<uint32_t>(bytes.constData() + at);
}

// The RMS of the 20 ms blocks above -50 dBFS, in dBFS.
double loudness(const std::vector<int16_t>& samples) {
    constexpr size_t block = 441;
    double sum = 0;
    int counted = 0;
    for (size_t at = 0; at + block <= samples.size(); at += block) {
        double power = 0;
        for (size_t i = at; i < at + block; ++i) power += std::pow(samples[i] / 32768.0, 2);
        power /= block;
        if (power > 1e-5) {
            sum += power;
            ++counted;
        }
    }
    return counted ? 10 * std::log10(sum / counted) : -200;
}

DecodedSound decodedResource(const QString& name) {
    return DecodedSound::decode(readResource(PulseSoundPlayer::resourcePath(name)))
        .value_or(DecodedSound{});
}

} // namespace

class MediaAssetsTest : public QObject {
    Q_OBJECT

private slots:
    void sounds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<bool>("adpcm"); // else 8-bit PCM
        QTest::newRow("BPRESS") << "BPRESS" << 0.06 << false;
        QTest::newRow("ROLL") << "ROLL" << 1.42 << true;
        QTest::newRow("START") << "START" << 9.4 << true;
        QTest::newRow("FANFARE") << "FANFARE" << 8.6 << true;
        QTest::newRow("QUESTION") << "QUESTION" << 0.2 << false;
        QTest::newRow("WIN") << "WIN" << 4.8 << true;
        QTest::newRow("END") << "END" << 5.2 << true;
        QTest::newRow("NEWPLAYER") << "NEWPLAYER" << 3.8 << true;
        QTest::newRow("OKNWPLYR") << "OKNWPLYR" << 1.2 << true;
    }
    void sounds() {
        QFETCH(QString, name);
        QFETCH(double, seconds);
        QFETCH(bool, adpcm);
        QVERIFY(PulseSoundPlayer::soundNames().contains(name));
        const QByteArray bytes = readResource(PulseSoundPlayer::resourcePath(name));
        QVERIFY2(!bytes.isEmpty(), "the resource is missing");

        // A complete RIFF file: its size field covers exactly the rest of the file.
        QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE");
        QCOMPARE(qsizetype(u32(bytes, 4)), bytes.size() - 8);
        const auto chunk = chunks(bytes);
        QVERIFY(chunk.count("fmt ") && chunk.count("data"));
        const QByteArray format = chunk.at("fmt ");
        QCOMPARE(u16(format, 0), uint16_t(adpcm ? 0x11 : 1));
        QCOMPARE(u16(format, 2), uint16_t(1));
        QCOMPARE(u32(format, 4), 22050u);
        QCOMPARE(u16(format, 14), uint16_t(adpcm ? 4 : 8));

        // The length, in samples, as the file states it.
        const uint32_t wanted = uint32_t(std::lround(seconds * 22050));
        if (adpcm) {
            QVERIFY2(chunk.count("fact"), "no fact chunk");
            QCOMPARE(u32(chunk.at("fact"), 0), wanted);
        } else {
            QCOMPARE(uint32_t(chunk.at("data").size()), wanted);
        }

        // What the player decodes.
        const DecodedSound sound = decodedResource(name);
        QCOMPARE(sound.format, SF_FORMAT_WAV | (adpcm ? SF_FORMAT_IMA_ADPCM : SF_FORMAT_PCM_U8));
        QCOMPARE(sound.sampleRate, 22050);
        QCOMPARE(sound.channels, 1);
        // A last ADPCM block may be filled up with silence.
        QVERIFY2(sound.frames() >= wanted && sound.frames() < wanted + 1017,
                 qPrintable(QString::number(sound.frames())));

        // It never reaches full scale, which would be clipping, and is not silent.
        int peak = 0;
        for (int16_t s : sound.samples) peak = std::max(peak, std::abs(int(s)));
        QVERIFY2(peak < 0.95 * 32768, qPrintable(QString::number(peak)));
        QVERIFY(peak > 0.1 * 32768);

        // It starts and ends on silence: within its first 0.2 ms and its last
        // 2 ms it stays close to zero.
        const auto quiet = [&](size_t from, size_t to) {
            for (size_t i = from; i < to; ++i)
                if (std::abs(sound.samples[i]) > 0.03 * 32768) return false;
            return true;
        };
        QVERIFY2(quiet(0, 4), "it starts with a click");
        QVERIFY2(quiet(wanted - 44, wanted), "it ends with a click");
    }

    // All but the button click are equally loud, within 3 dB.
    void soundsAreEquallyLoud() {
        double softest = 0, loudest = -200;
        QString soft, loud;
        for (const QString& name : PulseSoundPlayer::soundNames()) {
            if (name == QLatin1String("BPRESS")) continue;
            const double level = loudness(decodedResource(name).samples);
            if (level < softest) std::tie(softest, soft) = std::pair(level, name);
            if (level > loudest) std::tie(loudest, loud) = std::pair(level, name);
        }
        QVERIFY2(loudest - softest <= 3.0, qPrintable(QStringLiteral("%1 at %2 dBFS, %3 at %4 dBFS")
                                                          .arg(soft)
                                                          .arg(softest, 0, 'f', 1)
                                                          .arg(loud)
                                                          .arg(loudest, 0, 'f', 1)));
    }

    void pictures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size"); // the size it is designed for
        for (int face = 1; face <= 6; ++face)
            QTest::addRow("die %d", face)
                << QStringLiteral(":/pictures/dice/%1.svg").arg(face) << QSize(40, 39);
        for (int cell = 0; cell <= 3; ++cell)
            QTest::addRow("cell %d", cell)
                << QStringLiteral(":/pictures/pics/%1.svg").arg(cell) << QSize(117, 167);
        for (const char* tool : {"new", "scores", "open", "save", "quit", "sounds", "help", "hint",
                                 "player", "computer", "tile", "cascade"})
            QTest::addRow("toolbar %s", tool)
                << QStringLiteral(":/pictures/toolbar/%1.svg").arg(tool) << QSize(24, 24);
        QTest::newRow("fame") << ":/pictures/tabs/fame.svg" << QSize(20, 20);
        QTest::newRow("shame") << ":/pictures/tabs/shame.svg" << QSize(20, 20);
        QTest::newRow("high scores") << ":/pictures/highscores.svg" << QSize(97, 45);
        QTest::newRow("high-score icon") << ":/pictures/highscores-icon.svg" << QSize(32, 32);
        QTest::newRow("announcement") << ":/pictures/newplayer.svg" << QSize(48, 48);
        QTest::newRow("icon") << ":/pictures/vorka.svg" << QSize(16, 16);
    }
    void pictures() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QVERIFY2(QFile::exists(path), "the resource is missing");
        QSvgRenderer renderer(path);
        QVERIFY(renderer.isValid());
        QVERIFY(!renderer.defaultSize().isEmpty());
        // Something is drawn, and it is a picture, not a filled box.
        const QImage image = render(path, size);
        const double drawn = coverage(image);
        QVERIFY2(drawn > 0.1, qPrintable(QString::number(drawn)));
        QVERIFY(colours(image) >= 3);
    }

    // The dialog's picture cells are drawn on the dialog's own yellow, edge to edge.
    void cellsAreOnYellow() {
        for (int cell = 0; cell <= 3; ++cell) {
            const QString path = QStringLiteral(":/pictures/pics/%1.svg").arg(cell);
            QCOMPARE(QSvgRenderer(path).defaultSize(), QSize(117, 167));
            const QImage image = render(path, QSize(117, 167));
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(116, 0), QPoint(0, 166), QPoint(116, 166)})
                QCOMPARE(QColor(image.pixel(corner)), QColor(255, 255, 0));
        }
    }

    // Each die face shows as many pips as its number, also at the board's size.
    void dieFacesShowTheirNumber_data() {
        QTest::addColumn<int>("face");
        QTest::addColumn<QSize>("size");
        for (int face = 1; face <= 6; ++face) {
            QTest::addRow("%d large", face) << face << QSize(200, 200);
            QTest::addRow("%d on the board", face) << face << QSize(40, 39);
        }
    }
    void dieFacesShowTheirNumber() {
        QFETCH(int, face);
        QFETCH(QSize, size);
        const QImage image = render(QStringLiteral(":/pictures/dice/%1.svg").arg(face), size);
        QCOMPARE(darkSpots(image), face);
    }

    // The application icon stays a solid picture from the title bar to a large tile.
    void iconScales() {
        for (int side : {16, 32, 64, 256}) {
            const QImage image = render(":/pictures/vorka.svg", QSize(side, side));
            QVERIFY2(coverage(image) > 0.8, qPrintable(QString::number(side)));
        }
    }
};

QTEST_MAIN(MediaAssetsTest)
#include "MediaAssetsTest.moc"

#include "ui/ResourceSoundPlayer.h"
#include "ui/WaveHeader.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>
#include <QtEndian>

#include <cmath>
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

} // namespace

class MediaAssetsTest : public QObject {
    Q_OBJECT

private slots:
    void sounds_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("seconds");
        QTest::newRow("BPRESS") << "BPRESS" << 0.06;
        QTest::newRow("ROLL") << "ROLL" << 1.42;
        QTest::newRow("START") << "START" << 9.4;
        QTest::newRow("FANFARE") << "FANFARE" << 8.6;
        QTest::newRow("QUESTION") << "QUESTION" << 0.2;
        QTest::newRow("WIN") << "WIN" << 4.8;
        QTest::newRow("END") << "END" << 5.2;
        QTest::newRow("NEWPLAYER") << "NEWPLAYER" << 3.8;
        QTest::newRow("OKNWPLYR") << "OKNWPLYR" << 1.2;
    }
    void sounds() {
        QFETCH(QString, name);
        QFETCH(double, seconds);
        QVERIFY(ResourceSoundPlayer::soundNames().contains(name));
        const QByteArray bytes = readResource(QStringLiteral(":/sounds/%1.wav").arg(name));
        QVERIFY2(!bytes.isEmpty(), "the resource is missing");

        // A complete RIFF file: its size field covers exactly the rest of the file.
        QVERIFY(bytes.startsWith("RIFF"));
        QCOMPARE(qsizetype(qFromLittleEndian<uint32_t>(bytes.constData() + 4)), bytes.size() - 8);

        const WaveHeader header = WaveHeader::parse(bytes);
        QVERIFY2(header.valid(), qPrintable(header.error));
        QCOMPARE(header.format, WaveHeader::kPcm);
        QCOMPARE(header.channels, uint16_t(1));
        QCOMPARE(header.sampleRate, 22050u);
        QCOMPARE(header.bitsPerSample, uint16_t(8));
        QVERIFY(header.playable());
        QCOMPARE(header.dataOffset + header.dataBytes, bytes.size());

        const double length = header.dataBytes / 22050.0;
        QVERIFY2(std::abs(length - seconds) <= 0.15 * seconds,
                 qPrintable(QStringLiteral("%1 s long").arg(length)));

        // Pleasant at the edges: it starts and ends at silence (128 in 8-bit
        // PCM) and never reaches the limits, which would be clipping.
        const auto* samples = reinterpret_cast<const uchar*>(bytes.constData() + header.dataOffset);
        QVERIFY(std::abs(int(samples[0]) - 128) <= 2);
        QVERIFY(std::abs(int(samples[header.dataBytes - 1]) - 128) <= 2);
        uchar lowest = 255, highest = 0;
        for (uint32_t i = 0; i < header.dataBytes; ++i) {
            lowest = std::min(lowest, samples[i]);
            highest = std::max(highest, samples[i]);
        }
        QVERIFY2(lowest > 0 && highest < 255, "the sound clips");
        // and it is not silent
        QVERIFY(highest - lowest > 40);
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
        for (const char* tool :
             {"new", "scores", "open", "save", "quit", "sounds", "help", "player"})
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

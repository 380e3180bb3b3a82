#include "ui/SvgIconEngine.h"
#include "ui/GameStyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kIcon = QStringLiteral(":/pictures/vorka.svg");
const QString kMissing = QStringLiteral(":/pictures/no-such-picture.svg");

// How many pixels of `image` are not fully transparent.
int paintedPixels(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) ++painted;
    return painted;
}

} // namespace

class SvgIconEngineTest : public QObject {
    Q_OBJECT

private slots:
    void eachSizeIsDrawnOnce() {
        SvgIconEngine engine(kIcon);
        const QPixmap first = engine.pixmap(QSize(32, 32), QIcon::Normal, QIcon::Off);
        QCOMPARE(first.size(), QSize(32, 32));
        QVERIFY(paintedPixels(first.toImage()) > 32 * 32 / 2);
        engine.pixmap(QSize(32, 32), QIcon::Normal, QIcon::Off);
        engine.pixmap(QSize(32, 32), QIcon::Active, QIcon::On);
        QCOMPARE(engine.drawnPixmaps(), 1);
        engine.pixmap(QSize(16, 16), QIcon::Normal, QIcon::Off);
        QCOMPARE(engine.drawnPixmaps(), 2);
    }

    void disabledLookComesFromTheStyle() {
        SvgIconEngine engine(kIcon);
        const QImage normal = engine.pixmap(QSize(24, 24), QIcon::Normal, QIcon::Off).toImage();
        const QImage disabled = engine.pixmap(QSize(24, 24), QIcon::Disabled, QIcon::Off).toImage();
        QCOMPARE(engine.drawnPixmaps(), 1);
        QCOMPARE(disabled.size(), normal.size());
        QVERIFY(disabled != normal);
        // The style greys the picture out.
        const QRgb centre = disabled.pixel(12, 12);
        QVERIFY(qAbs(qRed(centre) - qGreen(centre)) < 8 &&
                qAbs(qGreen(centre) - qBlue(centre)) < 8);
    }

    void aPreparedSizeMatchesOneDrawnHere() {
        SvgIconEngine prepared(kIcon);
        prepared.prepare({QSize(48, 48), QSize(20, 20)});
        SvgIconEngine direct(kIcon);
        for (const QSize size : {QSize(48, 48), QSize(20, 20)}) {
            const QImage a = prepared.pixmap(size, QIcon::Normal, QIcon::Off).toImage();
            const QImage b = direct.pixmap(size, QIcon::Normal, QIcon::Off).toImage();
            QCOMPARE(a.convertToFormat(QImage::Format_ARGB32),
                     b.convertToFormat(QImage::Format_ARGB32));
        }
        QCOMPARE(prepared.drawnPixmaps(), 2);
        // A size that was not prepared is drawn when asked for.
        QCOMPARE(prepared.pixmap(QSize(30, 30), QIcon::Normal, QIcon::Off).size(), QSize(30, 30));
        QCOMPARE(prepared.drawnPixmaps(), 3);
    }

    void onePathIsOneIcon() {
        const QIcon a = svgIcon(kIcon);
        const QIcon b = svgIcon(kIcon);
        QCOMPARE(a.cacheKey(), b.cacheKey());
        QVERIFY(svgIcon(QStringLiteral(":/pictures/toolbar/new.svg")).cacheKey() != a.cacheKey());
        prepareSvgIcon(kIcon, {QSize(40, 40)});
        QCOMPARE(svgIcon(kIcon).pixmap(QSize(40, 40), 1.0).size(), QSize(40, 40));
    }

    void paintedAtTheDevicesScale() {
        QImage target(QSize(64, 64), QImage::Format_ARGB32_Premultiplied);
        target.setDevicePixelRatio(2.0);
        target.fill(Qt::transparent);
        {
            QPainter painter(&target);
            svgIcon(kIcon).paint(&painter, QRect(0, 0, 32, 32));
        }
        // Drawn sharp at 64 device pixels: the corners of the rounded frame
        // stay clear, the middle is covered.
        QCOMPARE(qAlpha(target.pixel(0, 0)), 0);
        QVERIFY(qAlpha(target.pixel(32, 32)) > 0);
        QVERIFY(paintedPixels(target) > 64 * 64 / 2);
    }

    void aMissingPictureIsANullIcon() {
        const QRegularExpression cannotOpen(QStringLiteral("Cannot open file"));
        QTest::ignoreMessage(QtWarningMsg, cannotOpen);
        QTest::ignoreMessage(QtWarningMsg, cannotOpen);
        SvgIconEngine engine(kMissing);
        QVERIFY(engine.isNull());
        QVERIFY(engine.pixmap(QSize(16, 16), QIcon::Normal, QIcon::Off).isNull());
        engine.prepare({QSize(16, 16)});
        QVERIFY(engine.pixmap(QSize(16, 16), QIcon::Normal, QIcon::Off).isNull());
        QVERIFY(svgIcon(kMissing).isNull());
    }

    void theStyleDrawsItsPicturesFromTheGames_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("picture");
        QTest::newRow("toolbar extension") << int(QStyle::SP_ToolBarHorizontalExtensionButton)
                                           << QStringLiteral(":/pictures/toolbar/more-h.svg");
        QTest::newRow("vertical toolbar extension")
            << int(QStyle::SP_ToolBarVerticalExtensionButton)
            << QStringLiteral(":/pictures/toolbar/more-v.svg");
        QTest::newRow("frame icon")
            << int(QStyle::SP_TitleBarMenuButton) << QStringLiteral(":/pictures/vorka.svg");
        QTest::newRow("minimise") << int(QStyle::SP_TitleBarMinButton)
                                  << QStringLiteral(":/pictures/titlebar/minimize.svg");
        QTest::newRow("maximise") << int(QStyle::SP_TitleBarMaxButton)
                                  << QStringLiteral(":/pictures/titlebar/maximize.svg");
        QTest::newRow("restore") << int(QStyle::SP_TitleBarNormalButton)
                                 << QStringLiteral(":/pictures/titlebar/restore.svg");
        QTest::newRow("close") << int(QStyle::SP_TitleBarCloseButton)
                               << QStringLiteral(":/pictures/titlebar/close.svg");
    }

    void theStyleDrawsItsPicturesFromTheGames() {
        QFETCH(int, icon);
        QFETCH(QString, picture);
        GameStyle style;
        const QIcon shown = style.standardIcon(QStyle::StandardPixmap(icon));
        QCOMPARE(shown.cacheKey(), svgIcon(picture).cacheKey());
        QVERIFY(paintedPixels(shown.pixmap(QSize(16, 16), 1.0).toImage()) > 0);
    }

    void otherIconsStayTheDesktops() {
        GameStyle style;
        const QIcon warning = style.standardIcon(QStyle::SP_MessageBoxWarning);
        QVERIFY(!warning.isNull());
        QVERIFY(warning.cacheKey() !=
                svgIcon(QStringLiteral(":/pictures/titlebar/close.svg")).cacheKey());
    }
};

QTEST_MAIN(SvgIconEngineTest)
#include "SvgIconEngineTest.moc"

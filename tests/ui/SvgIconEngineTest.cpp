#include "ui/SvgIconEngine.h"
#include "ui/GameStyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>

#include <future>

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

    void anAdoptedDrawingIsTakenAsItIs() {
        // Drawn elsewhere: plain red, nothing like the picture.
        QImage red(QSize(20, 20), QImage::Format_ARGB32_Premultiplied);
        red.fill(Qt::red);
        std::promise<QList<QImage>> drawing;
        SvgIconEngine engine(kIcon);
        engine.adopt({QSize(20, 20)}, drawing.get_future().share());
        drawing.set_value({red});
        QCOMPARE(engine.pixmap(QSize(20, 20), QIcon::Normal, QIcon::Off)
                     .toImage()
                     .convertToFormat(red.format()),
                 red);
        QCOMPARE(engine.drawnPixmaps(), 1);
        // Other sizes are drawn from the picture.
        const QImage other = engine.pixmap(QSize(30, 30), QIcon::Normal, QIcon::Off).toImage();
        QCOMPARE(other.size(), QSize(30, 30));
        QVERIFY(other.pixel(15, 15) != QColor(Qt::red).rgb());
        QCOMPARE(engine.drawnPixmaps(), 2);
    }

    void aPreparedSizeMatchesOneDrawnHere() {
        const QString picture = QStringLiteral(":/pictures/toolbar/help.svg");
        prepareSvgIcons({{picture, {QSize(48, 48), QSize(20, 20)}},
                         {QStringLiteral(":/pictures/toolbar/open.svg"), {QSize(24, 24)}}});
        SvgIconEngine direct(picture);
        for (const QSize size : {QSize(48, 48), QSize(20, 20)}) {
            const QImage prepared = svgIcon(picture).pixmap(size, 1.0).toImage();
            const QImage here = direct.pixmap(size, QIcon::Normal, QIcon::Off).toImage();
            QCOMPARE(prepared.convertToFormat(QImage::Format_ARGB32),
                     here.convertToFormat(QImage::Format_ARGB32));
        }
        QVERIFY(
            paintedPixels(
                svgIcon(QStringLiteral(":/pictures/toolbar/open.svg")).pixmap(24, 1.0).toImage()) >
            0);
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
        SvgIconEngine engine(kMissing);
        QVERIFY(engine.isNull());
        QVERIFY(engine.pixmap(QSize(16, 16), QIcon::Normal, QIcon::Off).isNull());
        QVERIFY(svgIcon(kMissing).isNull());
        // Drawing it ahead gives nothing either.
        prepareSvgIcons({{kMissing, {QSize(16, 16)}}});
        QVERIFY(svgIcon(kMissing).pixmap(QSize(16, 16), 1.0).isNull());
    }

    void anUnreadablePictureDrawsNothing() {
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write("<svg not closed");
        file.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
        SvgIconEngine engine(file.fileName());
        QVERIFY(engine.pixmap(QSize(16, 16), QIcon::Normal, QIcon::Off).isNull());
        QVERIFY(engine.pixmap(QSize(16, 16), QIcon::Disabled, QIcon::Off).isNull());
        QCOMPARE(engine.drawnPixmaps(), 0);
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

    void theStyleKeepsTheOneChosen() {
        QApplication::setStyle(QStringLiteral("Windows")); // as -style windows would
        QApplication::setStyle(GameStyle::overApplicationStyle());
        auto* style = dynamic_cast<GameStyle*>(QApplication::style());
        QVERIFY(style);
        QCOMPARE(style->baseStyle()->name(), QStringLiteral("windows"));
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

// What the program does before its first window shows, as it starts: every
// plugin is a library to find, load and link, and every picture drawn on the
// main thread is time the player waits.

#include "ui/FrmHighScores.h"
#include "ui/GameStyle.h"
#include "ui/StartupWarmUp.h"
#include "ui/SvgIconEngine.h"

#include "support/ShellFixture.h"

#include <QFile>
#include <QFontDatabase>
#include <QTest>

namespace {

// The Qt plugins of these kinds this process has loaded.
QStringList loadedPlugins(const QStringList& kinds) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return {QStringLiteral("(no /proc/self/maps)")};
    QStringList found;
    for (const QByteArray& line : maps.readAll().split('\n'))
        for (const QString& kind : kinds)
            if (line.contains(("/" + kind + "/").toUtf8())) {
                const QString library = QString::fromUtf8(line.mid(line.lastIndexOf(' ') + 1));
                if (!found.contains(library)) found << library;
            }
    return found;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(GameStyle::overApplicationStyle()); }

    // Runs first: the icons, and what they have drawn, last as long as the
    // application.
    void theFirstWindowsPicturesAreDrawnAhead() {
        const QList<SvgIconSizes> pictures =
            MDIFrmMainGame::firstPictures(qApp->devicePixelRatio());
        prepareSvgIcons(pictures);
        ShellFixture f;
        f.window->highScores();
        f.window->show();
        QVERIFY(!f.window->grab().isNull());
        int taken = 0;
        for (const SvgIconSizes& picture : pictures) {
            QVERIFY2(QFile::exists(picture.path), qPrintable(picture.path));
            const SvgIconEngine& engine = svgIconEngine(picture.path);
            // Drawn at a size nobody prepared, the picture waited for the
            // main thread.
            QVERIFY2(engine.drawnHere() == 0, qPrintable(picture.path));
            taken += engine.drawnPixmaps();
        }
        // The high-score window's decoration, its tabs, and the command
        // buttons at least.
        QVERIFY2(taken >= 10, qPrintable(QString::number(taken)));
    }

    // A warm-up that waited for good would hang the program at its end.
    void theWarmUpEndsWithOrWithoutTheApplication() {
        {
            StartupWarmUp unused; // never told the application exists
        }
        {
            StartupWarmUp warmUp;
            warmUp.applicationStarted();
            warmUp.applicationStarted(); // a second word changes nothing
            warmUp.finish();
            warmUp.finish();
        }
        QVERIFY(!QFontDatabase::families().isEmpty());
    }

    void theFirstWindowsLoadNoPicturePlugins() {
        ShellFixture f;
        f.start({QStringLiteral("Ann")});
        QVERIFY(f.window->isVisible());
        QVERIFY(!f.window->grab().isNull());
        // The game draws its SVG pictures itself, and its style gives the
        // toolbars and frames pictures of the game's own: nothing asks Qt
        // to read a picture file, which would load every image plugin.
        QCOMPARE(loadedPlugins({QStringLiteral("imageformats"), QStringLiteral("iconengines")}),
                 QStringList());
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"

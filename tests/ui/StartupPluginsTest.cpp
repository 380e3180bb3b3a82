// What the program loads before its first window shows: every plugin is a
// library to find, load and link while the player waits.

#include "ui/GameStyle.h"

#include "support/ShellFixture.h"

#include <QFile>
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

class StartupPluginsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(new GameStyle); }

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

QTEST_MAIN(StartupPluginsTest)
#include "StartupPluginsTest.moc"

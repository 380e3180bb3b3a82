#include "ui/DeferredSoundPlayer.h"

#include "support/Fakes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kModule = QStringLiteral(VORKA_TEST_SOUND_MODULE);

// Sets an environment variable for one scope, or clears it with an empty value.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), before_(qgetenv(name)) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment() {
        if (had_)
            qputenv(name_, before_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray before_;
};

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class DeferredSoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { resetServices(); }

    void withoutOutputNothingIsLoaded() {
        int asked = 0;
        DeferredSoundPlayer player(
            [&] {
                ++asked;
                return false;
            },
            kModule);
        QElapsedTimer clock;
        clock.start();
        player.play("END", true);
        player.play("BPRESS", false);
        QVERIFY(clock.elapsed() < 500);
        QCOMPARE(asked, 2);
        QVERIFY(!player.triedLoading());
        QVERIFY(!player.loaded());
    }

    // Runs before anything else in this process loads the module.
    void theModuleIsLoadedOnTheFirstSoundOnly() {
        QLibrary probe(kModule);
        DeferredSoundPlayer player([] { return true; }, kModule);
        QVERIFY(!player.triedLoading());
        QVERIFY(!probe.isLoaded());
        player.play("BPRESS", false);
        QVERIFY(player.triedLoading());
        QVERIFY(player.loaded());
        QVERIFY(probe.isLoaded());
        // The loaded player plays on, whatever the check says later.
        player.play("ROLL", false);
        QVERIFY(player.loaded());
    }

    void aModuleThatCannotBeLoadedIsSilentAndTriedOnce_data() {
        QTest::addColumn<QByteArray>("contents"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a library") << QByteArray("not a shared object\n");
    }
    void aModuleThatCannotBeLoadedIsSilentAndTriedOnce() {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("libvorka_sound.so"));
        if (!contents.isEmpty()) QVERIFY(write(file, contents));
        DeferredSoundPlayer player([] { return true; }, file);
        player.play("START", false);
        player.play("END", true);
        QVERIFY(player.triedLoading());
        QVERIFY(!player.loaded());
    }

    void installingMakesItThePlayerUntilItGoes() {
        FakeSound before;
        services().sound = &before;
        {
            DeferredSoundPlayer player([] { return false; }, kModule);
            player.install();
            QCOMPARE(services().sound, &player);
            PlayResourceSound("BPRESS");
            QCOMPARE(before.played, QStringList());
        }
        QCOMPARE(services().sound, &before);
    }

    void theModuleIsLookedForBesideTheProgramFirst() {
        const QStringList files = DeferredSoundPlayer::moduleFiles();
        QCOMPARE(files.size(), 3);
        QCOMPARE(files.first(), QCoreApplication::applicationDirPath() + "/libvorka_sound.so");
        for (const QString& file : files)
            QVERIFY2(file.endsWith("/libvorka_sound.so"), qPrintable(file));
    }

    // Each way a machine can name or offer a sound server.
    void soundOutputCanExistFindsAServer_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("server named") << "PULSE_SERVER";
        QTest::newRow("PulseAudio socket") << "pulse/native";
        QTest::newRow("PipeWire socket") << "pipewire-0";
        QTest::newRow("client configuration") << "client.conf";
    }
    void soundOutputCanExistFindsAServer() {
        QFETCH(QString, kind);
        QTemporaryDir runtime, config;
        QVERIFY(runtime.isValid() && config.isValid());
        ScopedEnvironment server("PULSE_SERVER",
                                 kind == "PULSE_SERVER" ? QByteArray("unix:/nowhere") : "");
        ScopedEnvironment runtimeDir("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        ScopedEnvironment configDir("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        if (kind == "pulse/native") {
            QVERIFY(QDir(runtime.path()).mkpath("pulse"));
            QVERIFY(write(runtime.filePath("pulse/native"), ""));
        } else if (kind == "pipewire-0") {
            QVERIFY(write(runtime.filePath("pipewire-0"), ""));
        } else if (kind == "client.conf") {
            QVERIFY(QDir(config.path()).mkpath("pulse"));
            QVERIFY(write(config.filePath("pulse/client.conf"),
                          "; a comment\n  default-server = tcp:somewhere\n"));
        }
        QVERIFY(soundOutputCanExist());
    }

    void soundOutputCannotExistWithoutServerOrCard_data() {
        QTest::addColumn<QByteArray>("clientConf"); // empty: none
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("server commented out") << QByteArray("; default-server = tcp:x\n");
        QTest::newRow("other settings") << QByteArray("autospawn = no\n");
    }
    void soundOutputCannotExistWithoutServerOrCard() {
        QFETCH(QByteArray, clientConf);
        QTemporaryDir runtime, config;
        QVERIFY(runtime.isValid() && config.isValid());
        ScopedEnvironment server("PULSE_SERVER", "");
        ScopedEnvironment runtimeDir("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        ScopedEnvironment configDir("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        if (!clientConf.isEmpty()) {
            QVERIFY(QDir(config.path()).mkpath("pulse"));
            QVERIFY(write(config.filePath("pulse/client.conf"), clientConf));
        }
        // The machine's own configuration and cards are beyond the test.
        {
            ScopedEnvironment emptyConfig("XDG_CONFIG_HOME", QFile::encodeName(runtime.path()));
            if (soundOutputCanExist())
                QSKIP("this machine has a sound card or a configured server");
        }
        QVERIFY(!soundOutputCanExist());
    }
};

QTEST_MAIN(DeferredSoundPlayerTest)
#include "DeferredSoundPlayerTest.moc"

#include "ui/ResourceSoundPlayer.h"
#include "ui/DeferredSoundPlayer.h"

#include "support/Fakes.h"

#include <QElapsedTimer>
#include <QSoundEffect>
#include <QTest>

using namespace std::chrono_literals;

namespace {

QStringList messages;

void collect(QtMsgType, const QMessageLogContext&, const QString& message) {
    messages.append(message);
}

// The tests below that pretend to have an output make QSoundEffect say, on a
// machine without one, that it has none. That is expected here.
QtMessageHandler testHandler = nullptr;
void dropMissingDevice(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message == QLatin1String("No audio device detected")) return;
    testHandler(type, context, message);
}

// A player that believes there is a sound output. On a machine without one
// QSoundEffect then reports each sound as playing until it is stopped, which
// is the worst case for a wait.
ResourceSoundPlayer::OutputProbe alwaysOutput() {
    return [] { return true; };
}

QStringList loaded(const ResourceSoundPlayer& player) {
    QStringList names;
    for (const QString& name : ResourceSoundPlayer::soundNames())
        if (player.effect(name)) names.append(name);
    return names;
}

} // namespace

class ResourceSoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testHandler = qInstallMessageHandler(dropMissingDevice); }
    void cleanup() { resetServices(); }

    // Runs first, before anything else in this process has asked for audio
    // devices: whatever the machine has, playing prints nothing.
    void quietOnAnyMachine() {
        messages.clear();
        const QtMessageHandler before = qInstallMessageHandler(collect);
        {
            ResourceSoundPlayer player;
            player.play("BPRESS", false);
            player.play("QUESTION", false);
        }
        qInstallMessageHandler(before);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
    }

    void withoutOutputNothingLoadsAndTheWaitIsShort() {
        int asked = 0;
        ResourceSoundPlayer player([&] {
            ++asked;
            return false;
        });
        QElapsedTimer clock;
        clock.start();
        player.play("END", true);
        QVERIFY(clock.elapsed() < 500);
        QVERIFY(asked > 0);
        QCOMPARE(loaded(player), QStringList());
        QCOMPARE(player.playing(), QString());
    }

    void nothingLoadsBeforeItIsPlayed() {
        ResourceSoundPlayer player(alwaysOutput());
        QCOMPARE(loaded(player), QStringList());
        player.play("BPRESS", false);
        QCOMPARE(loaded(player), QStringList{"BPRESS"});
    }

    void aSoundIsLoadedOnceAndKept() {
        ResourceSoundPlayer player(alwaysOutput());
        player.play("ROLL", false);
        const QSoundEffect* first = player.effect("ROLL");
        QVERIFY(first);
        QCOMPARE(first->source(), QUrl("qrc:/sounds/ROLL.wav"));
        player.play("BPRESS", false);
        player.play("ROLL", false);
        QCOMPARE(player.effect("ROLL"), first);
        QCOMPARE(loaded(player), (QStringList{"BPRESS", "ROLL"}));
    }

    void startingASoundStopsTheOnePlaying() {
        ResourceSoundPlayer player(alwaysOutput());
        player.play("START", false);
        QCOMPARE(player.playing(), QString("START"));
        player.play("BPRESS", false);
        player.play("QUESTION", false);
        QCOMPARE(player.playing(), QString("QUESTION"));
        QVERIFY(!player.effect("START")->isPlaying());
        QVERIFY(!player.effect("BPRESS")->isPlaying());
    }

    void withoutWaitTheCallReturnsAtOnce() {
        ResourceSoundPlayer player(alwaysOutput());
        QElapsedTimer clock;
        clock.start();
        player.play("FANFARE", false);
        QVERIFY(clock.elapsed() < 500);
        QCOMPARE(player.playing(), QString("FANFARE"));
    }

    void namesIgnoreCase() {
        ResourceSoundPlayer player(alwaysOutput());
        player.play("Roll", false);
        QCOMPARE(player.playing(), QString("ROLL"));
        QVERIFY(player.effect("roll"));
    }

    void unknownNamesAreSilent_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("not a sound") << "BEEP";
        QTest::newRow("with extension") << "END.wav";
        QTest::newRow("a path") << "../sounds/END";
        QTest::newRow("a resource path") << ":/sounds/END.wav";
        QTest::newRow("padded") << " END";
    }
    void unknownNamesAreSilent() {
        QFETCH(QString, name);
        int asked = 0;
        ResourceSoundPlayer player([&] {
            ++asked;
            return true;
        });
        player.play("ROLL", false);
        QElapsedTimer clock;
        clock.start();
        player.play(name, true);
        QVERIFY(clock.elapsed() < 500);
        // The sound already playing goes on; nothing new is loaded.
        QCOMPARE(player.playing(), QString("ROLL"));
        QCOMPARE(loaded(player), QStringList{"ROLL"});
        QCOMPARE(asked, 1);
    }

    // The wait for END ends when END has finished, and never much later than
    // its 5.2 seconds, even where the platform never says that it finished.
    void theWaitForEndIsBounded() {
        ResourceSoundPlayer player(alwaysOutput());
        QElapsedTimer clock;
        clock.start();
        player.play("END", true);
        const qint64 took = clock.elapsed();
        const qint64 bound = 5200 + ResourceSoundPlayer::kWaitMargin.count();
        QVERIFY2(took <= bound + 500, qPrintable(QStringLiteral("%1 ms").arg(took)));
        QCOMPARE(player.playing(), QString());
        if (!systemHasAudioOutput()) {
            // Nothing can end the sound early here but the deadline itself.
            QVERIFY2(took >= bound - 50, qPrintable(QStringLiteral("%1 ms").arg(took)));
        }
    }

    void installingMakesItThePlayerUntilItGoes() {
        FakeSound before;
        services().sound = &before;
        {
            ResourceSoundPlayer player([] { return false; });
            player.install();
            QCOMPARE(services().sound, &player);
            PlayResourceSound("BPRESS");
            QCOMPARE(before.played, QStringList());
        }
        QCOMPARE(services().sound, &before);
        PlayResourceSound("BPRESS");
        QCOMPARE(before.played, QStringList{"BPRESS"});
    }

    // The program's player belongs to the application: it stays installed
    // after the call, and goes with the application.
    void installResourceSoundPlayerInstallsOne() {
        SoundPlayer* before = services().sound;
        SoundPlayer& player = installResourceSoundPlayer();
        QCOMPARE(services().sound, &player);
        auto* owner = QCoreApplication::instance()->findChild<QObject*>("ResourceSoundPlayer",
                                                                        Qt::FindDirectChildrenOnly);
        QVERIFY(owner);
        delete owner;
        QCOMPARE(services().sound, before);
    }

    // The exit sound is played while the program is closing down, when the
    // application may already have been told to quit. The wait still holds.
    // (Last of the tests: the application stays told to quit.)
    void theWaitHoldsWhileTheApplicationQuits() {
        ResourceSoundPlayer player(alwaysOutput());
        QCoreApplication::exit(0);
        QElapsedTimer clock;
        clock.start();
        player.play("QUESTION", true);
        const qint64 took = clock.elapsed();
        const qint64 bound = 200 + ResourceSoundPlayer::kWaitMargin.count();
        QVERIFY2(took <= bound + 500, qPrintable(QStringLiteral("%1 ms").arg(took)));
        QCOMPARE(player.playing(), QString());
        if (!systemHasAudioOutput())
            QVERIFY2(took >= bound - 50, qPrintable(QStringLiteral("%1 ms").arg(took)));
    }
};

QTEST_MAIN(ResourceSoundPlayerTest)
#include "ResourceSoundPlayerTest.moc"

// The game's sound player against a real sound server started by the test:
// what reaches the server's sink is recorded from its monitor and compared,
// sample for sample, with the sounds themselves.

#include "ui/PulseSoundPlayer.h"
#include "ui/DecodedSound.h"

#include "support/SoundServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr int kRate = PulseSoundPlayer::kSampleRate;
static_assert(kRate == SoundServer::kRate, "the sink takes the sounds as they are");

using Samples = std::vector<int16_t>;

// What the recording may lack of a sound. When the server runs dry for a
// moment (a busy machine) the recording holds silence; when the sound goes on,
// the server plays it at once by mixing again the stretch it had mixed ahead,
// but the sink's monitor may already have handed that stretch on silent. So up
// to kLost of the sound's samples may be missing at its start and after each
// silence of at least kGap samples. For the same reason the sound may show a
// moment before the recording's position at the call, so recordings are taken
// from kLost before it.
constexpr size_t kLost = kRate / 50;
constexpr size_t kGap = 16;

// How long a sound may take past its own length to arrive: the moments the
// server runs dry delay the rest of it.
constexpr int kArrivalMs = 5000;

Samples decoded(const QString& name) {
    QFile file(PulseSoundPlayer::resourcePath(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const auto sound = DecodedSound::decode(file.readAll());
    return sound ? sound->samples : Samples{};
}

int lengthMs(const Samples& sound) {
    return int(sound.size() * 1000 / kRate);
}

// The samples that are not silent, and for each whether a silence of at
// least kGap samples came before it.
struct Sounding {
    Samples samples;
    std::vector<bool> afterGap;
};

Sounding sounding(const Samples& samples) {
    Sounding heard;
    size_t silent = 0;
    for (int16_t s : samples) {
        if (s == 0) {
            ++silent;
            continue;
        }
        heard.samples.push_back(s);
        heard.afterGap.push_back(silent >= kGap);
        silent = 0;
    }
    return heard;
}

// Whether the sound from its sample i on starts at the recording's sample j:
// their next 32 samples (fewer at the sound's end) are the same.
bool startsAt(const Samples& sound, size_t i, const Samples& recording, size_t j) {
    if (i >= sound.size()) return false;
    const size_t n = std::min<size_t>(32, sound.size() - i);
    return j + n <= recording.size() &&
           std::equal(sound.begin() + std::ptrdiff_t(i), sound.begin() + std::ptrdiff_t(i + n),
                      recording.begin() + std::ptrdiff_t(j));
}

// Follows the sound from its sample i at the recording's sample j to its
// end: the recording's index past it, or nothing.
std::optional<size_t> followTo(const Samples& sound, const Sounding& heard, size_t i, size_t j) {
    const Samples& recording = heard.samples;
    while (i < sound.size()) {
        if (j < recording.size() && recording[j] == sound[i]) {
            ++i, ++j;
            continue;
        }
        if (j >= recording.size() || !heard.afterGap[j]) return std::nullopt;
        size_t skip = 1;
        while (skip <= kLost && !startsAt(sound, i + skip, recording, j)) ++skip;
        if (skip > kLost) return std::nullopt;
        i += skip;
    }
    return j;
}

// Whether the sound has arrived whole and in order (see kLost): how many
// sounding samples the recording holds up to the sound's end, or 0.
size_t arrivedWhole(const Samples& sound, const Samples& recording) {
    const Samples wanted = sounding(sound).samples;
    const Sounding heard = sounding(recording);
    // Where the sound may begin, by the value of its first sample there: the
    // recording is read once, not once for every sample that may be lost
    // (which took seconds a look under the sanitizers).
    std::multimap<int16_t, size_t> firsts;
    for (size_t skip = 0; skip <= kLost && skip < wanted.size(); ++skip)
        firsts.emplace(wanted[skip], skip);
    for (size_t j = 0; j < heard.samples.size(); ++j) {
        const auto [from, to] = firsts.equal_range(heard.samples[j]);
        for (auto first = from; first != to; ++first)
            if (startsAt(wanted, first->second, heard.samples, j))
                if (const auto end = followTo(wanted, heard, first->second, j)) return *end;
    }
    return 0;
}

qint64 timed(const std::function<void()>& call) {
    QElapsedTimer clock;
    clock.start();
    call();
    return clock.elapsed();
}

} // namespace

class PulseSoundPlayerTest : public QObject {
    Q_OBJECT

    SoundServer server_;
    std::unique_ptr<PulseSoundPlayer> player_;
    QTemporaryDir home_;

    size_t markEarly() { return std::max(server_.mark(), kLost) - kLost; }

    // Plays the sound and waits until it has arrived whole; returns how many
    // sounding samples the recording holds up to its end, or 0.
    size_t playUntilArrived(const QString& name, const Samples& sound) {
        const size_t mark = markEarly();
        player_->play(name, false);
        size_t end = 0;
        QElapsedTimer waited;
        waited.start();
        // Looked for once the recording is as long as the sound.
        while (!(server_.mark() >= mark + sound.size() &&
                 (end = arrivedWhole(sound, server_.since(mark)))) &&
               waited.elapsed() < lengthMs(sound) + kArrivalMs)
            QTest::qWait(50);
        return end;
    }

private slots:
    void initTestCase() {
        // The player's client library reads its settings and keys from here.
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", home_.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
    }

    // Without a server every call returns at once, the waited-for one too.
    void noServerGivesSilenceAtOnce() {
        qputenv("PULSE_SERVER", QByteArray("unix:") + home_.path().toLocal8Bit() + "/none");
        PulseSoundPlayer player;
        const qint64 took = timed([&] {
            player.play(QStringLiteral("START"), false);
            player.play(QStringLiteral("BPRESS"), false);
            player.play(QStringLiteral("END"), true);
        });
        const int end = lengthMs(decoded(QStringLiteral("END")));
        QVERIFY2(took < end / 2, qPrintable(QStringLiteral("%1 ms, END is %2").arg(took).arg(end)));
        QVERIFY(!player.connected());
    }

    void startServer() {
        const QString problem = server_.start();
        if (!problem.isEmpty()) QSKIP(qPrintable(QStringLiteral("no sound server: ") + problem));
        qputenv("PULSE_SERVER", server_.address().toLocal8Bit());
        player_ = std::make_unique<PulseSoundPlayer>();
        // The first sound connects in the background and is dropped, by
        // design, when that takes long (a busy machine): the sounds below
        // start once the player is connected and its first sound is over.
        player_->play(QStringLiteral("BPRESS"), false);
        QTRY_VERIFY_WITH_TIMEOUT(player_->connected(), kArrivalMs);
        QVERIFY(server_.waitUntilRecorded(server_.mark() + kRate / 2));
    }

    void eachSoundArrivesWhole_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : PulseSoundPlayer::soundNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void eachSoundArrivesWhole() {
        if (!player_) QSKIP("no sound server");
        QFETCH(QString, name);
        const Samples sound = decoded(name);
        QVERIFY(!sound.empty());
        QVERIFY(playUntilArrived(name, sound));
    }

    void unknownNameIsSilent() {
        if (!player_) QSKIP("no sound server");
        const size_t mark = server_.mark();
        player_->play(QStringLiteral("NOSUCH"), false);
        QVERIFY(server_.waitUntilRecorded(mark + kRate / 2));
        QVERIFY(sounding(server_.since(mark)).samples.empty());
    }

    // A sound cuts the one still playing off: the second arrives whole but
    // for its start, under which the first fades out, and nothing of the
    // first comes after it.
    void laterSoundCutsTheFirstOff() {
        if (!player_) QSKIP("no sound server");
        const Samples start = decoded(QStringLiteral("START"));
        const Samples question = decoded(QStringLiteral("QUESTION"));
        QVERIFY(lengthMs(start) > 1000);
        const size_t mark = markEarly();
        // QUESTION once START's first half second has arrived.
        QVERIFY(
            playUntilArrived(QStringLiteral("START"), {start.begin(), start.begin() + kRate / 2}));
        player_->play(QStringLiteral("QUESTION"), false);
        size_t end = 0;
        QTRY_VERIFY_WITH_TIMEOUT((end = arrivedWhole(question, server_.since(mark))) > 0,
                                 kArrivalMs);
        QVERIFY(server_.waitUntilRecorded(server_.mark() + kRate / 2));
        QCOMPARE(sounding(server_.since(mark)).samples.size(), end);
    }

    // END returns once it has been played, not before and not long after.
    void waitedSoundReturnsWhenPlayed() {
        if (!player_) QSKIP("no sound server");
        const Samples end = decoded(QStringLiteral("END"));
        const size_t mark = markEarly();
        const qint64 took = timed([&] { player_->play(QStringLiteral("END"), true); });
        QVERIFY2(took >= lengthMs(end) - 50, qPrintable(QString::number(took)));
        // The player gives up waiting after kWaitMargin; a busy machine may
        // take a little longer to get back to the caller.
        QVERIFY2(took <= lengthMs(end) + int(PulseSoundPlayer::kWaitMargin.count()) + 500,
                 qPrintable(QString::number(took)));
        QTRY_VERIFY_WITH_TIMEOUT(arrivedWhole(end, server_.since(mark)) > 0, kArrivalMs);
    }

    // A server that goes away leaves silence and no waiting; one that comes
    // back is used again.
    void serverThatGoesAwayGivesSilence() {
        if (!player_) QSKIP("no sound server");
        const QString folder = server_.runtimeFolder();
        server_.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!player_->connected(), kArrivalMs);
        const int end = lengthMs(decoded(QStringLiteral("END")));
        QVERIFY(timed([&] { player_->play(QStringLiteral("END"), true); }) < end / 2);

        const QString failed = server_.start(folder);
        if (!failed.isEmpty()) QSKIP(qPrintable(QStringLiteral("no second server: ") + failed));
        QTest::qWait(int(PulseSoundPlayer::kRetryInterval.count()));
        player_->play(QStringLiteral("BPRESS"), false);
        QTRY_VERIFY_WITH_TIMEOUT(player_->connected(), kArrivalMs);
        QVERIFY(playUntilArrived(QStringLiteral("OKNWPLYR"), decoded(QStringLiteral("OKNWPLYR"))));
    }

    void cleanupTestCase() {
        player_.reset();
        server_.stop();
    }
};

QTEST_GUILESS_MAIN(PulseSoundPlayerTest)
#include "PulseSoundPlayerTest.moc"

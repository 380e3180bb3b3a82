// The game's sound player against a real sound server started by the test:
// what reaches the server's sink is recorded from its monitor and compared
// with the sounds themselves.

#include "ui/PulseSoundPlayer.h"
#include "ui/DecodedSound.h"

#include "support/MonitorRecorder.h"
#include "support/SoundServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kRate = PulseSoundPlayer::kSampleRate;

// How long before a play call a sound may show in the recording. A sound
// that starts after a pause is played at once: the server rewinds its sink
// over what it had already mixed ahead and mixes that stretch again with the
// sound in it. The sink's monitor may have handed the recorder the start of
// the stretch, silent, before the rewind, and cannot take it back: the
// recording then lacks the sound's first few samples and holds the rest where
// they belong, a moment before the position it had at the call. Recordings
// are therefore taken from this long before the call.
constexpr size_t kEarly = kRate / 50;

std::vector<int16_t> decoded(const QString& name) {
    QFile file(PulseSoundPlayer::resourcePath(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const auto sound = DecodedSound::decode(file.readAll());
    return sound ? sound->samples : std::vector<int16_t>{};
}

double seconds(size_t samples) {
    return double(samples) / kRate;
}

struct Match {
    double correlation = 0; // normalised, 1 for a perfect copy
    size_t lag = 0;         // where in the recording it starts
};

double correlationAt(const std::vector<int16_t>& sound, size_t length,
                     const std::vector<int16_t>& recording, size_t lag) {
    double both = 0, own = 0, heard = 0;
    for (size_t i = 0; i < length && lag + i < recording.size(); ++i) {
        const double a = sound[i], b = recording[lag + i];
        both += a * b;
        own += a * a;
        heard += b * b;
    }
    return own > 0 && heard > 0 ? both / std::sqrt(own * heard) : 0.0;
}

// Where the first `length` samples of the sound best match the recording,
// looking at starts up to `latest` samples in.
Match find(const std::vector<int16_t>& sound, size_t length, const std::vector<int16_t>& recording,
           size_t latest) {
    length = std::min(length, sound.size());
    // The start is found on at most its first second, the match then
    // measured over the whole length.
    const size_t probe = std::min<size_t>(length, kRate);
    Match best;
    for (size_t lag = 0; lag <= latest && lag + probe <= recording.size(); ++lag) {
        const double c = correlationAt(sound, probe, recording, lag);
        if (c > best.correlation) best = {c, lag};
    }
    if (best.correlation > 0) best.correlation = correlationAt(sound, length, recording, best.lag);
    return best;
}

double rmsDb(const std::vector<int16_t>& samples, size_t from, size_t to);

// When a match in a recording taken from kEarly before the call started,
// in seconds from the call; a little below zero when its first samples are
// missing there.
double arrival(const Match& match) {
    return (double(match.lag) - double(kEarly)) / kRate;
}

// Whether all of the sound's first `length` samples arrived, allowing for
// moments where the server or the recording ran dry and shifted the rest (a
// busy machine): each fifth of a second is looked for near where the one
// before it was found. The correlation returned is the worst part's, leaving out at
// most one part (the one a gap fell into); the lag is where it started.
Match findInParts(const std::vector<int16_t>& sound, size_t length,
                  const std::vector<int16_t>& recording, size_t latest) {
    const Match start = find(sound, length, recording, latest);
    if (start.correlation > 0.9) return start;
    length = std::min(length, sound.size());
    const size_t part = kRate / 5;
    const size_t slack = kRate * 3 / 20;
    std::vector<double> found;
    size_t lag = start.lag;
    for (size_t from = 0; from + part <= length; from += part) {
        const std::vector<int16_t> piece(sound.begin() + std::ptrdiff_t(from),
                                         sound.begin() + std::ptrdiff_t(from + part));
        double best = 0;
        size_t bestLag = lag;
        for (size_t l = lag > slack ? lag - slack : 0;
             l <= lag + slack && l + from + part <= recording.size(); ++l) {
            const double c = correlationAt(piece, part, recording, l + from);
            if (c > best) {
                best = c;
                bestLag = l;
            }
        }
        // A silent part says nothing about where the sound is.
        if (rmsDb(piece, 0, part) > -50) {
            found.push_back(best);
            lag = bestLag;
        }
    }
    std::sort(found.begin(), found.end());
    Match parts{found.size() > 1 ? found[1] : (found.empty() ? 0.0 : found[0]), start.lag};
    qInfo("matched in %zu parts, the worst %.3f, the next %.3f, shifted by %.1f ms in all",
          found.size(), found.empty() ? 0.0 : found[0], parts.correlation,
          1000 * (seconds(lag) - seconds(start.lag)));
    return parts;
}

double rmsDb(const std::vector<int16_t>& samples, size_t from, size_t to) {
    double sum = 0;
    to = std::min(to, samples.size());
    if (from >= to) return -200;
    for (size_t i = from; i < to; ++i) sum += double(samples[i]) * samples[i];
    return 10 * std::log10(sum / double(to - from) / (32768.0 * 32768.0) + 1e-20);
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
    MonitorRecorder recorder_;
    std::unique_ptr<PulseSoundPlayer> player_;
    QString problem_; // why there is no server, if there is none
    QTemporaryDir home_;

    // The recording's position kEarly before now.
    size_t markEarly() {
        QElapsedTimer waited;
        waited.start();
        while (recorder_.mark() < kEarly && waited.elapsed() < 2000) QTest::qWait(5);
        return std::max(recorder_.mark(), kEarly) - kEarly;
    }

    // Plays the sound and returns what arrived from kEarly before the call
    // on, `after` seconds past the sound's own length.
    std::vector<int16_t> playAndRecord(const QString& name, double length, double after = 0.4) {
        const size_t mark = markEarly();
        player_->play(name, false);
        QTest::qWait(int((length + after) * 1000));
        return recorder_.since(mark);
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
        QVERIFY(timed([&] { player.play(QStringLiteral("START"), false); }) < 100);
        QVERIFY(timed([&] { player.play(QStringLiteral("BPRESS"), false); }) < 50);
        const qint64 end = timed([&] { player.play(QStringLiteral("END"), true); });
        QVERIFY2(end < 300, qPrintable(QStringLiteral("END took %1 ms").arg(end)));
        QVERIFY(!player.connected());
    }

    void startServer() {
        // The sink takes the sounds as they are, so that what it is given
        // can be compared sample by sample.
        problem_ = server_.start({}, kRate, 1);
        if (problem_.isEmpty()) {
            const std::string failed =
                recorder_.start(server_.address().toStdString(), SoundServer::kSink);
            if (!failed.empty()) problem_ = QString::fromStdString(failed);
        }
        if (!problem_.isEmpty()) QSKIP(qPrintable(QStringLiteral("no sound server: ") + problem_));
        qputenv("PULSE_SERVER", server_.address().toLocal8Bit());
        player_ = std::make_unique<PulseSoundPlayer>();
    }

    // The first sound starts the connection without waiting for it, and is
    // still heard once the connection is there.
    void firstSoundConnectsInTheBackground() {
        if (!player_) QSKIP("no sound server");
        const size_t mark = markEarly();
        QVERIFY(!player_->connected());
        const qint64 call = timed([&] { player_->play(QStringLiteral("QUESTION"), false); });
        QVERIFY2(call < 50, qPrintable(QStringLiteral("%1 ms").arg(call)));
        QTRY_VERIFY_WITH_TIMEOUT(player_->connected(), 2000);
        QTest::qWait(600);
        const Match match = find(decoded(QStringLiteral("QUESTION")), size_t(-1),
                                 recorder_.since(mark), kRate / 2 + kEarly);
        QVERIFY2(match.correlation > 0.9, qPrintable(QString::number(match.correlation)));
    }

    void eachSoundArrivesAsItIs_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : PulseSoundPlayer::soundNames())
            QTest::newRow(qPrintable(name)) << name;
    }
    void eachSoundArrivesAsItIs() {
        if (!player_) QSKIP("no sound server");
        QFETCH(QString, name);
        const std::vector<int16_t> sound = decoded(name);
        QVERIFY(!sound.empty());
        // Long sounds are compared over their first three seconds.
        const size_t length = std::min<size_t>(sound.size(), 3 * kRate);
        // A machine busy with other work can let the server run dry for a
        // moment, which shifts the rest of the sound; a sound that does not
        // arrive as it is fails every try.
        Match match;
        for (int attempt = 0; attempt < 3 && match.correlation <= 0.9; ++attempt) {
            const std::vector<int16_t> heard = playAndRecord(name, seconds(length));
            const Match tried = findInParts(sound, length, heard, kRate / 4 + kEarly);
            if (tried.correlation > match.correlation) match = tried;
        }
        qInfo("%s: correlation %.3f, arrived after %.1f ms", qPrintable(name), match.correlation,
              1000 * arrival(match));
        QVERIFY2(match.correlation > 0.9, qPrintable(QString::number(match.correlation)));
        QVERIFY(arrival(match) < 0.1);
        // No more than the few samples a rewind can take from the recording
        // is missing at the start.
        QVERIFY2(arrival(match) > -0.01, qPrintable(QString::number(arrival(match))));
    }

    void unknownNameIsSilent() {
        if (!player_) QSKIP("no sound server");
        const std::vector<int16_t> heard = playAndRecord(QStringLiteral("NOSUCH"), 0.3);
        QVERIFY2(rmsDb(heard, 0, heard.size()) < -80, "something played");
    }

    // A sound cuts the one still playing off: the first one's tail never
    // arrives, and the cut makes no click.
    void laterSoundCutsTheFirstOff() {
        if (!player_) QSKIP("no sound server");
        const size_t mark = markEarly();
        player_->play(QStringLiteral("START"), false);
        QTest::qWait(700);
        const size_t cut = recorder_.mark() - mark;
        player_->play(QStringLiteral("QUESTION"), false);
        QTest::qWait(1000);
        const std::vector<int16_t> heard = recorder_.since(mark);

        const std::vector<int16_t> question = decoded(QStringLiteral("QUESTION"));
        const std::vector<int16_t> tail(heard.begin() + std::ptrdiff_t(cut - kEarly), heard.end());
        const Match match = find(question, question.size(), tail, kRate / 4 + kEarly);
        QVERIFY2(match.correlation > 0.9, qPrintable(QString::number(match.correlation)));
        const size_t questionStarts = cut - kEarly + match.lag;
        const size_t questionEnds = questionStarts + question.size();
        QVERIFY2(rmsDb(heard, 0, cut) > -30, "START was not heard before the cut");
        QVERIFY2(rmsDb(heard, questionEnds + kRate / 50, heard.size()) < -60,
                 qPrintable(QStringLiteral("START went on at %1 dBFS after the cut")
                                .arg(rmsDb(heard, questionEnds, heard.size()))));

        // No click: with QUESTION taken out of what arrived, what is left of
        // START moves from one sample to the next no faster as it stops than
        // START itself does around there.
        const std::vector<int16_t> start = decoded(QStringLiteral("START"));
        const Match before = find(start, cut, heard, kRate / 4 + kEarly);
        QVERIFY(before.correlation > 0.9);
        auto startLeft = [&](size_t i) {
            const bool inQuestion = i >= questionStarts && i < questionEnds;
            return heard[i] - (inQuestion ? question[i - questionStarts] : 0);
        };
        const size_t at = questionStarts - before.lag; // where in START it stops
        int steepest = 0;
        for (size_t i = std::max<size_t>(at, 221) - 220; i < std::min(at + 220, start.size()); ++i)
            steepest = std::max(steepest, std::abs(start[i] - start[i - 1]));
        int jump = 0;
        for (size_t i = questionStarts - 20; i < questionStarts + 200; ++i)
            jump = std::max(jump, std::abs(startLeft(i) - startLeft(i - 1)));
        QVERIFY2(jump <= steepest + 200,
                 qPrintable(QStringLiteral("a step of %1 where START's steepest is %2")
                                .arg(jump)
                                .arg(steepest)));
    }

    // END returns once it has been played, not before and not much after.
    void waitedSoundReturnsWhenPlayed() {
        if (!player_) QSKIP("no sound server");
        const std::vector<int16_t> end = decoded(QStringLiteral("END"));
        const qint64 length = qint64(end.size()) * 1000 / kRate;
        // As for every sound: a busy machine may make the server run dry for
        // a moment, which shifts the rest; three tries.
        Match match;
        for (int attempt = 0; attempt < 3 && match.correlation <= 0.9; ++attempt) {
            const size_t mark = markEarly();
            const qint64 took = timed([&] { player_->play(QStringLiteral("END"), true); });
            qInfo("END is %lld ms long, the call took %lld ms", length, took);
            QVERIFY2(took >= length - 50, qPrintable(QString::number(took)));
            QVERIFY2(took <= length + int(PulseSoundPlayer::kWaitMargin.count()),
                     qPrintable(QString::number(took)));
            QTest::qWait(200);
            // Where it starts is not this test's business (each sound's own
            // test checks that); that all of it arrived is.
            const Match tried = findInParts(end, end.size(), recorder_.since(mark), kRate + kEarly);
            qInfo("END arrived after %.1f ms, correlation %.3f", 1000 * arrival(tried),
                  tried.correlation);
            if (tried.correlation > match.correlation) match = tried;
        }
        QVERIFY2(match.correlation > 0.9, qPrintable(QString::number(match.correlation)));
    }

    // A server that goes away leaves silence and no waiting; one that comes
    // back is used again.
    void serverThatGoesAwayGivesSilence() {
        if (!player_) QSKIP("no sound server");
        player_->play(QStringLiteral("START"), false);
        QTest::qWait(300);
        const QString folder = server_.runtimeFolder();
        recorder_.stop();
        server_.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!player_->connected(), 2000);
        QVERIFY(timed([&] { player_->play(QStringLiteral("BPRESS"), false); }) < 50);
        QVERIFY(timed([&] { player_->play(QStringLiteral("END"), true); }) < 300);

        const QString failed = server_.start(folder);
        if (!failed.isEmpty()) QSKIP(qPrintable(QStringLiteral("no second server: ") + failed));
        QVERIFY(recorder_.start(server_.address().toStdString(), SoundServer::kSink).empty());
        QTest::qWait(int(PulseSoundPlayer::kRetryInterval.count()));
        const size_t mark = markEarly();
        player_->play(QStringLiteral("OKNWPLYR"), false);
        QTest::qWait(1800);
        const Match match = find(decoded(QStringLiteral("OKNWPLYR")), size_t(-1),
                                 recorder_.since(mark), kRate / 2 + kEarly);
        QVERIFY2(match.correlation > 0.9, qPrintable(QString::number(match.correlation)));
    }

    void cleanupTestCase() {
        player_.reset();
        recorder_.stop();
        server_.stop();
    }
};

QTEST_GUILESS_MAIN(PulseSoundPlayerTest)
#include "PulseSoundPlayerTest.moc"

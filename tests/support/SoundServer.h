#pragma once

// A PulseAudio server of a test's own, and a recording of what it plays. The
// server has a private runtime folder and home, reads no configuration and
// loads two modules: the local socket and a null sink ("vorka_test") that
// plays 16-bit mono at 22050 samples a second; `parec` records the sink's
// monitor from the start. Both end with this object, and with the test
// whatever way that ends. `parec` writes the recording to a file, so that a
// test busy for a while (comparing a long recording, under a sanitizer) never
// holds it up: through a pipe it would wait, and the server drop samples.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <sys/prctl.h>
#include <vector>

class SoundServer {
public:
    static constexpr int kRate = 22050;

    SoundServer() = default;
    ~SoundServer() { stop(); }
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Starts the server with its socket in `folder` (a fresh one when empty)
    // and the recording. Returns an empty text, or why they could not start.
    QString start(const QString& folder = {}) {
        if (!dir_.isValid()) return QStringLiteral("no temporary folder");
        const QString runtime = folder.isEmpty() ? dir_.filePath(QStringLiteral("run")) : folder;
        const QString home = dir_.filePath(QStringLiteral("home"));
        QDir().mkpath(runtime);
        QDir().mkpath(home);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
        socket_ = runtime + QStringLiteral("/native");
        QFile::remove(socket_);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("PULSE_SERVER"), address());
        for (const char* name : {"XDG_CONFIG_HOME", "DISPLAY", "DBUS_SESSION_BUS_ADDRESS"})
            env.remove(QString::fromLatin1(name));
        for (QProcess* process : {&server_, &recorder_}) {
            process->setProcessEnvironment(env);
            // Gone when the test goes, even when it is killed.
            process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        }
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--use-pid-file=no"), QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("--realtime=no"), QStringLiteral("--high-priority=no"),
             QStringLiteral("--log-target=stderr"), QStringLiteral("--log-level=error"),
             QStringLiteral("-L"),
             QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket_,
             QStringLiteral("-L"),
             QStringLiteral("module-null-sink sink_name=vorka_test rate=%1 channels=1")
                 .arg(kRate)});
        if (!server_.waitForStarted(5000)) return QStringLiteral("pulseaudio is not installed");

        // The server answers a moment after it starts (a busy machine
        // stretches that moment), and a null sink nobody listened to may
        // sleep up to two seconds: ready once the recording has samples.
        QElapsedTimer waited;
        waited.start();
        const size_t before = mark();
        while (mark() == before) {
            if (server_.state() != QProcess::Running || waited.elapsed() > 20000) {
                const QString output = QString::fromLocal8Bit(server_.readAll()).trimmed();
                stop();
                return QStringLiteral("the server gave no samples: ") + output;
            }
            if (recorder_.state() == QProcess::NotRunning) {
                QThread::msleep(20);
                const QString file =
                    dir_.filePath(QStringLiteral("recording-%1.raw").arg(++recordings_));
                recorder_.setStandardOutputFile(file);
                recorder_.start(QStringLiteral("parec"),
                                {QStringLiteral("--device=vorka_test.monitor"),
                                 QStringLiteral("--format=s16le"),
                                 QStringLiteral("--rate=%1").arg(kRate),
                                 QStringLiteral("--channels=1")});
                if (!recorder_.waitForStarted(5000)) {
                    stop();
                    return QStringLiteral("parec is not installed");
                }
                recording_.close();
                recording_.setFileName(file);
                recording_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
            }
            QThread::msleep(50);
        }
        return {};
    }

    void stop() {
        for (QProcess* process : {&recorder_, &server_}) {
            if (process->state() == QProcess::NotRunning) continue;
            process->kill();
            process->waitForFinished(5000);
        }
        mark(); // keeps what was recorded; a new recording goes on after it
        if (recorded_.size() % 2) recorded_.chop(1);
    }

    // The server's address as libpulse takes it (PULSE_SERVER).
    QString address() const { return QStringLiteral("unix:") + socket_; }
    QString runtimeFolder() const { return QFileInfo(socket_).path(); }

    // How many samples have been recorded so far.
    size_t mark() {
        if (recording_.isOpen()) recorded_ += recording_.readAll();
        return size_t(recorded_.size()) / 2;
    }

    // Waits until `count` samples have been recorded, however busy the
    // machine: the sink plays, and the recording grows, in real time.
    bool waitUntilRecorded(size_t count) {
        QElapsedTimer waited;
        waited.start();
        while (mark() < count && waited.elapsed() < 20000) QTest::qWait(20);
        return mark() >= count;
    }

    // The samples recorded from `from` on.
    std::vector<int16_t> since(size_t from) {
        const size_t end = mark();
        std::vector<int16_t> samples(from < end ? end - from : 0);
        if (!samples.empty())
            std::memcpy(samples.data(), recorded_.constData() + 2 * from, 2 * samples.size());
        return samples;
    }

private:
    QTemporaryDir dir_;
    QProcess server_;
    QProcess recorder_;
    QFile recording_; // what the recorder has written so far
    int recordings_ = 0;
    QString socket_;
    QByteArray recorded_;
};

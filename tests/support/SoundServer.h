#pragma once

// A PulseAudio server of a test's own: a private runtime folder and home, no
// configuration read, and only two modules, the local socket and a null sink
// ("vorka_test") whose monitor source records whatever is played. The server
// ends with this object, and with the test process whatever way that ends.

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstring>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class SoundServer {
public:
    static constexpr const char* kSink = "vorka_test";

    SoundServer() = default;
    ~SoundServer() { stop(); }
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Starts the server with its socket in `folder` (a fresh temporary one
    // when empty). Returns an empty text, or why it could not start.
    // The sink plays `rate` samples a second in `channels` channels.
    QString start(const QString& folder = {}, int rate = 44100, int channels = 2) {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty()) return QStringLiteral("pulseaudio is not installed");
        if (!dir_.isValid()) return QStringLiteral("no temporary folder");
        const QString runtime = folder.isEmpty() ? dir_.filePath(QStringLiteral("run")) : folder;
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
        QDir().mkpath(dir_.filePath(QStringLiteral("home")));
        socket_ = runtime + QStringLiteral("/native");
        QFile::remove(socket_);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("HOME"), dir_.filePath(QStringLiteral("home")));
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        // The server goes when the test goes, even when it is killed.
        process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process_.start(
            program,
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--use-pid-file=no"), QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("--realtime=no"), QStringLiteral("--high-priority=no"),
             QStringLiteral("--log-target=stderr"), QStringLiteral("--log-level=error"),
             QStringLiteral("-L"),
             QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket_,
             QStringLiteral("-L"),
             QStringLiteral("module-null-sink sink_name=%1 rate=%2 channels=%3")
                 .arg(QLatin1String(kSink))
                 .arg(rate)
                 .arg(channels)});
        if (!process_.waitForStarted(5000)) return QStringLiteral("pulseaudio did not start");
        QElapsedTimer waited;
        waited.start();
        // The socket's file is there a moment before the server listens on
        // it, which a busy machine can stretch: it is ready once it answers.
        while (!accepts(socket_)) {
            if (process_.state() != QProcess::Running || waited.elapsed() > 10000) {
                const QString output = QString::fromLocal8Bit(process_.readAll()).trimmed();
                stop();
                return QStringLiteral("pulseaudio gave up: ") + output;
            }
            QThread::msleep(10);
        }
        return {};
    }

    void stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished(5000);
    }

    bool running() const { return process_.state() == QProcess::Running; }
    // The server's address as libpulse takes it (PULSE_SERVER).
    QString address() const { return QStringLiteral("unix:") + socket_; }
    QString runtimeFolder() const { return QFileInfo(socket_).path(); }
    QString home() const { return dir_.filePath(QStringLiteral("home")); }

private:
    static bool accepts(const QString& path) {
        const QByteArray name = path.toLocal8Bit();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(name.size()) >= sizeof address.sun_path) return false;
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        const bool connected =
            ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return connected;
    }

    QTemporaryDir dir_;
    QProcess process_;
    QString socket_;
};

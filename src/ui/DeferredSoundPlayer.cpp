#include "ui/DeferredSoundPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <cstdlib>

namespace {

bool exists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

// A client configuration that names a server, in a line that is not a comment.
bool namesServer(const QString& clientConf) {
    QFile file(clientConf);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith("default-server")) return true;
    }
    return false;
}

// The kernel's list of sound cards: a line " 0 [PCH ]: ..." for each.
bool kernelListsACard() {
    QFile cards(QStringLiteral("/proc/asound/cards"));
    if (!cards.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    while (!cards.atEnd()) {
        const QByteArray line = cards.readLine().trimmed();
        if (!line.isEmpty() && line.front() >= '0' && line.front() <= '9') return true;
    }
    return false;
}

} // namespace

bool soundOutputCanExist() {
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER")) return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && (exists(runtime + QStringLiteral("/pulse/native")) ||
                               exists(runtime + QStringLiteral("/pipewire-0"))))
        return true;
    const QString config = qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")
                               ? QDir::homePath() + QStringLiteral("/.config")
                               : qEnvironmentVariable("XDG_CONFIG_HOME");
    if (namesServer(config + QStringLiteral("/pulse/client.conf")) ||
        namesServer(QStringLiteral("/etc/pulse/client.conf")))
        return true;
    // With a card, the sound server may be started on demand.
    return kernelListsACard();
}

DeferredSoundPlayer::DeferredSoundPlayer(OutputCheck canHaveOutput, QString moduleFile)
    : canHaveOutput_(canHaveOutput ? std::move(canHaveOutput) : OutputCheck(soundOutputCanExist)),
      moduleFile_(std::move(moduleFile)) {}

DeferredSoundPlayer::~DeferredSoundPlayer() {
    if (installed_ && services().sound == this) services().sound = previous_;
    // The player goes before its module; the module itself stays loaded.
    player_.reset();
}

QStringList DeferredSoundPlayer::moduleFiles() {
    const QString name = QStringLiteral(VORKA_SOUND_MODULE_NAME);
    const QString here = QCoreApplication::applicationDirPath();
    return {
        here + QLatin1Char('/') + name,
        QDir::cleanPath(here + QStringLiteral("/" VORKA_SOUND_MODULE_RELATIVE_DIR "/") + name),
        QStringLiteral(VORKA_SOUND_MODULE_INSTALL_DIR "/") + name,
    };
}

SoundPlayer* DeferredSoundPlayer::player() {
    if (tried_) return player_.get();
    tried_ = true;
    const QStringList candidates = moduleFile_.isEmpty() ? moduleFiles() : QStringList{moduleFile_};
    for (const QString& file : candidates) {
        if (!QFileInfo::exists(file)) continue;
        auto library = std::make_unique<QLibrary>(file);
        library->setLoadHints(QLibrary::PreventUnloadHint);
        using Factory = SoundPlayer* (*)();
        const auto create = reinterpret_cast<Factory>(library->resolve(kFactoryName));
        if (!create) continue;
        player_.reset(create());
        library_ = std::move(library);
        break;
    }
    return player_.get();
}

void DeferredSoundPlayer::play(const QString& name, bool wait) {
    if (!player_ && !canHaveOutput_()) return;
    if (SoundPlayer* real = player()) real->play(name, wait);
}

void DeferredSoundPlayer::install() {
    if (!installed_) previous_ = services().sound;
    installed_ = true;
    services().sound = this;
}

namespace {

// Ties the program's player to the application, so that its sounds go
// while the application is still there.
class PlayerOwner final : public QObject {
public:
    explicit PlayerOwner(QObject* application) : QObject(application) {
        setObjectName(QStringLiteral("ResourceSoundPlayer"));
        player.install();
    }
    DeferredSoundPlayer player;
};

} // namespace

SoundPlayer& installResourceSoundPlayer() {
    return (new PlayerOwner(QCoreApplication::instance()))->player;
}

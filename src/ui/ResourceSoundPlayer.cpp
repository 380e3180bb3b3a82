#include "ui/ResourceSoundPlayer.h"

#include "ui/WaveHeader.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

using std::chrono::milliseconds;

namespace {

QtMessageHandler handlerBeforeProbe = nullptr;

// The sound server's client library reports a server that is not running
// through plain warnings. They say nothing the player should act on.
void dropSoundServerNoise(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (message.contains(QLatin1String("PulseAudio"), Qt::CaseInsensitive) ||
        message.contains(QLatin1String("pa_context"), Qt::CaseInsensitive))
        return;
    if (handlerBeforeProbe) handlerBeforeProbe(type, context, message);
}

} // namespace

bool systemHasAudioOutput() {
    static const bool probed = [] {
        handlerBeforeProbe = qInstallMessageHandler(dropSoundServerNoise);
        const bool any = !QMediaDevices::audioOutputs().isEmpty();
        qInstallMessageHandler(handlerBeforeProbe);
        return any;
    }();
    (void)probed;
    // Later calls are cheap and notice a device plugged in after the first.
    return !QMediaDevices::audioOutputs().isEmpty();
}

ResourceSoundPlayer::ResourceSoundPlayer(OutputProbe hasOutput)
    : hasOutput_(hasOutput ? std::move(hasOutput) : OutputProbe(systemHasAudioOutput)) {}

ResourceSoundPlayer::~ResourceSoundPlayer() {
    if (installed_ && services().sound == this) services().sound = previous_;
    if (current_) current_->stop();
}

const QStringList& ResourceSoundPlayer::soundNames() {
    static const QStringList names{
        QStringLiteral("BPRESS"),  QStringLiteral("ROLL"),      QStringLiteral("START"),
        QStringLiteral("FANFARE"), QStringLiteral("QUESTION"),  QStringLiteral("WIN"),
        QStringLiteral("END"),     QStringLiteral("NEWPLAYER"), QStringLiteral("OKNWPLYR"),
    };
    return names;
}

QString ResourceSoundPlayer::resourcePath(const QString& name) {
    return QStringLiteral(":/sounds/%1.wav").arg(name.toUpper());
}

ResourceSoundPlayer::Sound* ResourceSoundPlayer::load(const QString& name) {
    const QString key = name.toUpper();
    if (!soundNames().contains(key)) return nullptr;
    if (auto found = sounds_.find(key); found != sounds_.end())
        return found->second.effect ? &found->second : nullptr;

    // A sound that cannot be read is remembered as silent, so it is tried once.
    Sound& sound = sounds_[key];
    QFile file(resourcePath(key));
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    const WaveHeader header = WaveHeader::parse(file.readAll());
    if (!header.playable()) return nullptr;

    sound.length = milliseconds(header.durationMilliseconds());
    sound.effect = std::make_unique<QSoundEffect>();
    sound.effect->setSource(QUrl(QStringLiteral("qrc") + resourcePath(key)));
    return &sound;
}

void ResourceSoundPlayer::play(const QString& name, bool wait) {
    if (!soundNames().contains(name.toUpper())) return;
    if (!hasOutput_()) return;
    Sound* sound = load(name);
    if (!sound) return;

    QSoundEffect& effect = *sound->effect;
    if (current_) current_->stop();
    current_ = &effect;
    effect.play();
    if (wait) waitUntilFinished(effect, sound->length + kWaitMargin);
}

void ResourceSoundPlayer::waitUntilFinished(QSoundEffect& effect, milliseconds bound) {
    // Events are handled while waiting, user input excepted, so that nothing
    // can be clicked. This is no nested QEventLoop: the exit sound plays while
    // the program closes, when the application may already have been told to
    // quit, and a new event loop would then end at once. The tick wakes the
    // wait up to look at the monotonic clock.
    QTimer tick;
    tick.start(10);
    QElapsedTimer clock;
    clock.start();
    while (effect.isPlaying() && effect.status() != QSoundEffect::Error &&
           clock.elapsed() < bound.count())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
    // On a machine that swallows the sound the effect may claim to play on;
    // past its length it is over whatever it says.
    if (effect.isPlaying()) effect.stop();
}

const QSoundEffect* ResourceSoundPlayer::effect(const QString& name) const {
    const auto found = sounds_.find(name.toUpper());
    return found == sounds_.end() ? nullptr : found->second.effect.get();
}

QString ResourceSoundPlayer::playing() const {
    for (const auto& [name, sound] : sounds_)
        if (sound.effect && sound.effect->isPlaying()) return name;
    return {};
}

void ResourceSoundPlayer::install() {
    if (!installed_) previous_ = services().sound;
    installed_ = true;
    services().sound = this;
}

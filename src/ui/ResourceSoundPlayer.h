#pragma once

#include "game/Seams.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <map>
#include <memory>

class QSoundEffect;

// Plays the game's nine compiled-in sounds (":/sounds/<NAME>.wav") through
// QSoundEffect. A sound is loaded the first time it is played and then kept
// until the player goes away. One sound plays at a time: starting one stops
// the one still playing. Unknown names, a sound that cannot be read and a
// machine without sound output all give silence and nothing else.
class ResourceSoundPlayer final : public SoundPlayer {
public:
    // Says whether the machine has somewhere to send sound. The default asks
    // the multimedia backend; tests pass their own.
    using OutputProbe = std::function<bool()>;

    // How much longer than its own length a waited-for sound may take (its
    // loading included) before the wait gives up.
    static constexpr std::chrono::milliseconds kWaitMargin{300};

    explicit ResourceSoundPlayer(OutputProbe hasOutput = {});
    ~ResourceSoundPlayer() override;
    ResourceSoundPlayer(const ResourceSoundPlayer&) = delete;
    ResourceSoundPlayer& operator=(const ResourceSoundPlayer&) = delete;

    // The names that play; any other name is silent. Case does not matter.
    static const QStringList& soundNames();
    static QString resourcePath(const QString& name);

    // Starts the sound, stopping any other. With wait set, returns when it has
    // finished, or at the latest its length plus kWaitMargin after the call.
    void play(const QString& name, bool wait) override;

    // The loaded effect of a sound, or nullptr if it has not been played yet.
    const QSoundEffect* effect(const QString& name) const;
    // The name of the sound playing now, or an empty text.
    QString playing() const;

    // Makes this the player behind PlayResourceSound until it is destroyed,
    // when the player that was installed before comes back.
    void install();

private:
    struct Sound {
        std::unique_ptr<QSoundEffect> effect;
        std::chrono::milliseconds length{0};
    };

    Sound* load(const QString& name);
    void waitUntilFinished(QSoundEffect& effect, std::chrono::milliseconds bound);

    OutputProbe hasOutput_;
    std::map<QString, Sound> sounds_;
    QSoundEffect* current_ = nullptr;
    SoundPlayer* previous_ = nullptr;
    bool installed_ = false;
};

// True when the multimedia backend knows an audio output. The first call
// connects to the sound server; its complaints about a missing server are
// kept off the console.
bool systemHasAudioOutput();

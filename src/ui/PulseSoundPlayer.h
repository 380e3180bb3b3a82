#pragma once

#include "ui/AppServices.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// Plays the game's nine compiled-in sounds (":/sounds/<NAME>.wav") through
// the desktop's sound server with its own client library, libpulse, which
// PulseAudio and PipeWire's PulseAudio server both speak.
//
// A sound is decoded the first time it is played and kept for the life of
// the player. One sound plays at a time: starting one fades the one still
// playing out over a few milliseconds. The connection to the server is made
// in the background on the first sound and never waited for: a sound asked
// for while it is being made starts when it is ready, if that is soon
// (kPendingLimit), and is dropped otherwise. No server, a server that goes
// away, an unknown name or a sound that cannot be read all give silence and
// no message. The library's own thread does the playing; every call here
// returns at once except a waited-for sound.
class PulseSoundPlayer final : public SoundPlayer {
public:
    // The server's buffer for the sound stream. A sound that starts after a
    // pause reaches the server at once; one that cuts another off starts,
    // and the other fades, after what is buffered, at most this long. Less
    // than this ran dry and stuttered on a busy machine.
    static constexpr std::chrono::milliseconds kLatency{80};
    // How long the sound that is cut off takes to fade out.
    static constexpr std::chrono::milliseconds kFade{5};
    // How long a sound asked for before the connection is ready may wait for it.
    static constexpr std::chrono::milliseconds kPendingLimit{250};
    // How much longer than its own length a waited-for sound may take.
    static constexpr std::chrono::milliseconds kWaitMargin{500};
    // How soon after a failed or lost connection the next sound tries again.
    static constexpr std::chrono::milliseconds kRetryInterval{2000};

    static constexpr int kSampleRate = 22050;

    PulseSoundPlayer();
    ~PulseSoundPlayer() override;
    PulseSoundPlayer(const PulseSoundPlayer&) = delete;
    PulseSoundPlayer& operator=(const PulseSoundPlayer&) = delete;

    // The names that play; any other name is silent. Case does not matter.
    static const QStringList& soundNames();
    static QString resourcePath(const QString& name);

    // Starts the sound, stopping any other. With wait set, returns when it
    // has been played, or at the latest its length plus kWaitMargin after
    // the call; at once when it cannot be played.
    void play(const QString& name, bool wait) override;

    // True while the player is connected to a server and can play.
    bool connected();

private:
    using Clock = std::chrono::steady_clock;
    struct Sound {
        std::vector<int16_t> samples; // mono, kSampleRate
    };

    const Sound* load(const QString& name);
    // Lets go of the stream and the connection, if any.
    void dropConnectionLocked();
    // Lets go of the stream, callbacks first.
    void releaseStreamLocked();
    // The stream or the server is gone: no stream, nothing playing, and
    // silence until a later sound tries again.
    void streamLostLocked();
    void connectLocked();
    void openStreamLocked();
    void startLocked(const Sound* sound, uint64_t id);
    void render(size_t bytes);
    void stopAllLocked();
    void finishWaitLocked(uint64_t id);

    static void contextChanged(pa_context* context, void* self);
    static void streamChanged(pa_stream* stream, void* self);
    static void streamWants(pa_stream* stream, size_t bytes, void* self);
    static void streamDrained(pa_stream* stream, int success, void* self);

    // Decoded sounds by name; an empty entry is a sound that cannot be played.
    std::map<QString, std::unique_ptr<Sound>> sounds_;

    // Everything below is shared with the library's thread and guarded by
    // the main loop's lock.
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    Clock::time_point lastAttempt_{};
    bool attempted_ = false;

    const Sound* current_ = nullptr; // playing, from position_
    size_t position_ = 0;
    uint64_t currentId_ = 0;
    const Sound* fading_ = nullptr; // cut off, fading out from fadePosition_
    size_t fadePosition_ = 0;
    size_t fadeDone_ = 0;

    const Sound* pending_ = nullptr; // asked for before the stream was ready
    uint64_t pendingId_ = 0;
    Clock::time_point pendingSince_{};

    uint64_t lastId_ = 0;
    uint64_t waitedId_ = 0; // the sound a play() call waits for
    std::atomic<bool> waitOver_{true};
};

#include "ui/PulseSoundPlayer.h"

#include "ui/DecodedSound.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <thread>

using std::chrono::duration_cast;
using std::chrono::milliseconds;

namespace {

constexpr size_t kFrameBytes = sizeof(int16_t);
constexpr size_t kFadeFrames =
    size_t(PulseSoundPlayer::kFade.count()) * PulseSoundPlayer::kSampleRate / 1000;

// Holds the main loop's lock, which its thread holds while it runs callbacks.
class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

PulseSoundPlayer* player(void* self) {
    return static_cast<PulseSoundPlayer*>(self);
}

} // namespace

PulseSoundPlayer::PulseSoundPlayer() = default;

PulseSoundPlayer::~PulseSoundPlayer() {
    if (!loop_) return;
    {
        LoopLock lock(loop_);
        stopAllLocked();
        dropConnectionLocked();
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

const QStringList& PulseSoundPlayer::soundNames() {
    static const QStringList names{
        QStringLiteral("BPRESS"),  QStringLiteral("ROLL"),      QStringLiteral("START"),
        QStringLiteral("FANFARE"), QStringLiteral("QUESTION"),  QStringLiteral("WIN"),
        QStringLiteral("END"),     QStringLiteral("NEWPLAYER"), QStringLiteral("OKNWPLYR"),
    };
    return names;
}

QString PulseSoundPlayer::resourcePath(const QString& name) {
    return QStringLiteral(":/sounds/%1.wav").arg(name.toUpper());
}

const PulseSoundPlayer::Sound* PulseSoundPlayer::load(const QString& name) {
    const QString key = name.toUpper();
    if (!soundNames().contains(key)) return nullptr;
    const auto [entry, added] = sounds_.try_emplace(key);
    // A sound that cannot be read stays an empty entry, so it is tried once.
    if (!added) return entry->second.get();
    QFile file(resourcePath(key));
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    std::optional<DecodedSound> decoded = DecodedSound::decode(file.readAll());
    if (!decoded || decoded->channels != 1 || decoded->sampleRate != kSampleRate) return nullptr;
    entry->second = std::make_unique<Sound>(Sound{std::move(decoded->samples)});
    return entry->second.get();
}

void PulseSoundPlayer::play(const QString& name, bool wait) {
    const Sound* sound = load(name);
    if (!sound) return;
    const Clock::time_point called = Clock::now();
    if (!loop_) {
        loop_ = pa_threaded_mainloop_new();
        if (!loop_) return;
        if (pa_threaded_mainloop_start(loop_) < 0) {
            pa_threaded_mainloop_free(loop_);
            loop_ = nullptr;
            return;
        }
    }

    uint64_t id = 0;
    {
        LoopLock lock(loop_);
        id = ++lastId_;
        if (wait) {
            waitedId_ = id;
            waitOver_ = false;
        }
        const bool retry = !attempted_ || called - lastAttempt_ >= kRetryInterval;
        const pa_context_state_t state =
            context_ ? pa_context_get_state(context_) : PA_CONTEXT_UNCONNECTED;
        if (!PA_CONTEXT_IS_GOOD(state)) {
            if (retry) connectLocked();
        } else if (state == PA_CONTEXT_READY && !stream_ && retry) {
            openStreamLocked();
        }

        // Whether a stream is on its way: being opened, or to be opened once
        // the connection being made is ready.
        const bool coming = stream_
                                ? pa_stream_get_state(stream_) == PA_STREAM_CREATING
                                : context_ && PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)) &&
                                      pa_context_get_state(context_) != PA_CONTEXT_READY;
        if (stream_ && pa_stream_get_state(stream_) == PA_STREAM_READY) {
            startLocked(sound, id);
        } else if (coming) {
            // It starts when the stream is ready, if that is soon.
            if (pending_) finishWaitLocked(pendingId_);
            pending_ = sound;
            pendingId_ = id;
            pendingSince_ = called;
        } else {
            finishWaitLocked(id);
        }
    }
    if (!wait) return;

    // Events are handled while waiting, user input excepted, so that nothing
    // can be clicked and the windows still paint. This is no nested
    // QEventLoop: the exit sound plays while the program closes, when the
    // application may already have been told to quit, and a new event loop
    // would then end at once. The tick wakes the wait up to look at the flag.
    const auto length = milliseconds(int64_t(sound->samples.size()) * 1000 / kSampleRate);
    const Clock::time_point deadline = called + length + kWaitMargin;
    QCoreApplication* application = QCoreApplication::instance();
    QTimer tick;
    if (application) tick.start(5);
    while (!waitOver_ && Clock::now() < deadline) {
        if (application)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                            QEventLoop::WaitForMoreEvents);
        else
            std::this_thread::sleep_for(milliseconds(5));
    }
}

bool PulseSoundPlayer::connected() {
    if (!loop_) return false;
    LoopLock lock(loop_);
    return stream_ && pa_stream_get_state(stream_) == PA_STREAM_READY;
}

void PulseSoundPlayer::releaseStreamLocked() {
    if (!stream_) return;
    // Callbacks first, so that nothing of the old stream calls back.
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_); // refused, harmlessly, on a stream or connection already lost
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void PulseSoundPlayer::streamLostLocked() {
    releaseStreamLocked();
    stopAllLocked();
    lastAttempt_ = Clock::now();
}

void PulseSoundPlayer::dropConnectionLocked() {
    releaseStreamLocked();
    if (context_) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
}

void PulseSoundPlayer::connectLocked() {
    attempted_ = true;
    lastAttempt_ = Clock::now();
    dropConnectionLocked();
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Vorka");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "org.tolvane.Vorka");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "org.tolvane.Vorka");
    context_ =
        pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Vorka", properties);
    pa_proplist_free(properties);
    if (!context_) return;
    pa_context_set_state_callback(context_, contextChanged, this);
    // Only a server that is there already: starting one is the desktop's business.
    pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

void PulseSoundPlayer::openStreamLocked() {
    attempted_ = true;
    lastAttempt_ = Clock::now();
    const pa_sample_spec format{PA_SAMPLE_S16LE, uint32_t(kSampleRate), 1};
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    // The stream's name shows in the desktop's volume control.
    //: The game's sound stream as the desktop's volume control lists it.
    const QByteArray name =
        QCoreApplication::translate("PulseSoundPlayer", "Sound effects").toUtf8();
    stream_ = pa_stream_new_with_proplist(context_, name.constData(), &format, nullptr, properties);
    pa_proplist_free(properties);
    if (!stream_) return;
    pa_stream_set_state_callback(stream_, streamChanged, this);
    pa_stream_set_write_callback(stream_, streamWants, this);
    // A short buffer, refilled on the server's request; playback starts as
    // soon as one sample is there, after a pause too.
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(pa_usec_to_bytes(
        pa_usec_t(duration_cast<std::chrono::microseconds>(kLatency).count()), &format));
    buffer.prebuf = uint32_t(kFrameBytes);
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0) {
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
}

void PulseSoundPlayer::startLocked(const Sound* sound, uint64_t id) {
    if (current_) {
        finishWaitLocked(currentId_);
        // The sound that was playing fades out under the new one.
        if (position_ < current_->samples.size()) {
            fading_ = current_;
            fadePosition_ = position_;
            fadeDone_ = 0;
        }
    }
    current_ = sound;
    position_ = 0;
    currentId_ = id;
    // After a pause the server asks for nothing: hand it the start at once.
    const size_t room = pa_stream_writable_size(stream_);
    if (room != size_t(-1)) render(room);
}

void PulseSoundPlayer::render(size_t bytes) {
    if (!stream_) return;
    const size_t left = current_ ? current_->samples.size() - position_ : 0;
    const size_t fadeLeft =
        fading_ ? std::min(kFadeFrames - fadeDone_, fading_->samples.size() - fadePosition_) : 0;
    size_t frames = std::min(bytes / kFrameBytes, std::max(left, fadeLeft));
    if (frames > 0) {
        void* data = nullptr;
        size_t room = frames * kFrameBytes;
        if (pa_stream_begin_write(stream_, &data, &room) < 0 || !data) return;
        frames = std::min(frames, room / kFrameBytes);
        auto* out = static_cast<int16_t*>(data);
        for (size_t i = 0; i < frames; ++i) {
            float value = i < left ? current_->samples[position_ + i] : 0.0f;
            if (i < fadeLeft) {
                const float gain = 1.0f - float(fadeDone_ + i + 1) / float(kFadeFrames);
                value += gain * float(fading_->samples[fadePosition_ + i]);
            }
            out[i] = int16_t(std::clamp(value, -32768.0f, 32767.0f));
        }
        pa_stream_write(stream_, data, frames * kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE);
        position_ += std::min(frames, left);
        if (fading_) {
            fadePosition_ += std::min(frames, fadeLeft);
            fadeDone_ += std::min(frames, fadeLeft);
            if (frames >= fadeLeft) fading_ = nullptr;
        }
    }
    if (current_ && position_ >= current_->samples.size()) {
        // All of it is with the server. A waited-for sound is over when the
        // server has played its buffer out.
        if (currentId_ == waitedId_ && !waitOver_)
            if (pa_operation* drain = pa_stream_drain(stream_, streamDrained, this))
                pa_operation_unref(drain);
        current_ = nullptr;
    }
}

void PulseSoundPlayer::stopAllLocked() {
    current_ = nullptr;
    fading_ = nullptr;
    pending_ = nullptr;
    waitOver_ = true;
}

void PulseSoundPlayer::finishWaitLocked(uint64_t id) {
    if (id == waitedId_) waitOver_ = true;
}

void PulseSoundPlayer::contextChanged(pa_context* context, void* self) {
    PulseSoundPlayer* p = player(self);
    if (context != p->context_) return;
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        if (!p->stream_) p->openStreamLocked();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // The server is gone or was never there.
        p->streamLostLocked();
        break;
    default:
        break;
    }
}

void PulseSoundPlayer::streamChanged(pa_stream* stream, void* self) {
    PulseSoundPlayer* p = player(self);
    if (stream != p->stream_) return;
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        if (p->pending_) {
            const Sound* sound = p->pending_;
            p->pending_ = nullptr;
            if (Clock::now() - p->pendingSince_ <= kPendingLimit)
                p->startLocked(sound, p->pendingId_);
            else
                p->finishWaitLocked(p->pendingId_);
        }
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        p->streamLostLocked();
        break;
    default:
        break;
    }
}

void PulseSoundPlayer::streamWants(pa_stream*, size_t bytes, void* self) {
    player(self)->render(bytes);
}

void PulseSoundPlayer::streamDrained(pa_stream*, int, void* self) {
    // Whatever the server says, the buffer is no longer playing that sound.
    player(self)->waitOver_ = true;
}

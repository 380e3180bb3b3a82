#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>
#include <vector>

// A sound file decoded into 16-bit samples, channels interleaved. Anything
// libsndfile reads will do (the game's sounds are 8-bit PCM and IMA ADPCM
// WAVE files); the bytes are read from memory, never from a file.
struct DecodedSound {
    int sampleRate = 0;
    int channels = 0;
    int format = 0; // libsndfile's SF_FORMAT_* container | encoding
    std::vector<int16_t> samples;

    // Nothing when the bytes are not a sound libsndfile can read.
    static std::optional<DecodedSound> decode(const QByteArray& bytes);

    int64_t frames() const { return channels ? int64_t(samples.size()) / channels : 0; }
    // How long it lasts, in milliseconds.
    int64_t milliseconds() const { return sampleRate ? frames() * 1000 / sampleRate : 0; }
};

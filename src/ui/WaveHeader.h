#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// What a RIFF WAVE file says about itself: its sample format and where its
// samples are. parse() never reads past the end of the bytes it is given; a
// file it cannot make sense of comes back with `error` saying why.
struct WaveHeader {
    static constexpr uint16_t kPcm = 1;

    uint16_t format = 0; // 1 is plain PCM
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t byteRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    qsizetype dataOffset = 0; // first sample byte
    uint32_t dataBytes = 0;
    QString error; // empty when the header is sound

    static WaveHeader parse(const QByteArray& bytes);

    bool valid() const { return error.isEmpty(); }
    // Plain 8- or 16-bit PCM in one or two channels: what QSoundEffect plays.
    bool playable() const;
    // How long the samples last, in milliseconds (0 for an invalid header).
    qint64 durationMilliseconds() const;
};

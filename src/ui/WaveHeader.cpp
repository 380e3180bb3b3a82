#include "ui/WaveHeader.h"

#include <QtEndian>

namespace {

uint32_t u32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<uint32_t>(bytes.constData() + at);
}

uint16_t u16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<uint16_t>(bytes.constData() + at);
}

WaveHeader failed(const QString& why) {
    WaveHeader header;
    header.error = why;
    return header;
}

} // namespace

WaveHeader WaveHeader::parse(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return failed(QStringLiteral("not a RIFF WAVE file"));

    WaveHeader header;
    bool haveFormat = false;
    // Chunks follow one another: a four-letter id, a 32-bit size, the body,
    // and one pad byte after an odd-sized body. Sizes are checked in 64 bits
    // so that a huge size cannot wrap around.
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const int64_t size = u32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size())
            return failed(QStringLiteral("the \"%1\" chunk runs past the end of the file")
                              .arg(QString::fromLatin1(id)));
        if (id == "fmt ") {
            if (size < 16) return failed(QStringLiteral("the format chunk is too short"));
            header.format = u16(bytes, body);
            header.channels = u16(bytes, body + 2);
            header.sampleRate = u32(bytes, body + 4);
            header.byteRate = u32(bytes, body + 8);
            header.blockAlign = u16(bytes, body + 12);
            header.bitsPerSample = u16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return failed(QStringLiteral("the samples come before the format"));
            header.dataOffset = body;
            header.dataBytes = static_cast<uint32_t>(size);
            if (header.channels == 0 || header.sampleRate == 0 || header.byteRate == 0 ||
                header.blockAlign == 0)
                return failed(QStringLiteral("the format gives no sample size or rate"));
            return header;
        }
        at = body + size + (size & 1);
    }
    return failed(haveFormat ? QStringLiteral("there are no samples")
                             : QStringLiteral("there is no format chunk"));
}

bool WaveHeader::playable() const {
    if (!valid() || format != kPcm) return false;
    if (channels != 1 && channels != 2) return false;
    if (bitsPerSample != 8 && bitsPerSample != 16) return false;
    const uint32_t frame = channels * (bitsPerSample / 8u);
    return blockAlign == frame && byteRate == sampleRate * frame;
}

qint64 WaveHeader::durationMilliseconds() const {
    if (!valid()) return 0;
    return static_cast<qint64>(dataBytes) * 1000 / byteRate;
}

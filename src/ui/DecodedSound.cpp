#include "ui/DecodedSound.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// libsndfile's virtual I/O over a block of bytes in memory.
struct MemoryFile {
    const QByteArray& bytes;
    sf_count_t at = 0;
};

sf_count_t length(void* user) {
    return static_cast<MemoryFile*>(user)->bytes.size();
}

sf_count_t seek(sf_count_t offset, int whence, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    sf_count_t to = offset;
    if (whence == SEEK_CUR)
        to += file->at;
    else if (whence == SEEK_END)
        to += file->bytes.size();
    if (to < 0 || to > file->bytes.size()) return -1;
    file->at = to;
    return to;
}

sf_count_t read(void* into, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t n = std::clamp<sf_count_t>(file->bytes.size() - file->at, 0, count);
    std::memcpy(into, file->bytes.constData() + file->at, size_t(n));
    file->at += n;
    return n;
}

sf_count_t write(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t tell(void* user) {
    return static_cast<MemoryFile*>(user)->at;
}

} // namespace

std::optional<DecodedSound> DecodedSound::decode(const QByteArray& bytes) {
    SF_VIRTUAL_IO io{length, seek, read, write, tell};
    MemoryFile file{bytes};
    SF_INFO info{};
    SNDFILE* sound = sf_open_virtual(&io, SFM_READ, &info, &file);
    if (!sound) return std::nullopt;

    DecodedSound decoded;
    decoded.sampleRate = info.samplerate;
    decoded.channels = info.channels;
    decoded.format = info.format;
    bool ok = info.channels > 0 && info.samplerate > 0 && info.frames > 0;
    if (ok) {
        decoded.samples.resize(size_t(info.frames) * size_t(info.channels));
        const sf_count_t got = sf_readf_short(sound, decoded.samples.data(), info.frames);
        decoded.samples.resize(size_t(std::max<sf_count_t>(got, 0)) * size_t(info.channels));
        ok = got > 0;
    }
    sf_close(sound);
    if (!ok) return std::nullopt;
    decoded.samples.shrink_to_fit();
    return decoded;
}

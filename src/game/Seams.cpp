#include "game/Seams.h"

#include <QCoreApplication>
#include <QTime>

#include <array>
#include <chrono>
#include <cstring>

namespace {

class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() override {
        return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    }
    int64_t monotonicNanoseconds() override {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

// xoshiro256**, filled from the seed by SplitMix64. Reseeding costs a few
// multiplications, which matters because every roll reseeds; a Mersenne
// Twister would rebuild 2.5 KB of state each time.
class XoshiroRandom final : public RandomSource {
public:
    XoshiroRandom() { reseed(0.0); }
    void reseed(double seed) override {
        uint64_t bits = 0;
        static_assert(sizeof bits == sizeof seed);
        std::memcpy(&bits, &seed, sizeof bits);
        // SplitMix64 never gives four zero words, the one state xoshiro must not have.
        for (uint64_t& word : state_) {
            bits += 0x9e3779b97f4a7c15ULL;
            uint64_t z = bits;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            word = z ^ (z >> 31);
        }
    }
    float next() override {
        // 24 random bits fill a float's mantissa exactly, so the result is < 1.
        return static_cast<float>(nextBits() >> 40) * (1.0f / 16777216.0f);
    }

private:
    static uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t nextBits() {
        const uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }

    std::array<uint64_t, 4> state_{};
};

class Silence final : public SoundPlayer {
public:
    void play(const QString&, bool) override {}
};

class QtEventPump final : public EventPump {
public:
    void processEvents() override { QCoreApplication::processEvents(); }
};

SystemClock systemClock;
XoshiroRandom xoshiroRandom;
Silence silence;
QtEventPump qtEventPump;

Services defaults() {
    return {&systemClock, &xoshiroRandom, &silence, &qtEventPump};
}

Services current = defaults();

} // namespace

Services& services() {
    return current;
}

void resetServices() {
    current = defaults();
}

void PlayResourceSound(const QString& name, bool wait) {
    current.sound->playIfOn(name, wait);
}

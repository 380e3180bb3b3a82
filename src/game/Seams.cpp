#include "game/Seams.h"

#include <QCoreApplication>
#include <QTime>

#include <chrono>
#include <cstring>

double SystemClock::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

int64_t SystemClock::monotonicNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void XoshiroRandom::reseed(double seed) {
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

float XoshiroRandom::next() {
    // 24 random bits fill a float's mantissa exactly, so the result is < 1.
    return static_cast<float>(nextBits() >> 40) * (1.0f / 16777216.0f);
}

namespace {
uint64_t rotl(uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}
} // namespace

uint64_t XoshiroRandom::nextBits() {
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

void QtEventPump::processEvents() {
    QCoreApplication::processEvents();
}

#include "game/Seams.h"

#include <QCoreApplication>
#include <QTime>

#include <chrono>
#include <cstring>
#include <random>

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

class TwisterRandom final : public RandomSource {
public:
    void reseed(double seed) override {
        uint64_t bits = 0;
        static_assert(sizeof bits == sizeof seed);
        std::memcpy(&bits, &seed, sizeof bits);
        std::seed_seq seq{static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32)};
        engine_.seed(seq);
    }
    float next() override {
        // 24 random bits fill a float's mantissa exactly, so the result is < 1.
        return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::mt19937 engine_{5489u};
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
TwisterRandom twisterRandom;
Silence silence;
QtEventPump qtEventPump;

Services defaults() {
    return {&systemClock, &twisterRandom, &silence, &qtEventPump};
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
    current.sound->play(name, wait);
}

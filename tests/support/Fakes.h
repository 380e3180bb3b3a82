#pragma once

// Test doubles for the game's seams: a clock that only moves when the event
// loop is pumped, scripted random numbers, and a sound player that records.

#include "game/Seams.h"

#include <QStringList>

#include <cmath>
#include <functional>
#include <vector>

class FakeClock final : public Clock {
public:
    double timeOfDay = 43200.0;  // noon
    int64_t now = 0;             // monotonic, nanoseconds
    bool wrapAtMidnight = false; // time of day runs with `now` and wraps

    double secondsSinceMidnight() override {
        if (!wrapAtMidnight) return timeOfDay;
        return std::fmod(timeOfDay + now / 1e9, 86400.0);
    }
    int64_t monotonicNanoseconds() override { return now; }
};

class FakeRandom final : public RandomSource {
public:
    std::vector<float> script; // handed out in turn, the last one repeated
    size_t position = 0;
    std::vector<double> seeds;

    void reseed(double seed) override { seeds.push_back(seed); }
    float next() override {
        if (script.empty()) return 0.0f;
        const float r = script[std::min(position, script.size() - 1)];
        ++position;
        return r;
    }
    // Numbers that draw exactly these faces, in this order.
    void setFaces(const std::vector<int>& faces) {
        script.clear();
        position = 0;
        for (int f : faces) script.push_back((static_cast<float>(f) - 0.5f) / 6.0f);
    }
};

class FakeSound final : public SoundPlayer {
public:
    QStringList played;
    QStringList waited; // played with wait set

    void play(const QString& name, bool wait) override {
        played.append(name);
        if (wait) waited.append(name);
    }
};

// Each pump moves the fake clock on by one frame and may run a scripted
// action, which is how tests click in the middle of an animation.
class FakeEvents final : public EventPump {
public:
    explicit FakeEvents(FakeClock& clock) : clock_(clock) {}
    int64_t frameNanoseconds = 500'000'000;
    int pumps = 0;
    std::function<void(int pump)> onPump;

    void processEvents() override {
        ++pumps;
        clock_.now += frameNanoseconds;
        if (onPump) onPump(pumps);
    }

private:
    FakeClock& clock_;
};

struct FakeServices {
    FakeClock clock;
    FakeRandom random;
    FakeSound sound;
    FakeEvents events{clock};

    Services services() { return {&clock, &random, &sound, &events}; }
};

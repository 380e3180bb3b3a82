#pragma once

#include <QString>

#include <cstdint>

// The few places where the game meets the world outside it: clocks, random
// numbers, sounds and the event loop. Whoever makes a board hands it these;
// the program gives the real ones, tests give doubles so that they run fast
// and give the same result every time.

class Clock {
public:
    virtual ~Clock() = default;
    // Time of day in seconds since midnight, with fraction (for seeding).
    virtual double secondsSinceMidnight() = 0;
    // A monotonic clock in nanoseconds (for elapsed time; never jumps back).
    virtual int64_t monotonicNanoseconds() = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed(double seed) = 0;
    // The next number, uniform on [0, 1).
    virtual float next() = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the named sound, stopping any other; with wait set, returns
    // only when it has finished.
    virtual void play(const QString& name, bool wait) = 0;

    // The sounds-on switch: while it is off, playIfOn() plays nothing.
    void setOn(bool on) { on_ = on; }
    bool isOn() const { return on_; }
    void playIfOn(const QString& name, bool wait = false) {
        if (on_) play(name, wait);
    }

private:
    bool on_ = true;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    // Lets the user interface handle its pending events once.
    virtual void processEvents() = 0;
};

struct Services {
    Clock* clock;
    RandomSource* random;
    SoundPlayer* sound;
    EventPump* events;
};

// The real ones the program plays with.

class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() override;
    int64_t monotonicNanoseconds() override;
};

// xoshiro256**, filled from the seed by SplitMix64. Reseeding costs a few
// multiplications, which matters because every roll reseeds; a Mersenne
// Twister would rebuild 2.5 KB of state each time.
class XoshiroRandom final : public RandomSource {
public:
    XoshiroRandom() { reseed(0.0); }
    void reseed(double seed) override;
    float next() override;

private:
    uint64_t nextBits();
    uint64_t state_[4] = {};
};

class Silence final : public SoundPlayer {
public:
    void play(const QString&, bool) override {}
};

class QtEventPump final : public EventPump {
public:
    void processEvents() override;
};

#pragma once

#include <QString>

#include <cstdint>

// The few places where the game meets the world outside it: clocks, random
// numbers, sounds and the event loop. The program installs the real ones;
// tests install doubles so that they run fast and give the same result every
// time.

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

// The services in use. They start as the system clock, a xoshiro256** generator,
// silence and Qt's event loop; the program and the tests replace them.
Services& services();
void resetServices();

// Plays one of the game's sounds through the installed player, unless its
// switch is off.
void PlayResourceSound(const QString& name, bool wait = false);

#include "ui/AppServices.h"

namespace {

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

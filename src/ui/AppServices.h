#pragma once

#include "game/Seams.h"

// The services the program's windows use: the system clock, a xoshiro256**
// generator, silence (until a sound player installs itself) and Qt's event
// loop. The main window hands them on to the game session and its boards;
// tests replace them with doubles.
Services& services();
void resetServices();

// Plays one of the game's sounds through the installed player, unless its
// switch is off.
void PlayResourceSound(const QString& name, bool wait = false);

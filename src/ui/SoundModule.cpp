// The entry point of the sound module (vorka_sound), which the program loads
// on the first sound it plays (DeferredSoundPlayer). Only this module links
// Qt Multimedia.

#include "ui/ResourceSoundPlayer.h"

extern "C" Q_DECL_EXPORT SoundPlayer* vorkaCreateSoundPlayer() {
    return new ResourceSoundPlayer();
}

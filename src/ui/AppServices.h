#pragma once

#include "game/Seams.h"
#include "storage/Registry_Operations.h"
#include "ui/FileChooser.h"
#include "ui/ModalRunner.h"

#include <QString>

#include <memory>

class PulseSoundPlayer;

// What the windows use from outside the game: the game's own seams (clock,
// dice, sounds, event loop), how modal windows are run, where the player
// chooses files and the settings store that holds the Halls. `main` makes the real ones once and
// hands them to the main window, which hands them on; tests make doubles and hand them in the same
// way.
struct AppServices {
    Services game;
    ModalRunner* modals = nullptr;
    FileChooser* files = nullptr;
    Registry_Operations::Registry* store = nullptr;

    SoundPlayer& sound() const { return *game.sound; }
    // Plays one of the game's sounds, unless the sounds are switched off.
    void PlayResourceSound(const QString& name, bool wait = false) const {
        game.sound->playIfOn(name, wait);
    }
    // Shows `dialog` modally and returns when it has been closed.
    void runModal(QDialog& dialog) const { modals->run(dialog); }
};

// The real ones: the system clock, xoshiro256** dice, the desktop's sound
// server, Qt's event loop, QDialog::exec(), the desktop's file dialog and
// the store file the player shares or keeps (StorePaths).
class DesktopServices {
public:
    DesktopServices();
    ~DesktopServices();
    DesktopServices(const DesktopServices&) = delete;
    DesktopServices& operator=(const DesktopServices&) = delete;

    AppServices services();

private:
    SystemClock clock_;
    XoshiroRandom random_;
    std::unique_ptr<PulseSoundPlayer> sound_;
    QtEventPump events_;
    ExecRunner modals_;
    DesktopFileChooser files_;
    Registry_Operations::Registry store_;
};

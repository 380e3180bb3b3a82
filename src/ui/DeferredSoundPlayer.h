#pragma once

#include "game/Seams.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLibrary;

// The program's sound player. It knows nothing of Qt Multimedia: the player
// that does the playing (ResourceSoundPlayer) lives in a module of its own,
// loaded the first time a sound is played on a machine that can have a sound
// output. Where none can, every sound is silent and nothing is loaded. A
// module that cannot be found or loaded gives silence too, and is tried once.
class DeferredSoundPlayer final : public SoundPlayer {
public:
    // Says whether the machine can have a sound output at all. The default is
    // soundOutputCanExist(); tests pass their own.
    using OutputCheck = std::function<bool()>;

    // The name of the function the module exports: it returns a new player,
    // which the caller owns.
    static constexpr const char* kFactoryName = "vorkaCreateSoundPlayer";

    // With no module file, the module is looked for in moduleFiles().
    explicit DeferredSoundPlayer(OutputCheck canHaveOutput = {}, QString moduleFile = {});
    ~DeferredSoundPlayer() override;
    DeferredSoundPlayer(const DeferredSoundPlayer&) = delete;
    DeferredSoundPlayer& operator=(const DeferredSoundPlayer&) = delete;

    void play(const QString& name, bool wait) override;

    // True once the module has been loaded and its player made.
    bool loaded() const { return player_ != nullptr; }
    // True once loading has been tried, whether or not it worked.
    bool triedLoading() const { return tried_; }

    // Makes this the player behind PlayResourceSound until it is destroyed,
    // when the player that was installed before comes back.
    void install();

    // Where the module is looked for, in order: beside the program (the build
    // tree), then where installing puts it, relative to the program and then
    // as configured.
    static QStringList moduleFiles();

private:
    SoundPlayer* player();

    OutputCheck canHaveOutput_;
    QString moduleFile_;
    std::unique_ptr<QLibrary> library_;
    std::unique_ptr<SoundPlayer> player_;
    bool tried_ = false;
    SoundPlayer* previous_ = nullptr;
    bool installed_ = false;
};

// Creates the program's sound player and installs it. The application owns
// it: it lives as long as the QApplication, which must exist.
SoundPlayer& installResourceSoundPlayer();

// False when no sound output can exist on this machine: no sound server is
// named or listening (PulseAudio or PipeWire) and the kernel lists no sound
// card. Asks the file system only, so it is cheap enough for every sound.
bool soundOutputCanExist();

#pragma once

#include <future>
#include <thread>

// Takes the slowest first steps of what the first window needs, on a thread
// of its own, while the main thread starts Qt up and builds the window:
// - reads the system's font configuration, which Qt would otherwise read the
//   first time any text is measured (the font library allows reading it from
//   any thread, and a second reading by Qt finds it done);
// - loads the settings store's database driver and the database library it
//   uses, so that opening the store finds them in memory;
// - once the application object exists, fills Qt's font database, whose
//   functions may be called from any thread.
// Make it before the application object, tell it when that exists, and let
// it finish before that goes. Until it is told, it uses nothing of Qt, which
// takes the first thread that makes a Qt object for its main thread.
class StartupWarmUp {
public:
    StartupWarmUp();
    ~StartupWarmUp(); // finishes
    StartupWarmUp(const StartupWarmUp&) = delete;
    StartupWarmUp& operator=(const StartupWarmUp&) = delete;

    // The application object exists: the steps that need it may go on.
    void applicationStarted();
    // Waits for the steps under way; those that need the application are
    // left out if it was never said to exist.
    void finish();

private:
    std::promise<bool> applicationStarted_; // true once it exists
    bool told_ = false;
    std::thread thread_;
};

#pragma once

#include <thread>

// Takes the slowest first steps of what the first window needs, on a thread
// of its own, while Qt starts up on the main thread:
// - reads the system's font configuration, which Qt would otherwise read the
//   first time any text is measured (the font library allows reading it from
//   any thread, and a second reading by Qt finds it done);
// - loads the settings store's database driver and the database library it
//   uses, so that opening the store finds them in memory.
// Make it before the application object, and wait for it before the first
// window is made. It uses nothing of Qt, which takes the first thread that
// makes a Qt object for its main thread.
class StartupWarmUp {
public:
    StartupWarmUp();
    ~StartupWarmUp(); // waits
    StartupWarmUp(const StartupWarmUp&) = delete;
    StartupWarmUp& operator=(const StartupWarmUp&) = delete;

    // Waits until every step has been taken.
    void wait();

private:
    std::thread thread_;
};

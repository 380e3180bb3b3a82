#include "ui/StartupWarmUp.h"

#include <dlfcn.h>
#include <fontconfig/fontconfig.h>

namespace {

// Runs before and beside the application object, so it must not touch Qt:
// the first thread to make a Qt object becomes Qt's main thread.
void warmUp() {
    FcInit();
#ifdef VORKA_SQL_DRIVER_FILE
    // Kept loaded for the life of the program; when Qt takes its driver from
    // elsewhere, this copy is only never used.
    dlopen(VORKA_SQL_DRIVER_FILE, RTLD_LAZY);
#endif
}

} // namespace

StartupWarmUp::StartupWarmUp() : thread_(warmUp) {}

StartupWarmUp::~StartupWarmUp() {
    wait();
}

void StartupWarmUp::wait() {
    if (thread_.joinable()) thread_.join();
}

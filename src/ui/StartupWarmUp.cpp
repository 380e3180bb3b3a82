#include "ui/StartupWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

#include <dlfcn.h>
#include <fontconfig/fontconfig.h>

namespace {

void warmUp(std::future<bool> applicationStarted) {
    FcInit();
#ifdef VORKA_SQL_DRIVER_FILE
    // Kept loaded for the life of the program; when Qt takes its driver from
    // elsewhere, this copy is only never used.
    dlopen(VORKA_SQL_DRIVER_FILE, RTLD_LAZY);
#endif
    if (applicationStarted.get()) QFontDatabase::families();
}

} // namespace

StartupWarmUp::StartupWarmUp() : thread_(warmUp, applicationStarted_.get_future()) {}

StartupWarmUp::~StartupWarmUp() {
    finish();
}

void StartupWarmUp::finish() {
    if (!told_) {
        told_ = true;
        applicationStarted_.set_value(false);
    }
    if (thread_.joinable()) thread_.join();
}

void StartupWarmUp::applicationStarted() {
    if (told_) return;
    told_ = true;
    applicationStarted_.set_value(true);
}

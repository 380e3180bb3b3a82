#include "ui/AppServices.h"

#include "storage/StorePaths.h"
#include "ui/PulseSoundPlayer.h"

DesktopServices::DesktopServices()
    : sound_(std::make_unique<PulseSoundPlayer>()), store_(StorePaths::settingsStoreFile()) {}

DesktopServices::~DesktopServices() = default;

AppServices DesktopServices::services() {
    return {{&clock_, &random_, sound_.get(), &events_}, &modals_, &files_, &store_};
}

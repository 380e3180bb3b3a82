#include "ui/AppServices.h"

#include "ui/PulseSoundPlayer.h"

DesktopServices::DesktopServices() : sound_(std::make_unique<PulseSoundPlayer>()) {}

DesktopServices::~DesktopServices() = default;

AppServices DesktopServices::services() {
    return {{&clock_, &random_, sound_.get(), &events_}, &modals_, &files_};
}

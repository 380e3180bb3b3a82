#include "storage/Registry_Operations.h"
#include "storage/StorePaths.h"
#include "ui/FirstFrameReport.h"
#include "ui/Fonts.h"
#include "ui/GameStyle.h"
#include "ui/MDIFrmMainGame.h"
#include "ui/PulseSoundPlayer.h"
#include "ui/StartupWarmUp.h"
#include "ui/SvgIconEngine.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    StartupWarmUp warmUp; // beside Qt's start-up and the first window
    QApplication app(argc, argv);
    warmUp.applicationStarted();
    QApplication::setApplicationName(QStringLiteral("Vorka"));
    QApplication::setOrganizationName(QStringLiteral("Tolvane Studios"));
    // Ties the windows to the installed desktop entry (Wayland needs it).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tolvane.Vorka"));
    QApplication::setStyle(GameStyle::overApplicationStyle());
    // Drawn on another thread while the main window is made.
    prepareSvgIcons(MDIFrmMainGame::firstPictures(app.devicePixelRatio()));
    QApplication::setWindowIcon(svgIcon(MDIFrmMainGame::kIcon));
    Fonts::installFontSubstitutes();
    Registry_Operations::setStoreFile(StorePaths::settingsStoreFile());
    installResourceSoundPlayer();

    MDIFrmMainGame window;
    FirstFrameReport::installIfRequested(window);
    // Start-up asks its first questions from inside the event loop.
    QTimer::singleShot(0, &window, &MDIFrmMainGame::MDIForm_Load);
    const int status = app.exec();
    warmUp.finish();
    return status;
}

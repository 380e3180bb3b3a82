#include "storage/Registry_Operations.h"
#include "storage/StorePaths.h"
#include "ui/DeferredSoundPlayer.h"
#include "ui/FirstFrameReport.h"
#include "ui/Fonts.h"
#include "ui/MDIFrmMainGame.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorka"));
    QApplication::setOrganizationName(QStringLiteral("Tolvane Studios"));
    // Ties the windows to the installed desktop entry (Wayland needs it).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tolvane.Vorka"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/vorka.svg")));
    Fonts::installFontSubstitutes();
    Registry_Operations::setStoreFile(StorePaths::settingsStoreFile());
    installResourceSoundPlayer();

    MDIFrmMainGame window;
    FirstFrameReport::installIfRequested(window);
    // Start-up asks its first questions from inside the event loop.
    QTimer::singleShot(0, &window, &MDIFrmMainGame::MDIForm_Load);
    return app.exec();
}

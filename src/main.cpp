#include "storage/Registry_Operations.h"
#include "storage/StorePaths.h"
#include "ui/DeferredSoundPlayer.h"
#include "ui/FirstFrameReport.h"
#include "ui/Fonts.h"
#include "ui/GameStyle.h"
#include "ui/MDIFrmMainGame.h"
#include "ui/StartupWarmUp.h"
#include "ui/SvgIconEngine.h"

#include <QApplication>
#include <QStyle>
#include <QTimer>

namespace {

// The game's icon, drawn on another thread while the main window is made, in
// the sizes the X11 window manager is given and a frame's title bar shows.
QIcon preparedWindowIcon() {
    const QString icon = QStringLiteral(":/pictures/vorka.svg");
    const int titleBar = qRound(QApplication::style()->pixelMetric(QStyle::PM_SmallIconSize) *
                                qApp->devicePixelRatio());
    QList<QSize> sizes = {QSize(16, 16), QSize(32, 32), QSize(64, 64), QSize(128, 128)};
    if (!sizes.contains(QSize(titleBar, titleBar))) sizes.prepend(QSize(titleBar, titleBar));
    prepareSvgIcon(icon, sizes);
    return svgIcon(icon);
}

} // namespace

int main(int argc, char* argv[]) {
    StartupWarmUp warmUp; // while Qt starts up
    QApplication app(argc, argv);
    warmUp.wait();
    QApplication::setApplicationName(QStringLiteral("Vorka"));
    QApplication::setOrganizationName(QStringLiteral("Tolvane Studios"));
    // Ties the windows to the installed desktop entry (Wayland needs it).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tolvane.Vorka"));
    QApplication::setStyle(new GameStyle);
    QApplication::setWindowIcon(preparedWindowIcon());
    Fonts::installFontSubstitutes();
    Registry_Operations::setStoreFile(StorePaths::settingsStoreFile());
    installResourceSoundPlayer();

    MDIFrmMainGame window;
    FirstFrameReport::installIfRequested(window);
    // Start-up asks its first questions from inside the event loop.
    QTimer::singleShot(0, &window, &MDIFrmMainGame::MDIForm_Load);
    return app.exec();
}

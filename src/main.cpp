#include "board/Fonts.h"
#include "ui/AppServices.h"
#include "ui/GameStyle.h"
#include "ui/MDIFrmMainGame.h"
#include "ui/QuitOnSignal.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QUrl>

#ifdef VORKA_FIRST_FRAME_REPORT
#include "FirstFrameReport.h"
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorka"));
    QApplication::setOrganizationName(QStringLiteral("Tolvane Studios"));
    // The player's language, before any window shows a text.
    Translations::install(app);
    // Ties the windows to the installed desktop entry (Wayland needs it).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tolvane.Vorka"));
    QApplication::setStyle(GameStyle::overApplicationStyle());
    QApplication::setWindowIcon(QIcon(MDIFrmMainGame::kIcon));
    Fonts::installFontSubstitutes();
    // The clock, the dice, the sound server, the event loop, the dialogs and
    // the store, made once here and handed on by the main window.
    DesktopServices services;
    MDIFrmMainGame window(services.services());
    // A saved game given on the command line (a double click on one in the
    // file manager) opens after the welcome.
    if (const QStringList args = QCoreApplication::arguments(); args.size() > 1) {
        const QUrl url(args[1]);
        window.startFile = url.isLocalFile() ? url.toLocalFile() : args[1];
    }
#ifdef VORKA_FIRST_FRAME_REPORT
    FirstFrameReport::installIfRequested(window);
#endif
    // Ended from outside (a session logging out, Ctrl+C), the game leaves as
    // through QUIT, without the question: waiting scores are kept.
    QuitOnSignal quitOnSignal;
    QObject::connect(&quitOnSignal, &QuitOnSignal::received, &window,
                     &MDIFrmMainGame::leaveWithoutAsking);
    // Start-up asks its first questions from inside the event loop.
    QTimer::singleShot(0, &window, &MDIFrmMainGame::MDIForm_Load);
    return app.exec();
}

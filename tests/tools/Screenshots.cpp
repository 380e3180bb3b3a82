// Renders every window of the game to PNG files, offscreen, so that they can
// be looked at without a display:
//   vorka_screenshots <folder> [<locale>]
// The game speaks the system's language, or the locale's ("de_DE") when one
// is given.

#include "support/WindowWalk.h"

#include "ui/GameStyle.h"
#include "ui/Translations.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // In the system's language, as the game shows it (LANG=de_DE.UTF-8 gives
    // German), or in the one asked for.
    Translations::install(app,
                          argc > 2 ? QLocale(QString::fromLocal8Bit(argv[2])) : QLocale::system());
    QApplication::setStyle(GameStyle::overApplicationStyle());
    Fonts::installFontSubstitutes();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    folder.mkpath(QStringLiteral("."));
    // The texts given to the file dialogs, which are not drawn here.
    QFile textsFile(folder.filePath(QStringLiteral("texts.txt")));
    if (!textsFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream texts(&textsFile);

    ShellFixture f;
    WindowWalk::walk(f, {[&](QWidget& w, const QString& name) {
                             w.grab().save(folder.filePath(name + QStringLiteral(".png")));
                         },
                         [&](const QString& name, const QString& text) {
                             texts << name << ": " << text << '\n';
                         }});
    return 0;
}

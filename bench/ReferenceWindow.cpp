// The yardstick for the game's start-up time and memory: the least a Qt Widgets
// program can do, one empty main window of the game's size, reporting its first
// frame the same way the game does.

#include "FirstFrameReport.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName(QStringLiteral("ReferenceWindow"));
    window.setWindowTitle(QStringLiteral("Reference"));
    window.resize(558, 445);
    FirstFrameReport::installIfRequested(window);
    window.show();
    return app.exec();
}

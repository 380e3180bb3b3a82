#pragma once

#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Tells a program that times the start-up from outside when each window first
// reaches the screen. It does nothing at all unless the environment holds
// VORKA_REPORT_FIRST_FRAME=1; then, for every top-level window, it writes one
// line to the standard error at the first paint of the window or of anything
// inside it:
//
//     first frame <object name> <CLOCK_MONOTONIC time in nanoseconds>
//
// With VORKA_QUIT_AFTER_FIRST_FRAME=1 as well, the program ends as soon as the
// main window has started its first frame, without tearing anything down.
class FirstFrameReport final : public QObject {
public:
    static constexpr const char* kReportVariable = "VORKA_REPORT_FIRST_FRAME";
    static constexpr const char* kQuitVariable = "VORKA_QUIT_AFTER_FIRST_FRAME";

    // Installs the report on the application when the environment asks for it
    // and returns it (the application owns it), or returns nullptr.
    static FirstFrameReport* installIfRequested(QWidget& mainWindow) {
        if (qgetenv(kReportVariable) != "1") return nullptr;
        auto* report = new FirstFrameReport(mainWindow, qgetenv(kQuitVariable) == "1");
        qApp->installEventFilter(report);
        return report;
    }

    static long long monotonicNanoseconds() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        const long long now = monotonicNanoseconds();
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (seen_.contains(window)) return false;
        seen_.append(window);
        const QByteArray name = window->objectName().isEmpty()
                                    ? QByteArray(window->metaObject()->className())
                                    : window->objectName().toUtf8();
        std::fprintf(stderr, "first frame %s %lld\n", name.constData(), now);
        std::fflush(stderr);
        if (quitAfterMainWindow_ && window == mainWindow_) std::_Exit(0);
        return false;
    }

private:
    FirstFrameReport(QWidget& mainWindow, bool quitAfterMainWindow)
        : QObject(qApp), mainWindow_(&mainWindow), quitAfterMainWindow_(quitAfterMainWindow) {}

    QPointer<QWidget> mainWindow_;
    bool quitAfterMainWindow_;
    QList<QPointer<QWidget>> seen_; // windows already reported
};

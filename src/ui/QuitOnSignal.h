#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT (a session logging out, a closed
// terminal, Ctrl+C) into a signal of the event loop, so that the program
// ends through its normal quit path instead of dying where it stands. The
// handler only writes the signal's number into a pipe; a socket notifier
// reads it on the user-interface thread. One at a time; while it lives the
// three signals are caught.
class QuitOnSignal : public QObject {
    Q_OBJECT
public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;
    QuitOnSignal(const QuitOnSignal&) = delete;
    QuitOnSignal& operator=(const QuitOnSignal&) = delete;

    // Whether the signals are caught (a pipe could be made).
    bool active() const { return notifier_ != nullptr; }

signals:
    void received(int signalNumber);

private:
    void readSignals();

    QSocketNotifier* notifier_ = nullptr;
};

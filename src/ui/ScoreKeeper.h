#pragma once

#include "storage/Halls.h"
#include "ui/AppServices.h"

#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;

// Keeps the Halls of Fame and Shame for the whole run, whatever window
// shows them, and tells the players what becomes of their scores: a notice
// when the store keeps a game's scores waiting, a line in the status bar
// while it keeps the Halls from being read, a notice when it can take no
// change at all, and one before the program ends when scores still waiting
// could not be kept for the next start.
class ScoreKeeper : public QObject {
    Q_OBJECT
public:
    // The status line while the store keeps the Halls from being read, in
    // English; the status bar shows it translated.
    static inline const QString kHallsWaiting =
        QStringLiteral(QT_TR_NOOP("Waiting for the Halls of Fame and Shame."));
    static QString cannotKeepMessage(const QString& why);
    static QString notKeptAtExitMessage(const QString& why);

    // Its notices sound and run through `services`.
    ScoreKeeper(const AppServices& services, QStatusBar& statusBar, QObject* parent = nullptr);

    Halls& halls() { return halls_; }
    // In the status bar, left of the turn: the store's state, or nothing.
    QLabel* StoreStatus;

    // The program is ending: the waiting scores are kept, or the players
    // are told why they cannot be.
    void keepAtExit();

private:
    void showStoreState();

    AppServices services_;
    Halls halls_;
};

#pragma once

#include "game/Advisor.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>

class GameSession;
class StrategyTable;

// Plays the seats that the session has handed to the computer, through the
// same board a person uses: Roll, a click on a die, a category. Before each
// choice it pauses, so that a person can follow the game; the dice roll
// with their animation and sound as they do for anyone. A seat taken back
// in the middle of a turn is left to its person from the next choice on.
// While a person is busy in a window that waits for them (saving a game,
// say), it makes no choice: its moves, and the announcement that ends its
// turn, wait until that window has closed.
class ComputerPlayer : public QObject {
    Q_OBJECT
public:
    // The pause before each choice.
    static constexpr int kDefaultPaceMs = 900;
    // How often it looks again while a person is busy in another window.
    static constexpr int kBusyRecheckMs = 100;

    ComputerPlayer(GameSession& session, StrategyTable& table, QObject* parent = nullptr);

    void setPaceMs(int ms);

    // Whether the computer is about to make a choice for the current seat.
    bool isActive() const { return pace_.isActive() || busyWait_.isActive(); }
    // While a perfect seat waits for the value table: the text to show.
    const QString& status() const { return status_; }

    //: In the status bar while the computer works out its play; %1 is the seat's name.
    static constexpr char kThinking[] = QT_TR_NOOP("%1 is thinking...");

    // Looks at whose turn it is: a computer seat gets its next choice after
    // the pause, a person's seat stops the computer.
    void resume();

signals:
    // status() changed.
    void statusChanged(const QString& text);

private:
    void step();
    void setStatus(const QString& text);

    GameSession& session_;
    StrategyTable& table_;
    QTimer pace_;
    QTimer busyWait_;
    QString status_;
    bool acting_ = false;
};

#pragma once

#include "game/Strength.h"
#include "game/ValueTable.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class ComputerPlayer;
class GameSession;
class HintWindow;
class QMenu;
class QWidget;
class StrategyTable;

// What the main window offers around the computer: handing a seat to the
// computer and taking it back from the player button's menu, the computer
// player itself, the hint, and the value table both read. The table, its
// thread and the computer's timer exist only once a seat has been handed
// over or a hint asked for. Menus and the hint open over `window`.
class ComputerSeats : public QObject {
    Q_OBJECT
public:
    ComputerSeats(GameSession& session, QWidget& window);
    ~ComputerSeats() override;

    // "Let the computer play for Bob", ...
    static QString perfectSeatText(const QString& name);
    static QString casualSeatText(const QString& name);
    static QString takeBackText(const QString& name);
    // "Bob (computer)".
    static QString computerMarked(const QString& name);

    // The menu of player `index`'s button, for the caller to show.
    std::unique_ptr<QMenu> seatMenu(int16_t index);

    // Shows the hint for the board that has the turn, and keeps it up to
    // date while its window is open.
    void showHint();
    HintWindow* hintWindow() const;

    // The computer player and the table, once they exist.
    ComputerPlayer* computer() const { return computer_.get(); }
    StrategyTable* table() const { return table_.get(); }

    // How quickly the computer plays, chosen in the player button's menu and
    // kept per player: normal, fast, or with no pauses at all.
    enum class Pace { Normal, Fast, Instant };
    static QString paceText(Pace pace);
    // The pause before each choice, and how long its announcement stays.
    static int paceMs(Pace pace);
    static int announcementMs(Pace pace);
    void setPace(Pace pace);
    Pace pace() const { return pace_; }

    // The pause before each of the computer's choices and before its
    // announcement closes.
    void setPaceMs(int ms);
    int paceMs() const { return paceMs_; }
    // The categories the table covers; before it is first needed.
    void setTableCategories(uint16_t categories) { categories_ = categories; }

signals:
    // A line for the status bar while the computer waits; empty: none.
    void statusChanged(const QString& text);
    // setPaceMs() was called.
    void paceChanged(int ms);
    // The player chose a pace (setPace() was called).
    void paceChosen(ComputerSeats::Pace pace);

private:
    StrategyTable& strategyTable();
    void seatChanged(int16_t index);
    void refreshHint();
    void placeBesideWindow(QWidget& hint) const;

    GameSession& session_;
    QWidget& window_;
    std::unique_ptr<StrategyTable> table_;
    std::unique_ptr<ComputerPlayer> computer_;
    QPointer<HintWindow> hint_;
    int paceMs_;
    Pace pace_ = Pace::Normal;
    uint16_t categories_ = ValueTable::kAllCategories;
};

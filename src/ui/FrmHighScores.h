#pragma once

#include "storage/Halls.h"
#include "ui/AppServices.h"

#include <QList>
#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QTabBar;
class QTreeWidget;

// The Hall of Fame and the Hall of Shame on two tabs, with a button that
// clears both. A child window of the main window that shows the Halls the
// end of every game updates; the Halls themselves outlive it.
class FrmHighScores : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{5025 / 15, 4410 / 15};

    // What the player is told when another copy of the game keeps the
    // final scores of a game waiting.
    static QString scoresWaiting();

    // Shows `halls`; its question sounds and runs through `services`.
    FrmHighScores(Halls& halls, const AppServices& services, QWidget* parent = nullptr);

    QLabel* Label1;   // "HIGH SCORES"
    QLabel* Image1;   // decoration
    QFrame* Picture1; // holds the tabs and the lists
    QTabBar* TabStrip1;
    std::array<QTreeWidget*, 2> ListView1; // Fame, Shame
    QPushButton* Command1;                 // "&Clear All Scores"

    Halls& halls() { return halls_; }

    void Form_Load();
    void TabStrip1_Click();
    void Command1_Click();

    // Shows the Halls as they are now.
    void refreshLists();

    // The list in front: 0 the Hall of Fame, 1 the Hall of Shame.
    int shownList() const;

protected:
    // Alt+C belongs to "&Clear All Scores" while this window has the focus,
    // not to the main window's "S&cores".
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool isClearKey(const QKeyEvent* key) const;

private:
    Halls& halls_;
    AppServices services_;
};

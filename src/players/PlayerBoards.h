#pragma once

#include <QString>

#include <cstdint>

class FrmMainGame;
class QAction;

// The player boards inside the main window and their buttons on the player
// toolbar. Board i lies at i board widths from the left and has the button
// keyed "Num " + i, which shows the board's title (the player's name).
namespace MdlGlobalDecs {

// Creates board `index` named `name` (a trailing end-of-list NUL dropped),
// placed but not yet shown, and puts it into Boards.
FrmMainGame* CreateBoard(int16_t index, const QString& name);

// Makes board `index` visible.
void ShowBoard(int16_t index);

// Adds the released button for board `index` at the end of the player toolbar.
void AddPlayerButton(int16_t index);

// Unloads every board and removes every player button, last first.
void RemoveAllPlayers();

// Leaves no game: a running one is stopped and its players removed, Boards
// is emptied and LastPlayer and CurrentPlayer are 0.
void ClearGame();

// Brings board `index` in front of the other child windows and gives it the
// keyboard focus.
void BringBoardToFront(int16_t index);

// Shows the button of board `index` pressed and every other one released.
void PressPlayerButton(int16_t index);

// A player button was clicked: the other buttons are released and the
// button's board comes to the front with the focus.
void Toolbar1_ButtonClick(QAction* button);

// Run whenever a board receives the focus: its button is pressed, the rest
// released.
void Form_GotFocus(FrmMainGame& board);

// The key of board `index`'s button, and the board index a key names.
QString playerButtonKey(int16_t index);
int16_t boardIndexOfKey(const QString& key);

// "Selects Ann's Playerboard".
QString playerButtonToolTip(const QString& name);

// The player button of board `index`, or nullptr.
QAction* playerButton(int16_t index);

} // namespace MdlGlobalDecs

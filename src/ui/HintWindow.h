#pragma once

#include "game/Advisor.h"

#include <QWidget>

#include <vector>

class QLabel;
class QTreeWidget;

// A small window beside the game that shows what each choice on the board
// with the turn is worth: the final score the player can expect after it,
// with the best one first in bold. It asks nothing and stays open while the
// game goes on.
class HintWindow : public QWidget {
    Q_OBJECT
public:
    explicit HintWindow(QWidget* parent = nullptr);

    QLabel* Heading;     // whose board and the best choice
    QTreeWidget* Values; // choice | expected final score, best first

    // The choices for `name`'s board, in the order they come.
    void showChoices(const QString& name, const std::vector<ValuedChoice>& choices);
    // Nothing to show yet, or no game: says why.
    void showMessage(const QString& text);
    // Says that the values are still being worked out.
    void showWorking();

    // "Roll all dice", "Roll die 3" (dice counted from 1), "Score Full House".
    static QString choiceText(const Choice& choice);
    // A value as shown: one decimal.
    static QString valueText(double value);

private:
    // Choices longer than the window was made for (another language's)
    // widen it, as far as the screen lets them.
    void widenToChoices();
};

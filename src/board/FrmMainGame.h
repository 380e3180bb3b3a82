#pragma once

#include "game/Board.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>

class GameSession;
class QLineEdit;
class QPushButton;

// A die picture that takes clicks while it is switched on, and from the
// keyboard Space or Enter while it has the focus.
class DieImage : public QLabel {
    Q_OBJECT
public:
    explicit DieImage(QWidget* parent = nullptr);
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// One player's board: five dice, the Roll button and the score card. A thin
// view over player `index`'s Board: every click and key goes to the game
// session as a move of that player, and the controls mirror the board
// whenever it says it changed.
class FrmMainGame : public QWidget {
    Q_OBJECT
public:
    // Shows the board of player `index` of `session`, which outlives the window.
    FrmMainGame(GameSession& session, int16_t index, QWidget* parent = nullptr);
    ~FrmMainGame() override;

    // The board shown; only while its game lasts.
    const Board& model() const { return *model_; }

    // The board's index as decimal text (its place in the game's Boards).
    QString Tag;

    QPushButton* Command1;                // Roll
    std::array<QPushButton*, 6> Command2; // Ones .. Sixes
    QPushButton* Command3;                // 1 Pair
    QPushButton* Command4;                // 2 Pairs
    QPushButton* Command5;                // 3 of a Kind
    QPushButton* Command6;                // 4 of a Kind
    QPushButton* Command7;                // Low Straight
    QPushButton* Command8;                // High Straight
    QPushButton* Command9;                // Full House
    QPushButton* Command10;               // Chance
    QPushButton* Command11;               // Vorka
    std::array<QLabel*, 5> Label1;        // hidden face values
    std::array<QLabel*, 6> Label2;        // score cells of Ones .. Sixes
    QLabel* Label3;                       // score cells of 1 Pair .. Vorka
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12; // "1-6 Total: "
    QLabel* Label13; // "Total: "
    std::array<DieImage*, 5> Digits;
    QLineEdit* Text1; // takes the hidden codes

    QPushButton* categoryButton(Category c) const { return categoryButtons_[categoryIndex(c)]; }
    QLabel* scoreCell(Category c) const { return scoreCells_[categoryIndex(c)]; }

    // Client size in pixels.
    static constexpr QSize kClientSize{207, 352};

signals:
    // The controls show the model anew (after every change of it).
    void changed();
    // The board received the focus (the player toolbar follows it).
    void gotFocus(FrmMainGame* board);

public slots:
    void Command1_Click();
    void Digits_Click(int16_t Index);
    void Command2_Click(int16_t Index);
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Text1_KeyPress(int16_t KeyAscii);

    // Mirrors the whole model into the controls.
    void refresh();

    // Gives the keyboard to what a player uses next on this board: Roll when
    // it can roll, else the first free category, else the board itself, so
    // that Space rolls and the keys 1 to 5 roll a die again at once.
    void takeKeyboard();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A frame round the board while the hidden box has the keyboard: what
    // is typed there is never seen, but where the keyboard is always is.
    void paintEvent(QPaintEvent* event) override;
    // The keys 1 to 5 roll that die again, as a click on it would; a key
    // held down counts once.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void describeForScreenReaders();
    void showDie(int die);
    void score(Category c);
    // Whether a person may play this board now.
    bool playable() const;

    GameSession& session_;
    const int16_t index_;
    QPointer<Board> model_;
    std::array<QPushButton*, kCategoryCount> categoryButtons_{};
    std::array<QLabel*, kCategoryCount> scoreCells_{};
};

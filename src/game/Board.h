#pragma once

#include "game/ScoreCard.h"
#include "game/Scoring.h"
#include "game/Seams.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

// One player's board without its window: the dice, the rolls left, what the
// controls allow, the score card and the two total captions. The session
// makes the moves on it once it has allowed them; the window mirrors this
// state into its controls whenever a signal says it changed.
//
// A roll runs the event loop while its dice spin, and the game may be
// replaced meanwhile: the board is then deleted with deleteLater(), and the
// running roll notices it and returns at once without touching the board.
class Board : public QObject {
    Q_OBJECT
public:
    static constexpr int kDice = 5;
    static constexpr int16_t kRollsPerTurn = 3;
    static constexpr int64_t kSpinNanoseconds = 1'420'000'000;
    static constexpr int kNoPicture = -1;
    // Rolls started while the dice already spin run inside the running roll;
    // beyond this many at once, further presses are ignored.
    static constexpr int kMaxRollDepth = 4;

    static inline const QString kUnlockCode = QStringLiteral("VMQZTA");
    static inline const QString kExtraRollsCode = QStringLiteral("BXNRYWE");

    enum class ScoreOutcome { Committed, Declined, Ignored };

    explicit Board(const Services& services, QObject* parent = nullptr);

    // --- what the board shows ------------------------------------------
    // Face value texts "1".."6" (the hidden value labels).
    const std::array<QString, kDice>& faceTexts() const { return faceTexts_; }
    Faces faces() const;
    // Picture cell shown by each die (face - 1), or kNoPicture.
    const std::array<int, kDice>& diePictures() const { return diePictures_; }
    int16_t rollsLeft() const { return rollsLeft_; }
    bool rollEnabled() const { return rollEnabled_; }
    bool diceEnabled() const { return diceEnabled_; }
    bool categoryEnabled(Category c) const { return categoryEnabled_[categoryIndex(c)]; }
    bool spinning() const { return spinDepth_ > 0; }
    const ScoreCard& card() const { return card_; }
    ScoreCard& card() { return card_; }
    QString upperTotalText() const { return totals_.upperText(); }
    QString grandTotalText() const { return totals_.grandText(); }
    // From the total itself: its caption speaks the player's language.
    int16_t finalScore() const { return static_cast<int16_t>(totals_.grand); }

    // --- the moves, made by the session ----------------------------------
    // The Roll button. Ignored while the button is disabled. The board may
    // have been deleted when it returns (see above).
    void rollAll();
    // A click on die `index`. Ignored before the first roll of a turn, when
    // no roll is left, or while the dice are switched off.
    void clickDie(int16_t index);
    // Whether category `c` takes the dice now: its button is enabled and the
    // dice have stopped.
    bool canScore(Category c) const { return categoryEnabled(c) && !spinning(); }
    // The score the dice give in category `c`.
    int scoreFor(Category c) const;
    // Writes `score` into category `c` and resets the board for its next turn.
    void commitScore(Category c, int score);
    // Enter in the hidden text box with `typed` in it.
    void applyHiddenCodes(const QString& typed);

    // --- what the turn flow does -----------------------------------------
    // Recomputes both total captions from the cells.
    void Countup();
    // Ends this board's turn: dice off, Roll disabled.
    void closeTurn();
    void setRollEnabled(bool enabled);

signals:
    // Die `die` shows a new face or picture.
    void dieDrawn(int die);
    // Anything else the board shows changed.
    void changed();
    // Category `c` has just been scored.
    void scored(Category c);

private:
    // False when the board was deleted while its dice spun.
    bool Spin(int16_t n);
    int drawFace();
    void showFace(int die, int face);
    void orderDice();

    Services services_;
    std::array<QString, kDice> faceTexts_;
    std::array<int, kDice> diePictures_;
    int16_t rollsLeft_ = kRollsPerTurn;
    bool rollEnabled_ = true;
    bool diceEnabled_ = false;
    std::array<bool, kCategoryCount> categoryEnabled_{};
    int spinDepth_ = 0;
    ScoreCard card_;
    Totals totals_; // as of the last Countup
};

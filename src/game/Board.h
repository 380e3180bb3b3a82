#pragma once

#include "game/ScoreCard.h"
#include "game/Scoring.h"
#include "game/Seams.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

// One player's board without its window: the dice, the rolls left, what the
// controls allow, the score card and the two total captions. The window
// mirrors this state into its controls and forwards clicks to it.
class Board {
public:
    static constexpr int kDice = 5;
    static constexpr int16_t kRollsPerTurn = 3;
    static constexpr int64_t kSpinNanoseconds = 1'420'000'000;
    static constexpr int kNoPicture = -1;

    static inline const QString kUnlockCode = QStringLiteral("VMQZTA");
    static inline const QString kExtraRollsCode = QStringLiteral("BXNRYWE");

    enum class ScoreOutcome { Committed, Declined, Ignored };

    explicit Board(const Services& services);

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
    const QString& upperTotalText() const { return upperTotalText_; }
    const QString& grandTotalText() const { return grandTotalText_; }
    int16_t finalScore() const { return scoreFromGrandTotalText(grandTotalText_); }

    // --- what a player does ---------------------------------------------
    // The Roll button. Ignored while the button is disabled.
    void rollAll();
    // A click on die `index`. Ignored before the first roll of a turn, when
    // no roll is left, or while the dice are switched off.
    void clickDie(int16_t index);
    // A click on a category's button. Ignored while the button is disabled
    // or the dice are still spinning.
    ScoreOutcome scoreCategory(Category c);
    // Enter in the hidden text box with `typed` in it.
    void applyHiddenCodes(const QString& typed);

    // --- what the turn flow does -----------------------------------------
    // Recomputes both total captions from the cells.
    void Countup();
    // Ends this board's turn: dice off, Roll disabled.
    void closeTurn();
    void setRollEnabled(bool enabled);

    // --- hooks for the window and the turn flow --------------------------
    std::function<void(int die)> onDieDrawn; // a die's face or picture changed
    std::function<void()> onChanged;         // anything else changed
    std::function<bool()> confirmZero;       // asks whether to score 0
    std::function<void()> endTurn;           // called after a committed score

private:
    void Spin(int16_t n);
    int drawFace();
    void showFace(int die, int face);
    void orderDice();
    void changed();

    Services services_;
    std::array<QString, kDice> faceTexts_;
    std::array<int, kDice> diePictures_;
    int16_t rollsLeft_ = kRollsPerTurn;
    bool rollEnabled_ = true;
    bool diceEnabled_ = false;
    std::array<bool, kCategoryCount> categoryEnabled_{};
    int spinDepth_ = 0;
    ScoreCard card_;
    QString upperTotalText_;
    QString grandTotalText_;
};

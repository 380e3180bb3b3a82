#include "game/Board.h"

#include "game/NumericValue.h"

#include <algorithm>
#include <cmath>

Board::Board(const Services& services) : services_(services) {
    faceTexts_.fill(QStringLiteral("6"));
    diePictures_.fill(kNoPicture);
    const Totals none;
    upperTotalText_ = none.upperText();
    grandTotalText_ = none.grandText();
    services_.random->reseed(services_.clock->secondsSinceMidnight());
}

Faces Board::faces() const {
    Faces values{};
    for (int i = 0; i < kDice; ++i) values[i] = numericValue16(faceTexts_[i]);
    return values;
}

void Board::rollAll() {
    if (!rollEnabled_) return;
    services_.sound->playIfOn(QStringLiteral("BPRESS"));
    Spin(0);
    --rollsLeft_;
    if (rollsLeft_ < 1) rollEnabled_ = false;
    for (Category c : kAllCategories) categoryEnabled_[categoryIndex(c)] = card_.available(c);
    changed();
}

void Board::clickDie(int16_t index) {
    if (!diceEnabled_ || index < 0 || index >= kDice) return;
    // Rolls nested inside a running animation can take the count below 0;
    // no count outside 1..2 may buy another roll.
    if (rollsLeft_ == kRollsPerTurn || rollsLeft_ < 1) return;
    --rollsLeft_;
    changed();
    Spin(static_cast<int16_t>(index + 1));
    if (rollsLeft_ < 1) rollEnabled_ = false;
    changed();
}

Board::ScoreOutcome Board::scoreCategory(Category c) {
    if (!categoryEnabled(c) || spinning()) return ScoreOutcome::Ignored;
    services_.sound->playIfOn(QStringLiteral("BPRESS"));
    const int score = EvaluateCategory(c, faces());
    if (score == 0 && !(confirmZero && confirmZero())) return ScoreOutcome::Declined;
    card_.commit(c, score);
    rollEnabled_ = true;
    rollsLeft_ = kRollsPerTurn;
    categoryEnabled_.fill(false);
    changed();
    if (endTurn)
        endTurn();
    else
        Countup();
    return ScoreOutcome::Committed;
}

void Board::applyHiddenCodes(const QString& typed) {
    const QString text = typed.toUpper();
    if (text.contains(kUnlockCode)) card_.reopenAll();
    if (text.contains(kExtraRollsCode)) {
        rollsLeft_ = 2;
        rollEnabled_ = true;
    }
    changed();
}

void Board::Countup() {
    const Totals totals = ::Countup(card_);
    upperTotalText_ = totals.upperText();
    grandTotalText_ = totals.grandText();
    changed();
}

void Board::closeTurn() {
    diceEnabled_ = false;
    rollEnabled_ = false;
    changed();
}

void Board::setRollEnabled(bool enabled) {
    rollEnabled_ = enabled;
    changed();
}

void Board::Spin(int16_t n) {
    ++spinDepth_;
    services_.random->reseed(services_.clock->secondsSinceMidnight());
    diceEnabled_ = true;
    changed();
    services_.events->processEvents();

    const int64_t t0 = services_.clock->monotonicNanoseconds();
    services_.sound->playIfOn(QStringLiteral("ROLL"));
    auto timeLeft = [&] { return services_.clock->monotonicNanoseconds() - t0 < kSpinNanoseconds; };
    if (n >= 1) {
        const int die = n - 1;
        while (timeLeft()) {
            showFace(die, drawFace());
            services_.events->processEvents();
        }
    } else {
        while (timeLeft()) {
            for (int i = 0; i < kDice; ++i) {
                showFace(i, drawFace());
                services_.events->processEvents();
            }
        }
        orderDice();
    }
    --spinDepth_;
    changed();
}

int Board::drawFace() {
    const float r = services_.random->next();
    const int face = static_cast<int>(std::floor(6.0f * r)) + 1;
    return std::clamp(face, 1, 6);
}

void Board::showFace(int die, int face) {
    faceTexts_[die] = QString::number(face);
    diePictures_[die] = face - 1;
    if (onDieDrawn) onDieDrawn(die);
}

// Exchange sort into descending order, written back right to left so the
// dice end up ascending.
void Board::orderDice() {
    Faces v = faces();
    int j = 1;
    while (j <= 4) {
        if (v[j] > v[j - 1]) {
            std::swap(v[j], v[j - 1]);
            j = 1;
        } else {
            ++j;
        }
    }
    for (int k = 0; k < kDice; ++k) showFace(4 - k, v[k]);
}

void Board::changed() {
    if (onChanged) onChanged();
}

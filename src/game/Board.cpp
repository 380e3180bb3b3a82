#include "game/Board.h"

#include "game/NumericValue.h"

#include <QPointer>

#include <algorithm>
#include <cmath>

Board::Board(const Services& services, QObject* parent) : QObject(parent), services_(services) {
    faceTexts_.fill(QStringLiteral("6"));
    diePictures_.fill(kNoPicture);
    services_.random->reseed(services_.clock->secondsSinceMidnight());
}

Faces Board::faces() const {
    Faces values{};
    for (int i = 0; i < kDice; ++i) values[i] = numericValue16(faceTexts_[i]);
    return values;
}

void Board::rollAll() {
    if (!rollEnabled_ || spinDepth_ >= kMaxRollDepth) return;
    services_.sound->playIfOn(QStringLiteral("BPRESS"));
    if (!Spin(0)) return;
    --rollsLeft_;
    if (rollsLeft_ < 1) rollEnabled_ = false;
    for (Category c : kAllCategories) categoryEnabled_[categoryIndex(c)] = card_.available(c);
    emit changed();
}

void Board::clickDie(int16_t index) {
    if (!diceEnabled_ || index < 0 || index >= kDice || spinDepth_ >= kMaxRollDepth) return;
    // Rolls nested inside a running animation can take the count below 0;
    // no count outside 1..2 may buy another roll.
    if (rollsLeft_ == kRollsPerTurn || rollsLeft_ < 1) return;
    --rollsLeft_;
    emit changed();
    if (!Spin(static_cast<int16_t>(index + 1))) return;
    if (rollsLeft_ < 1) rollEnabled_ = false;
    emit changed();
}

int Board::scoreFor(Category c) const {
    return EvaluateCategory(c, faces());
}

void Board::commitScore(Category c, int score) {
    card_.commit(c, score);
    rollEnabled_ = true;
    rollsLeft_ = kRollsPerTurn;
    categoryEnabled_.fill(false);
    emit changed();
    emit scored(c);
}

void Board::applyHiddenCodes(const QString& typed) {
    const QString text = typed.toUpper();
    if (text.contains(kUnlockCode)) card_.reopenAll();
    if (text.contains(kExtraRollsCode)) {
        rollsLeft_ = 2;
        rollEnabled_ = true;
    }
    emit changed();
}

void Board::Countup() {
    totals_ = ::Countup(card_);
    emit changed();
}

void Board::closeTurn() {
    diceEnabled_ = false;
    rollEnabled_ = false;
    emit changed();
}

void Board::setRollEnabled(bool enabled) {
    rollEnabled_ = enabled;
    emit changed();
}

bool Board::Spin(int16_t n) {
    // The services outlive every board; `self` tells whether this one is
    // still there after the event loop has run.
    const Services services = services_;
    const QPointer<Board> self(this);
    const auto yield = [&] {
        services.events->processEvents();
        return !self.isNull();
    };

    ++spinDepth_;
    services.random->reseed(services.clock->secondsSinceMidnight());
    diceEnabled_ = true;
    emit changed();
    if (!yield()) return false;

    const int64_t t0 = services.clock->monotonicNanoseconds();
    services.sound->playIfOn(QStringLiteral("ROLL"));
    auto timeLeft = [&] { return services.clock->monotonicNanoseconds() - t0 < kSpinNanoseconds; };
    if (n >= 1) {
        const int die = n - 1;
        while (timeLeft()) {
            showFace(die, drawFace());
            if (!yield()) return false;
        }
    } else {
        while (timeLeft()) {
            for (int i = 0; i < kDice; ++i) {
                showFace(i, drawFace());
                if (!yield()) return false;
            }
        }
        orderDice();
    }
    --spinDepth_;
    emit changed();
    return true;
}

int Board::drawFace() {
    const float r = services_.random->next();
    const int face = static_cast<int>(std::floor(6.0f * r)) + 1;
    return std::clamp(face, 1, 6);
}

void Board::showFace(int die, int face) {
    faceTexts_[die] = QString::number(face);
    diePictures_[die] = face - 1;
    emit dieDrawn(die);
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

#pragma once

#include "game/ValueTable.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>

// The value table that perfect play and the hint read, built once on a
// thread of its own when it is first asked for, so that the window never
// waits for it. Nothing is allocated and no thread runs before that.
class StrategyTable : public QObject {
    Q_OBJECT
public:
    // `categories`: the categories the table covers (a game whose other
    // categories are all used; the whole game by default).
    explicit StrategyTable(uint16_t categories = ValueTable::kAllCategories,
                           QObject* parent = nullptr);
    // Stops a build under way and waits for its thread.
    ~StrategyTable() override;

    // Starts building, unless it has started already. ready() follows on
    // this object's thread once the table is there.
    void request();
    bool requested() const { return worker_.joinable() || table_ != nullptr; }

    // The built table when it covers a card with the `used` categories;
    // nullptr while it is being built or when it does not cover the card.
    const ValueTable* tableFor(uint16_t used) const;
    bool ready() const { return ready_; }

signals:
    void built();

private:
    const uint16_t categories_;
    std::unique_ptr<ValueTable> table_;
    std::thread worker_;
    std::atomic<bool> cancel_ = false;
    bool ready_ = false;
};

#include "players/StrategyTable.h"

StrategyTable::StrategyTable(uint16_t categories, QObject* parent)
    : QObject(parent), categories_(categories) {}

StrategyTable::~StrategyTable() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
}

void StrategyTable::request() {
    if (requested()) return;
    table_ = std::make_unique<ValueTable>(categories_);
    ValueTable* table = table_.get();
    worker_ = std::thread([this, table] {
        if (!table->build(&cancel_)) return;
        // Told on this object's thread; dropped if the object is gone by then.
        QMetaObject::invokeMethod(
            this,
            [this] {
                ready_ = true;
                emit built();
            },
            Qt::QueuedConnection);
    });
}

const ValueTable* StrategyTable::tableFor(uint16_t used) const {
    if (!ready_) return nullptr;
    const auto free = uint16_t(~used & ValueTable::kAllCategories);
    return (free & ~categories_) == 0 ? table_.get() : nullptr;
}

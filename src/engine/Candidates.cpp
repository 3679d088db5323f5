#include "Candidates.h"

#include "ScanEngine.h"

namespace sorvale::engine {

void Candidates::add(model::CleanupItem item) {
    slots_.push_back({std::move(item)});
}

void Candidates::add(model::ScanSnapshot snapshot) {
    for (model::CleanupItem& item : snapshot.items) {
        add(std::move(item));
    }
    inaccessibleCount += snapshot.inaccessibleCount;
}

std::size_t Candidates::addMaker(ItemMaker make) {
    makers_.push_back(std::move(make));
    return makers_.size() - 1;
}

void Candidates::add(ListedEntry entry, std::size_t maker, bool keepEmpty) {
    slots_.push_back({std::nullopt, entries_.size(), maker, keepEmpty});
    entries_.push_back(std::move(entry));
}

model::ScanSnapshot Candidates::measure(const ScanEngine& engine) && {
    model::ScanSnapshot snapshot{.items = {}, .inaccessibleCount = inaccessibleCount};
    const auto measured = engine.measureEntries(entries_, snapshot.inaccessibleCount);
    snapshot.items.reserve(slots_.size());
    for (Slot& slot : slots_) {
        if (slot.item) {
            snapshot.items.push_back(std::move(*slot.item));
        } else if (const auto& entry = measured[slot.entry];
                   entry && (slot.keepEmpty || entry->size >= 1)) {
            snapshot.items.push_back(
                makers_[slot.maker](std::move(entries_[slot.entry].location), *entry));
        }
    }
    return snapshot;
}

} // namespace sorvale::engine

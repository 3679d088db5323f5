// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Candidates.h"

#include "ScanProgress.h"
#include "SizeMeasurement.h"
#include "model/Location.h"

#include <algorithm>
#include <atomic>
#include <numeric>
#include <unordered_set>

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

std::size_t Candidates::addMaker(model::CleanupCategory category) {
    return addMaker([category](model::Location entry, const MeasuredEntry& measured) {
        return measuredEntryItem(std::move(entry), measured, category);
    });
}

void Candidates::add(ListedEntry entry, std::size_t maker, bool keepEmpty) {
    slots_.push_back({std::nullopt, entries_.size(), maker, keepEmpty});
    entries_.push_back(std::move(entry));
}

void Candidates::addFolder(const std::filesystem::path& folder, std::size_t maker) {
    if (!platform::fileExists(folder)) {
        return;
    }
    auto entries = listDirectory(folder, /*skipHiddenEntries=*/false);
    if (!entries) {
        ++inaccessibleCount;
        return;
    }
    for (ListedEntry& entry : *entries) {
        if (entry.location.name() != ".DS_Store") {
            add(std::move(entry), maker, /*keepEmpty=*/true);
        }
    }
}

model::ScanSnapshot Candidates::measure(const SizeMeasurement& sizes) && {
    return std::move(*this).measureKeeping(sizes, /*distinct=*/false);
}

model::ScanSnapshot Candidates::measureDistinct(const SizeMeasurement& sizes) && {
    return std::move(*this).measureKeeping(sizes, /*distinct=*/true);
}

model::ScanSnapshot Candidates::measureKeeping(const SizeMeasurement& sizes, bool distinct) && {
    ScanProgress* progress = ScanProgress::current();
    // Whether an entry's item is kept depends only on its own size once the first of every
    // location is known, so each counts as found the moment its measurement ends, and the count
    // ends at the result's.
    enum : std::uint8_t { never, ifNotEmpty, always };
    std::vector<std::uint8_t> kept(entries_.size(), never);
    std::int64_t foundBefore = 0;
    std::unordered_set<std::string> seen;
    for (const Slot& slot : slots_) {
        const bool first =
            !distinct ||
            seen.insert(model::standardizedBytes(slot.item ? slot.item->id.bytes()
                                                           : entries_[slot.entry].location.bytes()))
                .second;
        if (slot.item) {
            foundBefore += first && (!distinct || slot.item->size >= 1) ? 1 : 0;
        } else if (first) {
            kept[slot.entry] = slot.keepEmpty && !distinct ? always : ifNotEmpty;
        }
    }
    std::atomic<std::int64_t> foundWhileMeasuring = 0;
    SizeMeasurement::EntryMeasured counting;
    if (progress != nullptr) {
        progress->addFound(foundBefore, 0);
        counting = [&](std::size_t entry, std::int64_t size) {
            if (kept[entry] == always || (kept[entry] == ifNotEmpty && size >= 1)) {
                progress->addFound(1, 0);
                foundWhileMeasuring.fetch_add(1, std::memory_order_relaxed);
            }
        };
    }

    model::ScanSnapshot snapshot{.items = {}, .inaccessibleCount = inaccessibleCount};
    const auto measured = sizes.measureEntries(entries_, snapshot.inaccessibleCount, counting);
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
    if (distinct) {
        keepFirstOfEachLocation(snapshot.items);
    }
    if (progress != nullptr) {
        // Should a maker have named an item other than its entry, the count still ends at the
        // result's; it never goes back.
        const std::int64_t counted = foundBefore + foundWhileMeasuring.load();
        progress->addFound(
            std::max<std::int64_t>(0, static_cast<std::int64_t>(snapshot.items.size()) - counted),
            0);
    }
    return snapshot;
}

model::CleanupItem measuredEntryItem(model::Location url, const MeasuredEntry& measured,
                                     model::CleanupCategory category) {
    std::string name(url.name());
    return model::CleanupItem{
        .id = url,
        .url = std::move(url),
        .name = std::move(name),
        .size = measured.size,
        .category = category,
        .isSelected = false,
        .modifiedAt = measured.modifiedAt,
        .relatedFiles = {},
        .operation = model::CleanupOperation::moveToTrash(),
        .owner = {},
        .icon = {},
        .nameParts = {},
    };
}

void sortBySizeDescending(std::vector<model::CleanupItem>& items) {
    // Positions are sorted, and each item moved once: items are large to move about.
    std::vector<std::uint32_t> order(items.size());
    std::iota(order.begin(), order.end(), 0U);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return items[a].size > items[b].size;
    });
    std::vector<model::CleanupItem> sorted;
    sorted.reserve(items.size());
    for (const std::uint32_t position : order) {
        sorted.push_back(std::move(items[position]));
    }
    items = std::move(sorted);
}

void keepFirstOfEachLocation(std::vector<model::CleanupItem>& items) {
    std::unordered_set<std::string> seen;
    std::erase_if(items, [&](const model::CleanupItem& item) {
        const bool isFirst = seen.insert(model::standardizedBytes(item.id.bytes())).second;
        return !isFirst || item.size < 1;
    });
}

} // namespace sorvale::engine

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Candidates.h"

#include "ScanProgress.h"
#include "SizeMeasurement.h"
#include "model/Location.h"

#include <algorithm>
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
    // Which slots give an item is settled before measuring, but for the size of an entry that
    // must not be empty: each item then counts as found the moment its measurement ends, and the
    // count ends at the result's.
    enum : std::uint8_t { never, ifNotEmpty, always };
    std::vector<std::uint8_t> keep(slots_.size(), never);
    std::vector<std::uint8_t> keepEntry(entries_.size(), never);
    std::int64_t foundBefore = 0;
    std::unordered_set<std::string> seen;
    for (std::size_t index = 0; index < slots_.size(); ++index) {
        const Slot& slot = slots_[index];
        // A maker names its item after its entry, so the entry's location is the item's.
        const model::Location& location = slot.item ? slot.item->id : entries_[slot.entry].location;
        if (distinct && !seen.insert(model::standardizedBytes(location.bytes())).second) {
            continue;
        }
        if (slot.item) {
            keep[index] = !distinct || slot.item->size >= 1 ? always : never;
            foundBefore += keep[index] == always ? 1 : 0;
        } else {
            keep[index] = keepEntry[slot.entry] = slot.keepEmpty && !distinct ? always : ifNotEmpty;
        }
    }
    ScanProgress* progress = ScanProgress::current();
    SizeMeasurement::EntryMeasured counting;
    if (progress != nullptr) {
        progress->addFound(foundBefore, 0);
        counting = [&](std::size_t entry, std::int64_t size) {
            if (keepEntry[entry] == always || (keepEntry[entry] == ifNotEmpty && size >= 1)) {
                progress->addFound(1, 0);
            }
        };
    }

    model::ScanSnapshot snapshot{.items = {}, .inaccessibleCount = inaccessibleCount};
    const auto measured = sizes.measureEntries(entries_, snapshot.inaccessibleCount, counting);
    snapshot.items.reserve(slots_.size());
    for (std::size_t index = 0; index < slots_.size(); ++index) {
        Slot& slot = slots_[index];
        if (keep[index] == never) {
            continue;
        }
        if (slot.item) {
            snapshot.items.push_back(std::move(*slot.item));
        } else if (const auto& entry = measured[slot.entry];
                   entry && (keep[index] == always || entry->size >= 1)) {
            snapshot.items.push_back(
                makers_[slot.maker](std::move(entries_[slot.entry].location), *entry));
        }
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

} // namespace sorvale::engine

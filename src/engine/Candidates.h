// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "DirectoryWalker.h"
#include "model/CleanupItem.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace sorvale::engine {

class SizeMeasurement;
struct MeasuredEntry;

// What a scan found, in the order it found it, before anything was measured: items complete
// already, and entries that become items once measured. Measuring them all at once lets every
// thread share the work, and the items come out exactly as measuring each in turn makes them.
class Candidates {
public:
    // Names its item after the entry: the item's id is the entry's location.
    using ItemMaker =
        std::function<model::CleanupItem(model::Location entry, const MeasuredEntry& measured)>;

    void add(model::CleanupItem item);
    void add(model::ScanSnapshot snapshot);
    // Makes the items of the entries added with the index it returns.
    [[nodiscard]] std::size_t addMaker(ItemMaker make);
    // A maker of measured entry items of one category.
    [[nodiscard]] std::size_t addMaker(model::CleanupCategory category);
    // An entry whose item `maker` makes once it is measured; one that measures less than a byte
    // is dropped unless `keepEmpty`.
    void add(ListedEntry entry, std::size_t maker, bool keepEmpty);
    // Every readable entry of a catalogue folder but ".DS_Store", whatever its size; a missing
    // folder adds nothing, an unlistable one counts once.
    void addFolder(const std::filesystem::path& folder, std::size_t maker);

    // Failures met while finding the candidates.
    std::int64_t inaccessibleCount = 0;

    // Measures every entry and gives the items in the order they were found. The scan's
    // progress counts each item found as soon as its own measurement ends.
    [[nodiscard]] model::ScanSnapshot measure(const SizeMeasurement& sizes) &&;
    // The same, keeping only the first item of every location and none that is empty: a
    // catalogue may reach one place through two of its rows.
    [[nodiscard]] model::ScanSnapshot measureDistinct(const SizeMeasurement& sizes) &&;

private:
    [[nodiscard]] model::ScanSnapshot measureKeeping(const SizeMeasurement& sizes,
                                                     bool distinct) &&;

    struct Slot {
        std::optional<model::CleanupItem> item;
        std::size_t entry = 0;
        std::size_t maker = 0;
        bool keepEmpty = false;
    };
    std::vector<Slot> slots_;
    std::vector<ListedEntry> entries_;
    std::vector<ItemMaker> makers_;
};

// The standard item for a measured entry: named after its last component, modified at its
// content modification date, removed by moving it to the Trash.
[[nodiscard]] model::CleanupItem measuredEntryItem(model::Location url,
                                                   const MeasuredEntry& measured,
                                                   model::CleanupCategory category);

// Orders items largest first, keeping the found order among equal sizes.
void sortBySizeDescending(std::vector<model::CleanupItem>& items);

} // namespace sorvale::engine

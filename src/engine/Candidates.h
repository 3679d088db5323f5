#pragma once

#include "DirectoryWalker.h"
#include "model/CleanupItem.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace sorvale::engine {

class ScanEngine;
struct MeasuredEntry;

// What a scan found, in the order it found it, before anything was measured: items complete
// already, and entries that become items once measured. Measuring them all at once lets every
// thread share the work, and the items come out exactly as measuring each in turn makes them.
class Candidates {
public:
    using ItemMaker =
        std::function<model::CleanupItem(model::Location entry, const MeasuredEntry& measured)>;

    void add(model::CleanupItem item);
    void add(model::ScanSnapshot snapshot);
    // Makes the items of the entries added with the index it returns.
    [[nodiscard]] std::size_t addMaker(ItemMaker make);
    // An entry whose item `maker` makes once it is measured; one that measures less than a byte
    // is dropped unless `keepEmpty`.
    void add(ListedEntry entry, std::size_t maker, bool keepEmpty);

    // Failures met while finding the candidates.
    std::int64_t inaccessibleCount = 0;

    // Measures every entry on `engine` and gives the items in the order they were found.
    [[nodiscard]] model::ScanSnapshot measure(const ScanEngine& engine) &&;

private:
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

} // namespace sorvale::engine

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "DirectoryWalker.h"
#include "EngineSetup.h"
#include "ScanEngine.h"
#include "platform/EntryValues.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace sorvale::engine {

// An entry measured to become an item: its size and its content modification date.
struct MeasuredEntry {
    std::int64_t size = 0;
    std::optional<model::Date> modifiedAt;
};

// The engine's one size rule, for a single root or for many entries at once: allocated bytes of
// every regular file inside, links never followed, hidden entries and package contents counted.
class SizeMeasurement {
public:
    explicit SizeMeasurement(const EngineSetup& setup)
        : setup_(setup) {}

    // Told the index and the size of an entry that gives a result as soon as its measurement is
    // complete, possibly on several threads at once.
    using EntryMeasured = std::function<void(std::size_t entry, std::int64_t size)>;

    [[nodiscard]] Measurement measure(const std::filesystem::path& root) const;
    // Measures many entries whose values have been read, on a few threads that share all their
    // folders; the results come in the entries' order and are those of measuring each alone. An
    // incomplete measurement counts one in `inaccessible`; none when the entry itself cannot be
    // read, which gives no result.
    [[nodiscard]] std::vector<std::optional<MeasuredEntry>>
    measureEntries(const std::vector<ListedEntry>& entries, std::int64_t& inaccessible,
                   const EntryMeasured& measured = {}) const;

private:
    [[nodiscard]] std::vector<Measurement> measureAll(const std::vector<ListedEntry>& entries,
                                                      const EntryMeasured& measured = {}) const;

    const EngineSetup& setup_;
};

// What a regular file occupies, with no fallback to its logical length: all that a sparse file
// reclaims.
[[nodiscard]] std::int64_t allocatedSize(const platform::EntryValues& values);

} // namespace sorvale::engine

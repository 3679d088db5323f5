// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "SizeMeasurement.h"

#include "AccessProbe.h"
#include "ScanProgress.h"
#include "model/Location.h"

#include <deque>
#include <vector>

namespace sorvale::engine {
namespace {

// Below this a container is suspiciously small for an application's whole sandbox.
constexpr std::int64_t kNearlyEmptyContainerSize = 128000;

// A regular file's size: its allocated bytes, else its logical length, else 0.
std::int64_t fileSize(const platform::EntryValues& values) {
    if (values.totalFileAllocatedSize) {
        return *values.totalFileAllocatedSize;
    }
    if (values.fileAllocatedSize) {
        return *values.fileAllocatedSize;
    }
    if (values.totalFileSize) {
        return *values.totalFileSize;
    }
    return values.fileSize.value_or(0);
}

// Whether a sandbox container looks almost empty only because its payload is hidden from us.
bool appearsToHideContainerPayload(const std::filesystem::path& root, std::int64_t measuredSize) {
    // A sandbox container lives at <home>/Library/Containers/<id>; without Full Disk Access its
    // Data folder can look nearly empty although it is not.
    const std::filesystem::path container = model::standardized(root);
    if (container.parent_path().filename() != "Containers" ||
        measuredSize >= kNearlyEmptyContainerSize ||
        !platform::fileExists(container / "Data/Library")) {
        return false;
    }
    return !hasFullDiskAccess(container.parent_path().parent_path().parent_path());
}

} // namespace

std::int64_t allocatedSize(const platform::EntryValues& values) {
    return values.totalFileAllocatedSize.value_or(values.fileAllocatedSize.value_or(0));
}

Measurement SizeMeasurement::measure(const std::filesystem::path& root) const {
    return measureAll({{root, platform::readEntryValues(root)}}).front();
}

std::vector<std::optional<MeasuredEntry>>
SizeMeasurement::measureEntries(const std::vector<ListedEntry>& entries, std::int64_t& inaccessible,
                                const EntryMeasured& onMeasured) const {
    const std::vector<Measurement> measurements = measureAll(entries, onMeasured);
    std::vector<std::optional<MeasuredEntry>> measured(entries.size());
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const Measurement& measurement = measurements[index];
        if (measurement.incomplete) {
            ++inaccessible;
        }
        if (measurement.rootWasReadable) {
            measured[index] =
                MeasuredEntry{.size = measurement.size,
                              .modifiedAt = entries[index].values->contentModificationDate};
        }
    }
    return measured;
}

std::vector<Measurement> SizeMeasurement::measureAll(const std::vector<ListedEntry>& entries,
                                                     const EntryMeasured& measured) const {
    std::vector<Measurement> measurements(entries.size());
    // The folders among the entries are walked together, every thread taking whichever folder
    // is next: a total does not depend on the order of the visits.
    std::vector<WalkRoot> folders;
    std::vector<std::size_t> folderEntries;
    // What is measured is what the scan found: its bytes count as found as they are met.
    ProgressTally found;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const auto& values = entries[index].values;
        Measurement& measurement = measurements[index];
        if (!values) {
            measurement = {.size = 0, .incomplete = true, .rootWasReadable = false};
            continue;
        }
        if (values->type == platform::EntryType::regular) {
            measurement.size = fileSize(*values);
            found.addFound(0, measurement.size);
        } else if (values->type == platform::EntryType::directory) {
            folders.push_back(walkRootOf(entries[index].location));
            folderEntries.push_back(index);
            continue;
        }
        // A link or anything else measures nothing: a link is never followed.
        if (measured) {
            measured(index, measurement.size);
        }
    }
    if (folders.empty()) {
        return measurements;
    }

    // Hidden entries and package contents count like everything else; directories add nothing.
    struct Partial {
        std::int64_t total = 0;
        bool incomplete = false;
    };
    std::deque<std::vector<Partial>> partials;
    std::deque<ProgressTally> tallies;
    const std::vector<bool> opened =
        walkRootsConcurrently(folders, WalkOptions{}, setup_.concurrency, [&](std::size_t) {
            std::vector<Partial>& mine = partials.emplace_back(folders.size());
            ProgressTally& tally = tallies.emplace_back();
            return RootsWorker{[&mine, &tally](std::size_t folder, const WalkEntry& entry) {
                                   if (entry.type() == platform::EntryType::directory ||
                                       entry.type() == platform::EntryType::symbolicLink) {
                                       return WalkAction::descend;
                                   }
                                   if (const auto& values = entry.values(); !values) {
                                       mine[folder].incomplete = true;
                                   } else if (values->type == platform::EntryType::regular) {
                                       const std::int64_t size = fileSize(*values);
                                       mine[folder].total += size;
                                       tally.addFound(0, size);
                                   }
                                   return WalkAction::descend;
                               },
                               [&mine](std::size_t folder, const std::filesystem::path&, int) {
                                   mine[folder].incomplete = true;
                               },
                               [&](std::size_t folder) {
                                   if (!measured) {
                                       return;
                                   }
                                   std::int64_t size = 0;
                                   for (const std::vector<Partial>& thread : partials) {
                                       size += thread[folder].total;
                                   }
                                   measured(folderEntries[folder], size);
                               }};
        });
    for (std::size_t folder = 0; folder < folders.size(); ++folder) {
        Measurement& measurement = measurements[folderEntries[folder]];
        bool incomplete = !opened[folder];
        for (const std::vector<Partial>& thread : partials) {
            measurement.size += thread[folder].total;
            incomplete = incomplete || thread[folder].incomplete;
        }
        measurement.incomplete =
            incomplete || appearsToHideContainerPayload(
                              entries[folderEntries[folder]].location.path(), measurement.size);
    }
    return measurements;
}

} // namespace sorvale::engine

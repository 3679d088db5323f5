#include "DirectoryWalker.h"
#include "ScanEngine.h"
#include "model/Location.h"

#include <deque>
#include <vector>

namespace sorvale::engine {
namespace {

// Below this a container is suspiciously small for an application's whole sandbox.
constexpr std::int64_t kNearlyEmptyContainerSize = 128000;

} // namespace

std::int64_t ScanEngine::fileSize(const platform::EntryValues& values) {
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

std::int64_t ScanEngine::allocatedSize(const platform::EntryValues& values) {
    return values.totalFileAllocatedSize.value_or(values.fileAllocatedSize.value_or(0));
}

Measurement ScanEngine::measureAllocatedSize(const std::filesystem::path& root) const {
    return measureAll({{root, platform::readEntryValues(root)}}).front();
}

std::optional<MeasuredEntry> ScanEngine::measureEntry(const std::filesystem::path& entry,
                                                      std::int64_t& inaccessible) const {
    return measureEntries({{entry, platform::readEntryValues(entry)}}, inaccessible).front();
}

std::vector<std::optional<MeasuredEntry>>
ScanEngine::measureEntries(const std::vector<ListedEntry>& entries,
                           std::int64_t& inaccessible) const {
    const std::vector<Measurement> measurements = measureAll(entries);
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

std::vector<Measurement> ScanEngine::measureAll(const std::vector<ListedEntry>& entries) const {
    std::vector<Measurement> measurements(entries.size());
    // The folders among the entries are walked together, every thread taking whichever folder
    // is next: a total does not depend on the order of the visits.
    std::vector<WalkRoot> folders;
    std::vector<std::size_t> folderEntries;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const auto& values = entries[index].values;
        Measurement& measurement = measurements[index];
        if (!values) {
            measurement = {.size = 0, .incomplete = true, .rootWasReadable = false};
        } else if (values->type == platform::EntryType::regular) {
            measurement.size = fileSize(*values);
        } else if (values->type == platform::EntryType::directory) {
            folders.push_back(walkRootOf(entries[index].location));
            folderEntries.push_back(index);
        }
        // A link or anything else measures nothing: a link is never followed.
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
    const std::vector<bool> opened =
        walkRootsConcurrently(folders, WalkOptions{}, concurrency_, [&](std::size_t) {
            std::vector<Partial>& mine = partials.emplace_back(folders.size());
            return RootsWorker{[&mine](std::size_t folder, const WalkEntry& entry) {
                                   if (entry.type() == platform::EntryType::directory ||
                                       entry.type() == platform::EntryType::symbolicLink) {
                                       return WalkAction::descend;
                                   }
                                   if (const auto& values = entry.values(); !values) {
                                       mine[folder].incomplete = true;
                                   } else if (values->type == platform::EntryType::regular) {
                                       mine[folder].total += fileSize(*values);
                                   }
                                   return WalkAction::descend;
                               },
                               [&mine](std::size_t folder, const std::filesystem::path&, int) {
                                   mine[folder].incomplete = true;
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

bool ScanEngine::appearsToHideContainerPayload(const std::filesystem::path& root,
                                               std::int64_t measuredSize) const {
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

model::CleanupItem ScanEngine::measuredEntryItem(model::Location url, const MeasuredEntry& measured,
                                                 model::CleanupCategory category) {
    std::string name(url.name());
    return model::CleanupItem{
        .id = url,
        .url = std::move(url),
        .name = std::move(name),
        .size = measured.size,
        .category = category,
        .modifiedAt = measured.modifiedAt,
        .relatedFiles = {},
        .operation = model::CleanupOperation::moveToTrash(),
        .isSelected = false,
    };
}

} // namespace sorvale::engine

#include "DirectoryWalker.h"
#include "ScanEngine.h"
#include "model/Location.h"

#include <deque>

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
    return measureAllocatedSize(root, platform::readEntryValues(root));
}

std::optional<MeasuredEntry> ScanEngine::measureEntry(const std::filesystem::path& entry,
                                                      std::int64_t& inaccessible) const {
    return measureEntry(entry, platform::readEntryValues(entry), inaccessible);
}

std::optional<MeasuredEntry>
ScanEngine::measureEntry(const std::filesystem::path& entry,
                         const std::optional<platform::EntryValues>& values,
                         std::int64_t& inaccessible) const {
    const Measurement measurement = measureAllocatedSize(entry, values);
    if (measurement.incomplete) {
        ++inaccessible;
    }
    if (!measurement.rootWasReadable) {
        return std::nullopt;
    }
    return MeasuredEntry{.size = measurement.size, .modifiedAt = values->contentModificationDate};
}

Measurement
ScanEngine::measureAllocatedSize(const std::filesystem::path& root,
                                 const std::optional<platform::EntryValues>& values) const {
    if (!values) {
        return {.size = 0, .incomplete = true, .rootWasReadable = false};
    }
    switch (values->type) {
    case platform::EntryType::regular:
        return {.size = fileSize(*values), .incomplete = false, .rootWasReadable = true};
    case platform::EntryType::directory:
        break;
    case platform::EntryType::symbolicLink:
    case platform::EntryType::other:
        return {.size = 0, .incomplete = false, .rootWasReadable = true};
    }

    // Hidden entries and package contents count like everything else; directories add nothing.
    // A total does not depend on the order of the visits, so large folders share the work.
    struct Partial {
        std::int64_t total = 0;
        bool incomplete = false;
    };
    std::deque<Partial> partials;
    const bool listed =
        walkDirectoryConcurrently(walkRootOf(root), WalkOptions{}, [&](std::size_t) {
            Partial& partial = partials.emplace_back();
            return WalkWorker{
                [&partial](const WalkEntry& entry) {
                    if (entry.type() == platform::EntryType::directory ||
                        entry.type() == platform::EntryType::symbolicLink) {
                        return WalkAction::descend;
                    }
                    if (const auto& entryValues = entry.values(); !entryValues) {
                        partial.incomplete = true;
                    } else if (entryValues->type == platform::EntryType::regular) {
                        partial.total += fileSize(*entryValues);
                    }
                    return WalkAction::descend;
                },
                [&partial](const std::filesystem::path&, int) { partial.incomplete = true; }};
        });
    std::int64_t total = 0;
    bool incomplete = false;
    for (const Partial& partial : partials) {
        total += partial.total;
        incomplete = incomplete || partial.incomplete;
    }
    incomplete = incomplete || !listed || appearsToHideContainerPayload(root, total);
    return {.size = total, .incomplete = incomplete, .rootWasReadable = true};
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

#include "DirectoryWalker.h"
#include "ScanEngine.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace sorvale::engine {
namespace {

// Never listed nor entered by the large-file search, at any depth and whatever their type.
constexpr std::array<std::string_view, 4> kSkippedLargeFileNames{"Library", ".Trash", ".git",
                                                                 "node_modules"};

bool isSkippedLargeFileName(std::string_view name) {
    return std::find(kSkippedLargeFileNames.begin(), kSkippedLargeFileNames.end(), name) !=
           kSkippedLargeFileNames.end();
}

} // namespace

model::ScanSnapshot ScanEngine::scanTopLevel(const std::filesystem::path& root,
                                             model::CleanupCategory category) const {
    if (!platform::fileExists(root)) {
        return {};
    }
    auto entries = listDirectory(root, /*skipHiddenEntries=*/true);
    if (!entries) {
        return {.items = {}, .inaccessibleCount = 1};
    }
    model::ScanSnapshot snapshot;
    // A folder may hold a hundred thousand entries: each listed path becomes its item's location
    // rather than a copy of it, and the list is sized once.
    snapshot.items.reserve(entries->size());
    for (auto& entry : *entries) {
        if (const auto measured =
                measureEntry(entry.location.path(), entry.values, snapshot.inaccessibleCount)) {
            snapshot.items.push_back(
                measuredEntryItem(std::move(entry.location), *measured, category));
        }
    }
    sortBySizeDescending(snapshot.items);
    return snapshot;
}

model::ScanSnapshot ScanEngine::scanLargeFiles(const std::filesystem::path& root,
                                               std::int64_t minimumSize) const {
    if (!platform::fileExists(root)) {
        // The folder the user chose is gone: that is worth saying.
        return {.items = {}, .inaccessibleCount = 1};
    }
    model::ScanSnapshot snapshot;
    walkCounting(
        root, WalkOptions{.skipHiddenEntries = true, .skipPackageContents = true},
        [&](const WalkEntry& entry) {
            if (isSkippedLargeFileName(entry.name())) {
                return WalkAction::skipDescendants;
            }
            if (entry.type() == platform::EntryType::directory ||
                entry.type() == platform::EntryType::symbolicLink) {
                return WalkAction::descend;
            }
            const auto& values = entry.values();
            if (!values) {
                ++snapshot.inaccessibleCount;
                return WalkAction::descend;
            }
            if (values->type != platform::EntryType::regular) {
                return WalkAction::descend;
            }
            if (const std::int64_t size = allocatedSize(*values); size >= minimumSize) {
                snapshot.items.push_back(measuredEntryItem(
                    entry.location(), {.size = size, .modifiedAt = values->contentModificationDate},
                    model::CleanupCategory::largeFiles));
            }
            return WalkAction::descend;
        },
        snapshot.inaccessibleCount);
    sortBySizeDescending(snapshot.items);
    return snapshot;
}

} // namespace sorvale::engine

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "FolderScans.h"

#include "Candidates.h"
#include "DirectoryWalker.h"
#include "ScanProgress.h"
#include "SizeMeasurement.h"

#include <algorithm>
#include <array>
#include <deque>
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

model::ScanSnapshot FolderScans::topLevel(const std::filesystem::path& root,
                                          model::CleanupCategory category) const {
    if (!platform::fileExists(root)) {
        return {};
    }
    auto entries = listDirectory(root, /*skipHiddenEntries=*/true);
    if (!entries) {
        return {.items = {}, .inaccessibleCount = 1};
    }
    model::ScanSnapshot snapshot;
    // Every entry that measures becomes an item: each is found as its measurement ends.
    SizeMeasurement::EntryMeasured counting;
    if (ScanProgress* progress = ScanProgress::current()) {
        counting = [progress](std::size_t, std::int64_t) { progress->addFound(1, 0); };
    }
    const auto measured =
        SizeMeasurement(setup_).measureEntries(*entries, snapshot.inaccessibleCount, counting);
    // A folder may hold a hundred thousand entries: each listed location becomes its item's
    // rather than a copy of it, and the list is sized once.
    snapshot.items.reserve(entries->size());
    for (std::size_t index = 0; index < entries->size(); ++index) {
        if (measured[index]) {
            snapshot.items.push_back(measuredEntryItem(std::move((*entries)[index].location),
                                                       *measured[index], category));
        }
    }
    sortBySizeDescending(snapshot.items);
    return snapshot;
}

model::ScanSnapshot FolderScans::largeFiles(const std::filesystem::path& root,
                                            std::int64_t minimumSize) const {
    if (!platform::fileExists(root)) {
        // The folder the user chose is gone: that is worth saying.
        return {.items = {}, .inaccessibleCount = 1, .folderAccess = model::FolderAccess::missing};
    }
    struct Part {
        WalkFindings<model::CleanupItem> found;
        std::int64_t unreadable = 0;
        bool failed = false;
        ProgressTally tally;
    };
    std::deque<Part> parts;
    const bool opened = walkDirectoryConcurrently(
        root, WalkOptions{.skipHiddenEntries = true, .skipPackageContents = true},
        setup_.concurrency, [&](std::size_t) {
            Part& part = parts.emplace_back();
            return WalkWorker{
                [&part, minimumSize](const WalkEntry& entry) {
                    if (isSkippedLargeFileName(entry.name())) {
                        return WalkAction::skipDescendants;
                    }
                    if (entry.type() == platform::EntryType::directory ||
                        entry.type() == platform::EntryType::symbolicLink) {
                        return WalkAction::descend;
                    }
                    const auto& values = entry.values();
                    if (!values) {
                        ++part.unreadable;
                    } else if (values->type == platform::EntryType::regular) {
                        if (const std::int64_t size = allocatedSize(*values); size >= minimumSize) {
                            part.tally.addFound(1, size);
                            part.found.add(
                                entry,
                                measuredEntryItem(
                                    entry.location(),
                                    {.size = size, .modifiedAt = values->contentModificationDate},
                                    model::CleanupCategory::largeFiles));
                        }
                    }
                    return WalkAction::descend;
                },
                [&part](const std::filesystem::path&, int) { part.failed = true; }};
        });
    if (!opened) {
        return {
            .items = {}, .inaccessibleCount = 1, .folderAccess = model::FolderAccess::unreadable};
    }
    std::deque<WalkFindings<model::CleanupItem>> found;
    model::ScanSnapshot snapshot;
    bool failed = false;
    for (Part& part : parts) {
        found.push_back(std::move(part.found));
        snapshot.inaccessibleCount += part.unreadable;
        failed = failed || part.failed;
    }
    snapshot.inaccessibleCount += failed ? 1 : 0;
    snapshot.items = WalkFindings<model::CleanupItem>::inWalkOrder(found);
    sortBySizeDescending(snapshot.items);
    return snapshot;
}

} // namespace sorvale::engine

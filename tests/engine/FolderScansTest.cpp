// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/DirectoryWalker.h"
#include "engine/ScanEngine.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;

std::vector<std::string> names(const model::ScanSnapshot& snapshot) {
    std::vector<std::string> result;
    for (const auto& item : snapshot.items) {
        result.push_back(item.name);
    }
    return result;
}

struct SnapshotSummary {
    std::size_t items;
    std::int64_t inaccessibleCount;
    model::FolderAccess folderAccess;
};

SnapshotSummary summary(const model::ScanSnapshot& snapshot) {
    return {snapshot.items.size(), snapshot.inaccessibleCount, snapshot.folderAccess};
}

// The item a scan makes of one entry, with nothing selected and nothing related.
model::CleanupItem item(const fs::path& path, std::int64_t size, CleanupCategory category) {
    return {.id = path,
            .url = path,
            .name = path.filename(),
            .size = size,
            .category = category,
            .isSelected = false,
            .modifiedAt = platform::readEntryValues(path)->contentModificationDate,
            .relatedFiles = {},
            .operation = model::CleanupOperation::moveToTrash(),
            .owner = {},
            .icon = {},
            .nameParts = {}};
}

TEST(TopLevelScan, EveryVisibleEntryBecomesAMeasuredItemLargestFirst) {
    test::TempTree tree;
    tree.file("Downloads/folder/one.bin", 300'000);
    tree.file("Downloads/folder/two.bin", 300'000);
    const auto file = tree.file("Downloads/file.zip", 100'000);
    tree.file("Downloads/empty.txt");
    tree.file("Downloads/.DS_Store", 6000);
    tree.symlink("Downloads/shortcut", tree / "Downloads/folder");

    const auto snapshot = ScanEngine().scanTopLevel(tree / "Downloads", CleanupCategory::downloads);
    EXPECT_EQ(snapshot.inaccessibleCount, 0);
    const auto found = names(snapshot);
    ASSERT_EQ(found.size(), 4U);
    EXPECT_EQ(found[0], "folder");
    EXPECT_EQ(found[1], "file.zip");
    // The empty file and the link measure 0 and come last, in listing order.
    EXPECT_EQ(std::set(found.begin() + 2, found.end()),
              (std::set<std::string>{"empty.txt", "shortcut"}));
    EXPECT_EQ(snapshot.items[1],
              item(file, test::allocatedBytes(file), CleanupCategory::downloads));
    EXPECT_EQ(snapshot.items[0].size, test::allocatedBytes(tree / "Downloads/folder/one.bin") * 2);
    EXPECT_EQ(snapshot.items[2].size, 0);
}

TEST(TopLevelScan, ItemsOfEqualSizeKeepTheirListingOrder) {
    test::TempTree tree;
    for (const char* name : {"q", "w", "e", "r", "t", "y"}) {
        tree.file(fs::path("Trash") / name, 4096);
    }
    tree.file("Trash/largest", 40960);
    const auto listed = listDirectory(tree / "Trash", true);
    ASSERT_TRUE(listed);
    std::vector<std::string> expected{"largest"};
    for (const auto& entry : *listed) {
        if (entry.location.name() != "largest") {
            expected.emplace_back(entry.location.name());
        }
    }
    EXPECT_EQ(names(ScanEngine().scanTopLevel(tree / "Trash", CleanupCategory::trash)), expected);
}

TEST(TopLevelScan, MissingAndUnreadableFoldersAreTheOnlyFailures) {
    test::TempTree tree;
    EXPECT_EQ(summary(ScanEngine().scanTopLevel(tree / "Downloads", CleanupCategory::downloads))
                  .inaccessibleCount,
              0);
    tree.file("locked/file.txt");
    tree.makeInaccessible("locked");
    tree.file("partial/readable.txt", 100);
    tree.file("partial/folder/locked/inside.txt", 100);
    tree.makeInaccessible("partial/folder/locked");
    struct Outcome {
        SnapshotSummary locked;
        SnapshotSummary partial;
    };
    const auto outcome = test::runUnprivileged<Outcome>([&] {
        const ScanEngine engine;
        return Outcome{summary(engine.scanTopLevel(tree / "locked", CleanupCategory::trash)),
                       summary(engine.scanTopLevel(tree / "partial", CleanupCategory::trash))};
    });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->locked.items, 0U);
    EXPECT_EQ(outcome->locked.inaccessibleCount, 1);
    EXPECT_EQ(outcome->partial.items, 2U) << "an incomplete entry is still listed";
    EXPECT_EQ(outcome->partial.inaccessibleCount, 1);
}

class LargeFileScan : public ::testing::Test {
protected:
    // A file that allocates `bytes`, of which the test can be sure.
    fs::path large(const fs::path& relative, std::size_t bytes = kLarge) {
        const auto path = tree.file(relative, bytes);
        EXPECT_EQ(test::allocatedBytes(path), static_cast<std::int64_t>(bytes));
        return path;
    }

    static constexpr std::size_t kLarge = 64 * 4096;
    test::TempTree tree;
    ScanEngine engine;
};

TEST_F(LargeFileScan, TheThresholdIsInclusiveAndCountsAllocatedBytes) {
    const auto exact = large("exact.bin");
    large("smaller.bin", kLarge - 4096);
    tree.sparseFile("sparse.img", 100 * kLarge);
    const auto snapshot = engine.scanLargeFiles(tree.root(), kLarge);
    EXPECT_EQ(snapshot.items, std::vector{item(exact, static_cast<std::int64_t>(kLarge),
                                               CleanupCategory::largeFiles)});
    EXPECT_EQ(names(engine.scanLargeFiles(tree.root(), kLarge + 1)), std::vector<std::string>{});
    EXPECT_EQ(engine.scanLargeFiles(tree.root(), 0).items.size(), 3U);
}

TEST_F(LargeFileScan, SkippedNamesHiddenEntriesPackagesAndLinksAreNotListed) {
    large("project/node_modules/dep/blob.bin");
    large("deep/a/b/Library/cache.bin");
    large("deep/Library");
    large("repo/.git/objects/pack.bin");
    large(".hidden/video.mov");
    large("Big.app/Contents/Resources/data.bin");
    const auto target = large("movies/film.mov", 2 * kLarge);
    tree.symlink("film-link.mov", target);
    tree.symlink("movies-link", tree / "movies");
    const auto snapshot = engine.scanLargeFiles(tree.root(), kLarge);
    EXPECT_EQ(names(snapshot), std::vector<std::string>{"film.mov"});
    EXPECT_EQ(snapshot.items.front().url, target);
    EXPECT_EQ(snapshot.inaccessibleCount, 0);
}

TEST_F(LargeFileScan, UnreadableFoldersCountOnceTogetherAndAMissingOrLockedRootIsSaidSo) {
    large("readable/film.mov");
    large("locked-a/film.mov");
    large("locked-b/film.mov");
    tree.makeInaccessible("locked-a");
    tree.makeInaccessible("locked-b");
    struct Outcome {
        SnapshotSummary whole;
        SnapshotSummary lockedRoot;
    };
    const auto outcome = test::runUnprivileged<Outcome>([&] {
        return Outcome{summary(engine.scanLargeFiles(tree.root(), kLarge)),
                       summary(engine.scanLargeFiles(tree / "locked-a", 0))};
    });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->whole.items, 1U);
    EXPECT_EQ(outcome->whole.inaccessibleCount, 1);
    // Locked folders below the root leave the root itself searched.
    EXPECT_EQ(outcome->whole.folderAccess, model::FolderAccess::opened);
    EXPECT_EQ(outcome->lockedRoot.items, 0U);
    EXPECT_EQ(outcome->lockedRoot.folderAccess, model::FolderAccess::unreadable);
    const auto missing = engine.scanLargeFiles(tree / "missing", 0);
    EXPECT_TRUE(missing.items.empty());
    EXPECT_EQ(missing.inaccessibleCount, 1);
    EXPECT_EQ(missing.folderAccess, model::FolderAccess::missing);
}

} // namespace
} // namespace sorvale::engine

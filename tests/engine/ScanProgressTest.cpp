// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/ScanProgress.h"

#include "engine/ScanEngine.h"
#include "platform/EntryValues.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;

std::int64_t totalSize(const model::ScanSnapshot& snapshot) {
    std::int64_t total = 0;
    for (const auto& item : snapshot.items) {
        total += item.size;
    }
    return total;
}

// A folder of 40 folders of 30 small files each, and two large files: enough folders for every
// thread of a concurrent walk to take some.
class ScanProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int folder = 0; folder < 40; ++folder) {
            for (int file = 0; file < 30; ++file) {
                tree.file("Movies/f" + std::to_string(folder) + "/" + std::to_string(file), 10);
            }
        }
        tree.allocatedFile("Movies/f3/large.mov", 1'000'000);
        tree.allocatedFile("Movies/big.mov", 2'000'000);
    }
    // Every entry the walk lists: the root's 40 folders and big.mov, 30 files in each folder,
    // and large.mov.
    static constexpr std::int64_t kEntries = 40 + 1 + 40 * 30 + 1;

    test::TempTree tree;
    ScanEngine engine{"/", model::HomeLayout::macos,
                      WalkConcurrency{.threads = 4, .entriesBeforeSharing = 0}};
};

TEST_F(ScanProgressTest, ItCountsEveryThreadsEntriesAndWhatWasFoundAndNamesAFolderBeingRead) {
    ScanProgress progress;
    model::ScanSnapshot snapshot;
    {
        const ScanProgress::Scope scope(&progress);
        snapshot = engine.scanLargeFiles(tree / "Movies", 1'000'000);
    }
    ASSERT_EQ(snapshot.items.size(), 2U);
    EXPECT_EQ(progress.figures(), (ScanProgress::Figures{kEntries, 2, totalSize(snapshot)}));
    const auto folder = progress.takeFolder();
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->rfind((tree / "Movies").native(), 0), 0U) << *folder;
    EXPECT_FALSE(progress.takeFolder()) << "no walk has read a folder since";

    // A top-level scan finds what it measures: its items and every byte inside them.
    ScanProgress measured;
    {
        const ScanProgress::Scope scope(&measured);
        snapshot = engine.scanTopLevel(tree / "Movies", CleanupCategory::downloads);
    }
    EXPECT_EQ(measured.figures().items, 41);
    EXPECT_EQ(measured.figures().bytes, totalSize(snapshot));
    EXPECT_EQ(measured.figures().entries, kEntries) << "the root listed, then its folders walked";

    // Outside a scope nothing is counted, and the scope ended with the block.
    EXPECT_EQ(ScanProgress::current(), nullptr);
    const ScanProgress::Figures before = measured.figures();
    (void)engine.scanLargeFiles(tree / "Movies", 1);
    EXPECT_EQ(measured.figures(), before);
}

TEST_F(ScanProgressTest, AStoppedScanReadsNoFurtherThanTheFolderItHadOpened) {
    ScanProgress progress;
    progress.stop();
    const ScanProgress::Scope scope(&progress);
    const auto snapshot = engine.scanLargeFiles(tree / "Movies", 1);
    EXPECT_TRUE(snapshot.items.empty());
    EXPECT_EQ(progress.figures(), (ScanProgress::Figures{41, 0, 0}))
        << "only the first folder was listed";
}

} // namespace
} // namespace sorvale::engine

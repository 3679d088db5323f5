// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/ScanEngine.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;

TEST(SizeMeasurement, AFolderCountsTheBlocksOfEveryFileReachedWithoutFollowingLinks) {
    test::TempTree tree;
    const auto big = tree.file("elsewhere/big.bin", 1 << 20);
    tree.file("elsewhere/folder/more.bin", 1 << 20);
    const auto small = tree.file("measured/small.txt", 10);
    const auto hidden = tree.file("measured/.hidden", 5000);
    const auto inBundle = tree.file("measured/Tool.app/Contents/MacOS/Tool", 20000);
    tree.file("measured/empty");
    tree.hardLink("measured/second-name", small);
    tree.symlink("measured/link-to-big", big);
    tree.symlink("measured/link-to-folder", tree / "elsewhere/folder");
    tree.symlink("measured/dangling", tree / "nothing");
    ASSERT_EQ(::mkfifo((tree / "measured/pipe").c_str(), 0644), 0);

    const Measurement measurement = ScanEngine().measureAllocatedSize(tree / "measured");
    const std::int64_t expected = 2 * test::allocatedBytes(small) + test::allocatedBytes(hidden) +
                                  test::allocatedBytes(inBundle);
    EXPECT_EQ(measurement,
              (Measurement{.size = expected, .incomplete = false, .rootWasReadable = true}));
}

TEST(SizeMeasurement, TheRootItselfDecidesHowItIsMeasured) {
    test::TempTree tree;
    const auto file = tree.file("file.bin", 10);
    const auto sparse = tree.sparseFile("sparse.img", 1'000'000'000);
    const auto link = tree.symlink("link", file);
    const ScanEngine engine;
    EXPECT_EQ(engine.measureAllocatedSize(file).size, test::allocatedBytes(file));
    EXPECT_EQ(engine.measureAllocatedSize(sparse).size, test::allocatedBytes(sparse));
    EXPECT_EQ(engine.measureAllocatedSize(link), (Measurement{0, false, true}));
    EXPECT_EQ(engine.measureAllocatedSize(tree / "missing"), (Measurement{0, true, false}));
}

TEST(SizeMeasurement, UnreadablePlacesLeaveThePartialSizeAndMarkItIncomplete) {
    test::TempTree tree;
    const auto readable = tree.file("folder/readable.bin", 8192);
    tree.file("folder/locked/inside.bin", 8192);
    tree.makeInaccessible("folder/locked");
    tree.file("locked-root/inside.bin", 8192);
    tree.makeInaccessible("locked-root");
    struct Outcome {
        Measurement folder;
        Measurement lockedRoot;
    };
    const auto outcome = test::runUnprivileged<Outcome>([&] {
        const ScanEngine engine;
        return Outcome{engine.measureAllocatedSize(tree / "folder"),
                       engine.measureAllocatedSize(tree / "locked-root")};
    });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->folder, (Measurement{test::allocatedBytes(readable), true, true}));
    EXPECT_EQ(outcome->lockedRoot, (Measurement{0, true, true}));
}

class HiddenContainerPayload : public ::testing::Test {
protected:
    // A container of <home>/Library/Containers holding exactly `bytes` allocated bytes.
    fs::path container(const std::string& id, std::size_t bytes) {
        const fs::path relative = "home/Library/Containers/" + id;
        tree.folder(relative / "Data/Library");
        const auto payload = tree.file(relative / "Data/payload.bin", bytes);
        EXPECT_EQ(test::allocatedBytes(payload), static_cast<std::int64_t>(bytes))
            << "the test expects a file system with 4 KB blocks";
        return tree / relative;
    }

    test::TempTree tree;
    ScanEngine engine;
};

TEST_F(HiddenContainerPayload, ANearlyEmptyContainerIsIncompleteWithoutFullDiskAccess) {
    const auto small = container("com.example.small", 98'304);
    const auto large = container("com.example.large", 131'072);
    EXPECT_EQ(engine.measureAllocatedSize(small), (Measurement{98'304, true, true}));
    EXPECT_TRUE(engine.measureAllocatedSize(small.native() + "/").incomplete);
    EXPECT_EQ(engine.measureAllocatedSize(large), (Measurement{131'072, false, true}));
}

TEST_F(HiddenContainerPayload, OnlyAContainerWithAHiddenLibraryAndNoAccessIsSuspected) {
    const auto small = container("com.example.small", 98'304);
    fs::remove(small / "Data/Library");
    EXPECT_FALSE(engine.measureAllocatedSize(small).incomplete);
    fs::create_directory(small / "Data/Library");
    tree.folder("home/Library/Mail");
    EXPECT_FALSE(engine.measureAllocatedSize(small).incomplete) << "access was granted";

    tree.folder("elsewhere/com.example/Data/Library");
    EXPECT_FALSE(engine.measureAllocatedSize(tree / "elsewhere/com.example").incomplete);
}

TEST(FullDiskAccessProbe, TheFirstProtectedFolderThatCanBeListedGrantsAccess) {
    test::TempTree tree;
    const ScanEngine engine;
    tree.folder("bare");
    EXPECT_FALSE(engine.hasFullDiskAccess(tree / "bare"));
    tree.file("messages/Library/Messages/chat.db");
    EXPECT_TRUE(engine.hasFullDiskAccess(tree / "messages"));

    tree.folder("locked/Library/Safari");
    tree.makeInaccessible("locked/Library/Safari");
    tree.folder("later/Library/Safari");
    tree.makeInaccessible("later/Library/Safari");
    tree.folder("later/Library/Application Support/AddressBook");
    struct Outcome {
        bool lockedOnly;
        bool lockedThenReadable;
    };
    const auto outcome = test::runUnprivileged<Outcome>([&] {
        return Outcome{engine.hasFullDiskAccess(tree / "locked"),
                       engine.hasFullDiskAccess(tree / "later")};
    });
    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->lockedOnly);
    EXPECT_TRUE(outcome->lockedThenReadable);
}

} // namespace
} // namespace sorvale::engine

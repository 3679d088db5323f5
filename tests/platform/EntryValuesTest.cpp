#include "platform/EntryValues.h"

#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace sorvale::platform {
namespace {

TEST(EntryValues, AllocatedAndLogicalSizesComeFromTheFileSystem) {
    test::TempTree tree;
    const auto file = tree.file("data.bin", 10);
    const auto values = readEntryValues(file);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->type, EntryType::regular);
    EXPECT_EQ(values->fileSize, 10);
    EXPECT_EQ(values->totalFileSize, 10);
    EXPECT_EQ(values->fileAllocatedSize, test::allocatedBytes(file));
    EXPECT_EQ(values->totalFileAllocatedSize, test::allocatedBytes(file));
    EXPECT_TRUE(values->contentModificationDate);
}

TEST(EntryValues, ASparseFileAllocatesFarLessThanItsLength) {
    test::TempTree tree;
    const auto values = readEntryValues(tree.sparseFile("sparse.img", 1'000'000'000));
    ASSERT_TRUE(values);
    EXPECT_EQ(values->fileSize, 1'000'000'000);
    EXPECT_LT(*values->fileAllocatedSize, 1'000'000);
}

TEST(EntryValues, LinksAreDescribedNotFollowed) {
    test::TempTree tree;
    tree.folder("target");
    const auto link = tree.symlink("link", tree / "target");
    EXPECT_EQ(readEntryValues(link)->type, EntryType::symbolicLink);
    EXPECT_TRUE(fileExists(link));
    const auto dangling = tree.symlink("dangling", tree / "missing");
    EXPECT_TRUE(readEntryValues(dangling));
    EXPECT_FALSE(fileExists(dangling));
    EXPECT_FALSE(readEntryValues(tree / "missing"));
}

} // namespace
} // namespace sorvale::platform

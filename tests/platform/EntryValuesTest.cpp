// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
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

} // namespace
} // namespace sorvale::platform

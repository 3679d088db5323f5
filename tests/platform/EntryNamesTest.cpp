// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "platform/EntryNames.h"

#include <gtest/gtest.h>

namespace sorvale::platform {
namespace {

TEST(EntryNames, PackagesAreRecognisedByTheirLastExtensionWhateverItsCase) {
    EXPECT_TRUE(isPackageFolderName("Foo.APP"));
    EXPECT_TRUE(isPackageFolderName("Display.prefPane"));
    EXPECT_FALSE(isPackageFolderName(".app"));
    EXPECT_FALSE(isPackageFolderName("Foo.app.zip"));
    EXPECT_FALSE(isPackageFolderName("Caches"));
}

} // namespace
} // namespace sorvale::platform

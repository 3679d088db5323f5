#include "platform/EntryNames.h"

#include <gtest/gtest.h>

namespace sorvale::platform {
namespace {

TEST(EntryNames, OnlyNamesStartingWithADotAreHidden) {
    EXPECT_TRUE(isHiddenName(".DS_Store"));
    EXPECT_TRUE(isHiddenName(".Trash"));
    EXPECT_FALSE(isHiddenName("notes.txt"));
    EXPECT_FALSE(isHiddenName(""));
}

TEST(EntryNames, PackagesAreRecognisedByExtensionWhateverItsCase) {
    EXPECT_TRUE(isPackageFolderName("Safari.app"));
    EXPECT_TRUE(isPackageFolderName("Foo.APP"));
    EXPECT_TRUE(isPackageFolderName("Sparkle.framework"));
    EXPECT_TRUE(isPackageFolderName("Screen.saver"));
    EXPECT_TRUE(isPackageFolderName("Display.prefPane"));
    EXPECT_FALSE(isPackageFolderName(".app"));
    EXPECT_FALSE(isPackageFolderName("app"));
    EXPECT_FALSE(isPackageFolderName("Foo.app.zip"));
    EXPECT_FALSE(isPackageFolderName("Caches"));
}

} // namespace
} // namespace sorvale::platform

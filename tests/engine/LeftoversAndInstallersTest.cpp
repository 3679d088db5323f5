// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/ScanEngine.h"
#include "support/BundleFixtures.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;

std::vector<std::string> names(const std::vector<model::CleanupItem>& items) {
    std::vector<std::string> result;
    for (const auto& item : items) {
        result.push_back(item.name);
    }
    std::sort(result.begin(), result.end());
    return result;
}

// A home whose Library holds entries of software installed or not, as the application scan
// judges them.
class Leftovers : public ::testing::Test {
protected:
    fs::path entry(const fs::path& relative, int daysOld, std::size_t bytes = 4096) {
        const auto path = tree.file(library / relative, bytes);
        tree.age(path, daysOld);
        const fs::path top = library / *relative.begin() / *std::next(relative.begin());
        tree.age(top, daysOld);
        return top;
    }
    void install(const std::string& identifier) {
        test::bundle(tree, "root/Applications/App " + identifier + ".app", identifier);
    }
    std::vector<model::CleanupItem> leftovers() {
        const auto snapshot =
            ScanEngine(tree / "root", model::HomeLayout::macos).scanApplications(tree / "home");
        inaccessible = snapshot.inaccessibleCount;
        auto items = snapshot.items;
        std::erase_if(items, [](const model::CleanupItem& item) {
            return item.category != CleanupCategory::appLeftovers;
        });
        return items;
    }

    test::TempTree tree;
    fs::path library = tree / "home/Library";
    std::int64_t inaccessible = 0;
};

TEST_F(Leftovers, NamesStandForIdentifiersOfThreeOrMoreCleanPieces) {
    install("com.owner.app.helper");
    install("com.\xC3\xA9xemple.owned");
    // Launch agents are nobody's support files: only the identifiers their names stand for decide.
    for (const char* name :
         {"com.owner.app.cache.plist", "Com.Owner.App.savedState", "group.com.owner.app",
          "com.\xC3\x89XEMPLE.owned", "com.\xC3\x89XEMPLE.caf\xC3\xA9_2", "com..foo.bar",
          "group.com.gone", "com.gone", "com.foo bar.app", "com.foo.b@r", "com.foo.b\xFFr"}) {
        entry(fs::path("LaunchAgents") / name, 30);
    }
    EXPECT_EQ(names(leftovers()),
              (std::vector<std::string>{"com..foo.bar", "com.\xC3\x89XEMPLE.caf\xC3\xA9_2"}));
}

TEST_F(Leftovers, OnlyOldEntriesOrContainersOfSoftwareNoLongerInstalledAreProposed) {
    entry("Preferences/com.old.app.plist", 15);
    entry("Preferences/com.recent.app.plist", 13);
    entry("Caches/com.old.app/x", 15);
    entry("Containers/com.fresh.app/x", 0);
    entry("Group Containers/group.com.fresh.shared/x", 0);
    entry("Group Containers/group.com.apple.notes/x", 30);
    entry("Caches/com.apple.Safari/x", 30);
    entry("Caches/org.freedesktop.cache/x", 30);
    entry("LaunchAgents/com.foo.suite.agent.plist", 30);
    entry("Containers/com.foo.suite/x", 30);
    entry("Caches/vendor/x", 30);
    entry("Caches/com.foo bar.app/x", 30);
    entry("Caches/com.empty.app", 30, 0);
    entry("Caches/com.claimed.app/x", 30);
    tree.symlink(library / "Containers/com.link.app", tree / "home");
    install("com.foo.suite.editor");
    install("com.foo.suite.agent");
    // Its name makes Caches/com.claimed.app its support file.
    test::bundle(tree, "root/Applications/com.claimed.app.app", std::nullopt);

    const auto found = leftovers();
    EXPECT_EQ(names(found),
              (std::vector<std::string>{"com.fresh.app", "com.old.app", "com.old.app.plist",
                                        "group.com.fresh.shared"}));
    for (const auto& item : found) {
        EXPECT_TRUE(item.modifiedAt);
    }
    EXPECT_EQ(inaccessible, 0);
    // Shorter installed identifiers own every longer one below them.
    install("com.fresh");
    install("com.old");
    install("com.foo");
    EXPECT_EQ(names(leftovers()), std::vector<std::string>{});
}

TEST(Installers, DiskImagesAndPackagesAreFoundThreeLevelsDeepOutsideBundles) {
    test::TempTree tree;
    for (const char* file : {"Downloads/a/b/setup.DMG", "Downloads/a/b/c/deep.dmg",
                             "Downloads/Tool.app/Contents/inner.pkg", "Downloads/notes.txt",
                             "Desktop/Tool.iso", "Downloads/.hidden/x.dmg"}) {
        tree.file(fs::path("home") / file, 4096);
    }
    tree.file("home/Downloads/empty.xip");
    tree.file("home/Downloads/Bundle.pkg/Contents/Archive.pax", 4096);
    const auto found =
        ScanEngine(tree / "root", model::HomeLayout::macos).scanApplications(tree / "home");
    EXPECT_EQ(names(found.items),
              (std::vector<std::string>{"Bundle.pkg", "Tool.iso", "setup.DMG"}));
    for (const auto& item : found.items) {
        EXPECT_EQ(item.category, CleanupCategory::installers);
    }
    EXPECT_EQ(found.inaccessibleCount, 0);
}

} // namespace
} // namespace sorvale::engine

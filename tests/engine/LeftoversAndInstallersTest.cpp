#include "engine/ScanEngine.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> names(const std::vector<model::CleanupItem>& items) {
    std::vector<std::string> result;
    for (const auto& item : items) {
        result.push_back(item.name);
    }
    std::sort(result.begin(), result.end());
    return result;
}

TEST(LeftoverIdentifier, NamesBecomeIdentifiersOfThreeOrMoreCleanPieces) {
    EXPECT_EQ(ScanEngine::leftoverIdentifier("com.foo.bar.cache.plist"), "com.foo.bar");
    EXPECT_EQ(ScanEngine::leftoverIdentifier("Com.Foo.Bar.savedState"), "com.foo.bar");
    EXPECT_EQ(ScanEngine::leftoverIdentifier("group.com.foo.bar"), "com.foo.bar");
    EXPECT_EQ(ScanEngine::leftoverIdentifier("com.\xC3\x89XEMPLE.caf\xC3\xA9_2"),
              "com.\xC3\xA9xemple.caf\xC3\xA9_2");
    EXPECT_EQ(ScanEngine::leftoverIdentifier("com..foo.bar"), "com..foo.bar");
    EXPECT_EQ(ScanEngine::leftoverIdentifier("com.foo"), std::nullopt);
    EXPECT_EQ(ScanEngine::leftoverIdentifier("group.com.foo"), std::nullopt);
    EXPECT_EQ(ScanEngine::leftoverIdentifier("com.foo bar.app"), std::nullopt);
    EXPECT_EQ(ScanEngine::leftoverIdentifier("com.foo.b@r"), std::nullopt);
    EXPECT_EQ(ScanEngine::leftoverIdentifier("com.foo.b\xFFr"), std::nullopt);
}

class Leftovers : public ::testing::Test {
protected:
    fs::path entry(const fs::path& relative, int daysOld, std::size_t bytes = 4096) {
        const auto path = tree.file(library / relative, bytes);
        tree.age(path, daysOld);
        const fs::path top = library / *relative.begin() / *std::next(relative.begin());
        tree.age(top, daysOld);
        return top;
    }
    std::vector<model::CleanupItem> discover(const std::set<std::string>& installed,
                                             const std::set<fs::path>& excluding = {}) {
        return engine.discoverLeftovers(tree / "home", installed, excluding, inaccessible);
    }

    test::TempTree tree;
    fs::path library = tree / "home/Library";
    ScanEngine engine;
    std::int64_t inaccessible = 0;
};

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

    const auto found = discover({"com.foo.suite.editor", "com.foo.suite.agent"},
                                {library / "Caches/com.claimed.app"});
    EXPECT_EQ(names(found),
              (std::vector<std::string>{"com.fresh.app", "com.old.app", "com.old.app.plist",
                                        "group.com.fresh.shared"}));
    for (const auto& item : found) {
        EXPECT_EQ(item.category, model::CleanupCategory::appLeftovers);
        EXPECT_TRUE(item.modifiedAt);
    }
    EXPECT_EQ(inaccessible, 0);
    // Shorter installed identifiers own every longer one below them.
    EXPECT_EQ(
        names(discover({"com.fresh", "com.old", "com.foo"}, {library / "Caches/com.claimed.app"})),
        std::vector<std::string>{});
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
    std::int64_t inaccessible = 0;
    const auto found = ScanEngine().discoverInstallers(tree / "home", inaccessible);
    EXPECT_EQ(names(found), (std::vector<std::string>{"Bundle.pkg", "Tool.iso", "setup.DMG"}));
    EXPECT_EQ(found.front().category, model::CleanupCategory::installers);
    EXPECT_EQ(inaccessible, 0);
}

} // namespace
} // namespace sorvale::engine

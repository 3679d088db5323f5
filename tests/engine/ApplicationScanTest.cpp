// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/FinderOrder.h"
#include "engine/ScanEngine.h"
#include "model/Location.h"
#include "support/BundleFixtures.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;

class ApplicationScan : public ::testing::Test {
protected:
    // The items of `category` that scanning `roots` (else the default roots) offers.
    std::vector<model::CleanupItem>
    scanned(CleanupCategory category, const std::optional<std::vector<fs::path>>& roots = {}) {
        auto items = engine.scanApplications(home, roots).items;
        std::erase_if(items,
                      [&](const model::CleanupItem& item) { return item.category != category; });
        return items;
    }

    test::TempTree tree;
    fs::path home = tree / "home";
    fs::path library = home / "Library";
    ScanEngine engine{tree / "root", model::HomeLayout::macos};
};

TEST(FinderOrderTest, NamesCompareCaseInsensitivelyWithNumbersByValueThenByCaseAndBytes) {
    std::vector<std::string> names{"b", "File 10",     "A",    "file 2", "File 2",
                                   "a", "caf\xC3\xA9", "cafe", "bad\xFF"};
    std::stable_sort(names.begin(), names.end(), FinderOrder());
    const std::vector<std::string> expected{"a",           "A",      "b",      "bad\xFF", "cafe",
                                            "caf\xC3\xA9", "file 2", "File 2", "File 10"};
    EXPECT_EQ(names, expected);

    const FinderOrder order;
    std::reverse(names.begin(), names.end());
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        return std::pair(order.sortKey(a), a) < std::pair(order.sortKey(b), b);
    });
    EXPECT_EQ(names, expected) << "the sort keys order names as the comparison does";
}

TEST_F(ApplicationScan, ApplicationsAreFoundOnceAtAnyDepthButNotInsideOtherBundles) {
    for (const char* app : {"Zeta.app", "Utilities/alpha.app", "App 10.app", "App 2.app",
                            "Zeta.app/Contents/Helpers/Inner.app"}) {
        test::bundle(tree, fs::path("root/Applications") / app, std::nullopt);
    }
    test::bundle(tree, "home/Applications/Beta.app", std::nullopt);
    const auto snapshot = engine.scanApplications(
        home, std::vector{tree / "root/Applications", tree / "root/Applications/../Applications/.",
                          home / "Applications", tree / "root/missing"});
    std::vector<std::string> names;
    for (const auto& application : snapshot.items) {
        names.push_back(application.name);
        EXPECT_EQ(application.url.path(), model::standardized(application.url.path()));
    }
    // Zeta holds Inner.app, so it is the largest; the others measure alike and keep the Finder's
    // name order.
    EXPECT_EQ(names, (std::vector<std::string>{"Zeta", "alpha", "App 2", "App 10", "Beta"}));
    EXPECT_EQ(snapshot.inaccessibleCount, 0);
}

TEST_F(ApplicationScan, ABundleOwnsItsOwnItsSignaturesAndItsEmbeddedBundlesIdentifiers) {
    test::bundle(tree, "root/Applications/Suite.app", "Com.Foo.Suite", {"group.com.foo.shared"},
                 {"TEAM.com.foo.keychain"});
    const std::vector<std::pair<const char*, const char*>> embedded{
        {"Contents/PlugIns/Share.appex", "com.foo.share"},
        {"Contents/Library/LoginItems/Login.app", "com.foo.login"},
        {"Contents/XPCServices/Helper.xpc", "com.foo.xpc"},
        {"Contents/Library/SystemExtensions/Net.systemextension", "com.foo.net"},
        {"Contents/Library/QuickLook/Preview.qlgenerator", "com.foo.preview"},
        {"Contents/Frameworks/Kit.framework/Versions/A/Agent.app", "com.foo.agent"},
        {"Contents/Helpers/Tool.app", "com.foo.tool"},
        {"Contents/Library/LaunchServices/Launcher.app", "com.foo.launcher"},
        {"Contents/Resources/Ignored.app", "com.foo.ignored"},
        {"Contents/Frameworks/Kit.framework", "com.foo.kit"}};
    for (const auto& [path, identifier] : embedded) {
        test::bundle(tree, fs::path("root/Applications/Suite.app") / path, identifier);
    }
    // A launch agent is nobody's support file: only the identifiers owned decide.
    for (const char* identifier :
         {"com.foo.suite", "com.foo.shared", "team.com.foo.keychain", "com.foo.share",
          "com.foo.login", "com.foo.xpc", "com.foo.net", "com.foo.preview", "com.foo.agent",
          "com.foo.tool", "com.foo.launcher", "com.foo.ignored", "com.foo.kit"}) {
        tree.age(tree.file(library / "LaunchAgents" / (std::string(identifier) + ".plist"), 10),
                 30);
    }
    std::vector<std::string> leftovers;
    for (const auto& item : scanned(CleanupCategory::appLeftovers)) {
        leftovers.push_back(item.name);
    }
    std::sort(leftovers.begin(), leftovers.end());
    EXPECT_EQ(leftovers, (std::vector<std::string>{"com.foo.ignored.plist", "com.foo.kit.plist"}));
}

TEST_F(ApplicationScan, SupportFilesMatchTheIdentifierExactlyOrAsAPrefixAndTheName) {
    test::bundle(tree, "root/Applications/Foo.app", "com.foo.app");
    for (const char* file :
         {"Caches/com.foo.app/data", "Preferences/COM.FOO.APP.plist",
          "Saved Application State/com.foo.app.savedState/x", "Containers/com.foo.app.agent/x",
          "Containers/com.foo.apps/x", "Group Containers/group.com.foo.app/x", "Logs/Foo/log",
          "Application Support/Foo/x", "WebKit/com.foo.application/x", "Logs/com.foo.app/x"}) {
        tree.file(library / file);
    }
    const auto applications = scanned(CleanupCategory::installedApplications);
    ASSERT_EQ(applications.size(), 1U);
    std::vector<std::string> relative;
    for (const auto& file : applications.front().relatedFiles) {
        relative.push_back(file.path().lexically_relative(library));
    }
    EXPECT_EQ(relative,
              (std::vector<std::string>{
                  "Application Support/Foo", "Caches/com.foo.app", "Containers/com.foo.app.agent",
                  "Group Containers/group.com.foo.app", "Logs/Foo", "Preferences/COM.FOO.APP.plist",
                  "Saved Application State/com.foo.app.savedState"}));

    test::bundle(tree, "root/Unidentified/Foo.app", std::nullopt);
    const auto nameOnly =
        scanned(CleanupCategory::installedApplications, std::vector{tree / "root/Unidentified"});
    ASSERT_EQ(nameOnly.size(), 1U);
    EXPECT_EQ(nameOnly.front().relatedFiles.size(), 2U);

    test::bundle(tree, "root/Escaping/Up.app", "../../Documents");
    test::bundle(tree, "root/Escaping/Down.app", "com.other/Documents");
    tree.file("home/documents/secret.txt");
    tree.file(library / "Caches/com.other/documents/secret.txt");
    const auto escaping =
        scanned(CleanupCategory::installedApplications, std::vector{tree / "root/Escaping"});
    ASSERT_EQ(escaping.size(), 2U);
    for (const auto& application : escaping) {
        EXPECT_TRUE(application.relatedFiles.empty())
            << "an identifier that is not one name never reaches a path: " << application.name;
    }
}

TEST_F(ApplicationScan, ApplicationsCarryTheirSupportFilesThenComeLeftoversAndInstallers) {
    const auto foo = test::bundle(tree, "root/Applications/Foo.app", "com.foo.app");
    tree.file(library / "Caches/com.foo.app/data", 20 * 4096);
    tree.file(library / "Containers/com.foo.app/x", 4096);
    test::bundle(tree, "root/System/Applications/Notes.app", "com.system.notes");
    test::bundle(tree, "home/Library/Application Support/Vendor/Helper.app", "com.vendor.helper");
    tree.file(library / "Containers/com.system.notes/x", 4096);
    tree.file(library / "Containers/com.vendor.helper.agent/x", 4096);
    const auto leftover = tree.file(library / "Containers/com.gone.app/x", 8 * 4096);
    const auto installer = tree.file("home/Downloads/Setup.dmg", 8 * 4096);

    const auto snapshot = engine.scanApplications(home);
    ASSERT_EQ(snapshot.items.size(), 3U);
    const auto& app = snapshot.items[0];
    EXPECT_EQ(app.url, foo);
    EXPECT_EQ(app.name, "Foo");
    EXPECT_EQ(app.category, CleanupCategory::installedApplications);
    EXPECT_EQ(app.operation, model::CleanupOperation::uninstallApplication());
    EXPECT_EQ(app.relatedFiles, (std::vector<model::Location>{library / "Caches/com.foo.app",
                                                              library / "Containers/com.foo.app"}));
    EXPECT_EQ(app.size, engine.measureAllocatedSize(foo).size + 20 * 4096 + 4096);
    EXPECT_EQ(snapshot.items[1].url, leftover.parent_path()) << "equal sizes: leftovers first";
    EXPECT_EQ(snapshot.items[1].category, CleanupCategory::appLeftovers);
    EXPECT_EQ(snapshot.items[2].url, installer);
    EXPECT_EQ(snapshot.items[2].category, CleanupCategory::installers);
    EXPECT_EQ(snapshot.inaccessibleCount, 0);
}

} // namespace
} // namespace sorvale::engine

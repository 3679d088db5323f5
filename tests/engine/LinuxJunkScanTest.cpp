// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/ScanEngine.h"
#include "support/DemoHome.h"
#include "support/LinuxHome.h"
#include "support/LinuxScans.h"
#include "support/RunningProgram.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;
using model::CleanupItem;
using Kind = model::CleanupOperation::Kind;

class LinuxJunkScan : public test::LinuxScans {};

TEST_F(LinuxJunkScan, ADesktopHomeIsOfferedWhatCanBeReclaimedUnderTheCategoryAUserExpects) {
    const test::LinuxHome fixture(tree);
    const model::ScanSnapshot junk = engine.scanJunk(home);

    std::int64_t reclaimable = 0;
    std::int64_t offered = 0;
    for (const auto& place : fixture.reclaimable) {
        const std::int64_t bytes = test::allocatedBelow(tree / place.path);
        reclaimable += bytes;
        const auto items = test::offering(junk.items, tree / place.path);
        if (items.empty()) {
            ADD_FAILURE() << "not offered: " << place.path;
            continue;
        }
        offered += bytes;
        const CleanupItem* item = items.front();
        EXPECT_EQ(item->category, place.category)
            << place.path << " as " << model::rawValue(item->category);
    }
    std::cout << "offered " << offered << " of " << reclaimable << " reclaimable bytes ("
              << 100 * offered / reclaimable << " %)\n";
    EXPECT_GE(offered * 10, reclaimable * 9);

    for (const fs::path& personal : fixture.personal) {
        const auto items = test::offering(junk.items, tree / personal);
        EXPECT_TRUE(items.empty()) << personal << " offered as " << items.front()->url.path();
    }
    for (const CleanupItem& item : junk.items) {
        EXPECT_FALSE(item.isSelected) << item.url.path();
        EXPECT_TRUE(std::any_of(
            fixture.reclaimable.begin(), fixture.reclaimable.end(),
            [&](const auto& place) { return test::isWithin(tree / place.path, item.url.path()); }))
            << "offered beyond what can be reclaimed: " << item.url.path();
    }
    EXPECT_EQ(junk.inaccessibleCount, 0);
}

TEST_F(LinuxJunkScan, SystemStorageIsHandedToItsOwnToolsAndOnlyArchivedOrUnusedPartsCount) {
    const test::LinuxHome fixture(tree);
    std::map<std::string, const CleanupItem*> system;
    const model::ScanSnapshot junk = engine.scanJunk(home);
    for (const CleanupItem& item : junk.items) {
        if (item.operation.isSystemToolOperation()) {
            system[item.name] = &item;
        }
    }
    ASSERT_EQ(system.size(), 5U);
    EXPECT_EQ(system.at("APT package cache")->operation.kind(), Kind::cleanPackageCache);
    EXPECT_EQ(system.at("APT package cache")->size,
              test::allocatedBelow(tree / "root/var/cache/apt"));
    // The active journal files stay: only the three archived ones count.
    const CleanupItem& journal = *system.at("Archived journal files");
    EXPECT_EQ(journal.operation.kind(), Kind::vacuumJournal);
    const fs::path archived = "root/var/log/journal/0123456789abcdef0123456789abcdef";
    EXPECT_EQ(journal.size, test::allocatedBelow(tree / "root/var/log/journal") -
                                test::allocatedBelow(tree / archived / "system.journal") -
                                test::allocatedBelow(tree / archived / "user-1000.journal"));
    EXPECT_EQ(system.at("_usr_bin_gedit.1000.crash")->operation.kind(), Kind::deleteCrashReport);
    // Used by an application, an extension of a runtime in use, a theme of its extension point,
    // and pinned: only the old platform is unused.
    const CleanupItem& runtimes = *system.at("Unused Flatpak runtimes (system-wide)");
    EXPECT_EQ(runtimes.operation, model::CleanupOperation::removeUnusedRuntimes("system"));
    ASSERT_EQ(runtimes.relatedFiles.size(), 1U);
    EXPECT_EQ(runtimes.relatedFiles[0].path(),
              tree / "root/var/lib/flatpak/runtime/org.gnome.Platform/x86_64/44");
    EXPECT_EQ(runtimes.size, test::allocatedBelow(runtimes.relatedFiles[0].path()));
    EXPECT_EQ(system.at("firefox revision 4100")->operation,
              model::CleanupOperation::removeSnapRevision("firefox/4100"));
}

TEST_F(LinuxJunkScan, NamesAreClassifiedByWholeNamesAndSettingsCachesOnlyWhereProfilesKeepThem) {
    for (const char* name :
         {"mozilla", "google-chrome", "BraveSoftware", "vivaldi", "chromium", "pip", "JetBrains",
          "go-build", "ccache", "node-gyp", "ms-playwright", "huggingface", "thumbnails",
          "fontconfig", "archive", "operator", "pipeline"}) {
        tree.file(fs::path("home/.cache") / name / "a", 4096);
    }
    for (const char* place :
         {"vivaldi/Default/GPUCache/a", "Electron App/Cache/a", "Electron App/logs/a",
          "Electron App/Profile 2/Service Worker/ScriptCache/a",
          "Electron App/Service Worker/Database/a", "Electron App/User/logs/a",
          "Electron App/a/b/Cache/a", "Electron App/Cache.old/a"}) {
        tree.file(fs::path("home/.config") / place, 4096);
    }
    tree.file("home/.var/app/com.brave.Browser/cache/a", 4096);
    tree.file("home/.var/app/org.gnome.Maps/cache/a", 4096);
    tree.file("home/snap/chromium/common/.cache/a", 4096);
    tree.symlink("home/.config/Linked App", tree / "home/.cache/pip");
    tree.folder("home/.config/Linked Profile");
    tree.symlink("home/.config/Linked Profile/Cache", tree / "home/.cache/pip");

    std::map<std::string, std::string> categories;
    for (const CleanupItem& item : engine.scanJunk(home).items) {
        categories[item.name] = model::rawValue(item.category);
    }
    const std::map<std::string, std::string> expected{
        {"mozilla", "browserCaches"},
        {"google-chrome", "browserCaches"},
        {"BraveSoftware", "browserCaches"},
        {"vivaldi", "browserCaches"},
        {"chromium", "browserCaches"},
        {"pip", "developerCaches"},
        {"JetBrains", "developerCaches"},
        {"go-build", "developerCaches"},
        {"ccache", "developerCaches"},
        {"node-gyp", "developerCaches"},
        {"ms-playwright", "developerCaches"},
        {"huggingface", "developerCaches"},
        {"thumbnails", "thumbnails"},
        // Names are compared whole: "archive" is no Arc and "operator" no Opera.
        {"fontconfig", "userCaches"},
        {"archive", "userCaches"},
        {"operator", "userCaches"},
        {"pipeline", "userCaches"},
        {"vivaldi \u2014 Default/GPUCache", "browserCaches"},
        {"Electron App \u2014 Cache", "applicationCaches"},
        {"Electron App \u2014 logs", "logs"},
        {"Electron App \u2014 Profile 2/Service Worker/ScriptCache", "applicationCaches"},
        {"Brave cache", "browserCaches"},
        {"Maps cache", "applicationCaches"},
        {"Chromium cache", "browserCaches"},
    };
    EXPECT_EQ(categories, expected);
}

TEST_F(LinuxJunkScan, ACacheWhoseApplicationRunsIsMarkedWithTheApplicationsName) {
    tree.file("home/.cache/mozilla/firefox/x/cache2/a", 4096);
    tree.file("home/.cache/pip/http/a", 4096);
    tree.file("home/.config/Code/GPUCache/a", 4096);
    // A memory file system may refuse to run programs.
    const test::TempTree programs;
    const test::RunningProgram firefox(programs / "bin/firefox-esr");
    const test::RunningProgram code(programs / "usr/share/code/code");

    std::map<std::string, std::pair<std::string, bool>> owners;
    for (const CleanupItem& item : engine.scanJunk(home).items) {
        ASSERT_TRUE(item.owner) << item.name;
        owners[item.name] = {item.owner->name, item.owner->runningAtScan};
    }
    EXPECT_EQ(owners, (std::map<std::string, std::pair<std::string, bool>>{
                          {"mozilla", {"Firefox", true}},
                          {"pip", {"pip", false}},
                          {"Code \u2014 GPUCache", {"Visual Studio Code", true}},
                      }));
}

TEST_F(LinuxJunkScan, EachLayoutReadsOnlyItsOwnPlacesOfTheOtherKindOfHome) {
    {
        test::TempTree macos{test::memoryFolder(test::kLinuxHomeRoom)};
        test::FixtureTree macHome(macos / "home");
        test::buildDemoHome(macHome);
        const ScanEngine linux(macos / "root", model::HomeLayout::linuxDesktop);
        for (const CleanupItem& item : linux.scanJunk(macos / "home").items) {
            EXPECT_FALSE(test::isWithin(item.url.path(), macos / "home/Library"))
                << item.url.path();
        }
    }
    const test::LinuxHome fixture(tree);
    const ScanEngine macos(tree / "root", model::HomeLayout::macos);
    for (const CleanupItem& item : macos.scanJunk(home).items) {
        EXPECT_FALSE(item.operation.isSystemToolOperation()) << item.name;
        for (const fs::path& personal : fixture.personal) {
            EXPECT_FALSE(test::isWithin(tree / personal, item.url.path())) << item.url.path();
        }
    }
}

} // namespace
} // namespace sorvale::engine

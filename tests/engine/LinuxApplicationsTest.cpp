// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/DesktopEntry.h"
#include "engine/DpkgDatabase.h"
#include "engine/ScanEngine.h"
#include "support/LinuxHome.h"
#include "support/LinuxScans.h"
#include "support/RunningProgram.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;
using model::CleanupItem;

std::set<fs::path> urlsOf(const std::vector<CleanupItem>& items, CleanupCategory category) {
    std::set<fs::path> urls;
    for (const CleanupItem& item : items) {
        if (item.category == category) {
            urls.insert(item.url.path());
        }
    }
    return urls;
}

class LinuxApplications : public test::LinuxScans {};

TEST_F(LinuxApplications, EachKindOfApplicationIsListedWithItsOwnDataAndNoOtherFiles) {
    const test::LinuxHome fixture(tree);
    const model::ScanSnapshot scan = engine.scanApplications(home);
    EXPECT_EQ(scan.inaccessibleCount, 0);

    std::map<fs::path, const CleanupItem*> listed;
    for (const CleanupItem& item : scan.items) {
        EXPECT_FALSE(item.isSelected);
        if (item.category == CleanupCategory::installedApplications) {
            listed[item.url.path()] = &item;
        }
    }
    ASSERT_EQ(listed.size(), fixture.applications.size());
    for (const auto& expected : fixture.applications) {
        const auto found = listed.find(tree / expected.url);
        ASSERT_NE(found, listed.end()) << "not listed: " << expected.url;
        const CleanupItem& item = *found->second;
        EXPECT_EQ(item.name, expected.name);
        EXPECT_EQ(item.operation, expected.operation) << item.name;
        EXPECT_EQ(item.icon.path(), expected.icon.empty() ? fs::path() : tree / expected.icon)
            << item.name;
        std::vector<fs::path> related;
        for (const model::Location& file : item.relatedFiles) {
            related.push_back(file.path());
        }
        std::vector<fs::path> support;
        for (const fs::path& file : expected.support) {
            support.push_back(tree / file);
        }
        EXPECT_EQ(related, support) << item.name;
        // The application and all it keeps count into its size.
        std::int64_t size = 0;
        for (const fs::path& file : support) {
            size += test::allocatedBelow(file);
        }
        EXPECT_GT(item.size, size) << item.name;
        ASSERT_TRUE(item.owner) << item.name;
        EXPECT_FALSE(item.owner->runningAtScan) << item.name;
    }
    for (const fs::path& never : fixture.neverApplications) {
        EXPECT_TRUE(test::offering(scan.items, tree / never).empty()) << never;
    }
    for (const CleanupItem& item : scan.items) {
        EXPECT_EQ(item.name.find("Sorvale"), std::string::npos);
    }

    // Applications of the same size keep the name order; the whole list is largest first.
    EXPECT_TRUE(
        std::is_sorted(scan.items.begin(), scan.items.end(),
                       [](const CleanupItem& a, const CleanupItem& b) { return a.size > b.size; }));
}

TEST_F(LinuxApplications, DataOfRemovedSoftwareIsALeftoverAfterTwoWeeksAndInstallersAreFound) {
    const test::LinuxHome fixture(tree);
    const model::ScanSnapshot scan = engine.scanApplications(home);

    std::set<fs::path> leftovers;
    std::set<fs::path> installers;
    for (const auto& place : fixture.reclaimableByApplications) {
        if (place.category == CleanupCategory::appLeftovers) {
            leftovers.insert(tree / place.path);
        } else if (place.category == CleanupCategory::installers) {
            installers.insert(tree / place.path);
        }
    }
    EXPECT_EQ(urlsOf(scan.items, CleanupCategory::appLeftovers), leftovers);
    EXPECT_EQ(urlsOf(scan.items, CleanupCategory::installers), installers);

    // Used again today, a removed Flatpak's data is no leftover until two weeks have passed.
    tree.age("home/.var/app/org.mozilla.firefox", 15);
    leftovers.insert(tree / "home/.var/app/org.mozilla.firefox");
    EXPECT_EQ(urlsOf(engine.scanApplications(home).items, CleanupCategory::appLeftovers),
              leftovers);
}

TEST_F(LinuxApplications, WithTheCatalogueMostOfWhatCanBeReclaimedIsOfferedAndNoPersonalFile) {
    const test::LinuxHome fixture(tree);
    std::vector<CleanupItem> items = engine.scanJunk(home).items;
    const std::vector<CleanupItem> applications = engine.scanApplications(home).items;
    items.insert(items.end(), applications.begin(), applications.end());

    std::vector<test::LinuxHome::Reclaimable> reclaimable = fixture.reclaimable;
    reclaimable.insert(reclaimable.end(), fixture.reclaimableByApplications.begin(),
                       fixture.reclaimableByApplications.end());
    std::int64_t total = 0;
    std::int64_t offered = 0;
    // A place of both lists counts once.
    std::set<fs::path> counted;
    for (const auto& place : reclaimable) {
        if (!counted.insert(place.path).second ||
            std::any_of(reclaimable.begin(), reclaimable.end(), [&](const auto& other) {
                return other.path != place.path && test::isWithin(place.path, other.path);
            })) {
            continue;
        }
        const std::int64_t bytes = test::allocatedBelow(tree / place.path);
        total += bytes;
        if (test::offering(items, tree / place.path).empty()) {
            ADD_FAILURE() << "not offered: " << place.path;
        } else {
            offered += bytes;
        }
    }
    std::cout << "offered " << offered << " of " << total << " reclaimable bytes ("
              << 100 * offered / total << " %)\n";
    EXPECT_GE(offered * 10, total * 9);

    for (const fs::path& personal : fixture.personal) {
        const bool isApplicationData =
            std::any_of(fixture.applicationData.begin(), fixture.applicationData.end(),
                        [&](const fs::path& data) { return test::isWithin(personal, data); });
        for (const CleanupItem* item : test::offering(items, tree / personal)) {
            // An application's own data goes only with it, or once it is gone.
            EXPECT_TRUE(isApplicationData &&
                        (item->category == CleanupCategory::installedApplications ||
                         item->category == CleanupCategory::appLeftovers))
                << personal << " offered by " << item->url.path();
        }
    }
}

TEST_F(LinuxApplications, ARunningApplicationIsMarkedByItsProgramOrItsSandbox) {
    const test::LinuxHome fixture(tree);
    // A memory file system may refuse to run programs.
    const test::TempTree programs;
    const test::RunningProgram vlc(programs / "usr/bin/vlc");
    const test::RunningProgram obsidian(programs / "Obsidian-1.5.3.AppImage");
    std::map<std::string, bool> running;
    for (const CleanupItem& item : engine.scanApplications(home).items) {
        if (item.category == CleanupCategory::installedApplications) {
            running[item.name] = item.owner->runningAtScan;
        }
    }
    EXPECT_TRUE(running["VLC media player"]);
    EXPECT_TRUE(running["Obsidian"]);
    EXPECT_FALSE(running["GNU Image Manipulation Program"]);
    EXPECT_FALSE(running["Maps"]);
}

TEST_F(LinuxApplications, AFlatpakWithoutACurrentBranchAndAPackageNamedLikeAnAppKeepTheirData) {
    const test::LinuxHome fixture(tree);
    // Without "current", the active deployment of its one branch names the application.
    fs::remove(tree / "home/.local/share/flatpak/app/com.spotify.Client/current");
    // A removed package whose folder an installed application claims leaves no leftover: here
    // the Obsidian AppImage declares the identifier "obsidian".
    std::ofstream(tree / "home/.local/share/applications/appimagekit_5e1c2a-Obsidian.desktop")
        << "[Desktop Entry]\nType=Application\nName=Obsidian\nX-AppImage-Identifier=obsidian\n"
           "Exec="
        << (tree / "home/Applications/Obsidian-1.5.3.AppImage").native() << "\n";
    std::ofstream(tree / "root/var/lib/dpkg/status", std::ios::app)
        << "Package: vlc-data\nStatus: deinstall ok config-files\nPriority: optional\n\n"
           "Package: obsidian\nStatus: deinstall ok config-files\nPriority: optional\n\n";
    tree.file("home/.config/obsidian/obsidian.json", 4096);
    tree.file("home/.config/vlc-data/old.conf", 4096);
    for (const char* folder :
         {"home/.config/obsidian", "home/.config/vlc-data", "home/.config/vlc"}) {
        tree.age(folder, 30);
    }

    const auto items = engine.scanApplications(home).items;
    const auto named = [&](std::string_view name) {
        const auto found = std::find_if(items.begin(), items.end(),
                                        [&](const CleanupItem& item) { return item.name == name; });
        return found != items.end() ? &*found : nullptr;
    };
    ASSERT_NE(named("Spotify"), nullptr);
    EXPECT_FALSE(named("Spotify")->icon.empty());
    ASSERT_NE(named("Obsidian"), nullptr);
    EXPECT_EQ(test::offering(items, home / ".config/obsidian"),
              std::vector<const CleanupItem*>{named("Obsidian")});
    const auto leftovers = urlsOf(items, CleanupCategory::appLeftovers);
    EXPECT_TRUE(leftovers.contains(home / ".config/vlc-data"));
    EXPECT_FALSE(leftovers.contains(home / ".config/vlc"));
    EXPECT_FALSE(leftovers.contains(home / ".config/obsidian"));
}

TEST_F(LinuxApplications, OnlyVisibleEntriesOfInstalledOptionalPackagesAndExactNamesCount) {
    // A desktop entry's keys belong to its main group; localised names and actions are not it.
    const auto entry = parseDesktopEntry(
        "# comment\n[Desktop Entry]\nName=Editor\nName[fr]=Éditeur\nExec=\"/opt/My Apps/ed\" "
        "--new %U\nNoDisplay=false\nType=Application\n[Desktop Action x]\nName=Other\n"
        "NoDisplay=true\n");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, "Editor");
    EXPECT_EQ(entry->program(), "/opt/My Apps/ed");
    EXPECT_TRUE(entry->isVisibleApplication());
    EXPECT_FALSE(parseDesktopEntry("[Desktop Action x]\nName=Other\n"));
    EXPECT_FALSE(
        parseDesktopEntry("[Desktop Entry]\nType=Link\nName=Site\n")->isVisibleApplication());

    const auto packages = parseDpkgStatus(
        "Package: libc6\nStatus: install ok installed\nPriority: optional\nArchitecture: amd64\n"
        "Multi-Arch: same\n\nPackage: dash\nEssential: yes\nStatus: install ok installed\n"
        "Priority: optional\n\nPackage: old\nStatus: deinstall ok config-files\n"
        "Description: x\n Package: fake\n");
    ASSERT_EQ(packages.size(), 3U);
    EXPECT_EQ(packages[0].qualifiedName(), "libc6:amd64");
    EXPECT_TRUE(packages[1].isSystemPackage());
    EXPECT_EQ(packages[2].state, "config-files");
    EXPECT_FALSE(packages[2].isInstalled());

    // Names read from files never lead out of the folder they are joined to.
    tree.file("home/.config/evil/x", 4096);
    tree.file("home/.ssh/id_ed25519", 4096);
    tree.file("home/Applications/Tool.AppImage", 4096);
    std::ofstream(tree.file("home/.local/share/applications/tool.desktop"))
        << "[Desktop Entry]\nType=Application\nName=Tool\nX-AppImage-Name=../.ssh\n"
           "Icon=../../../.ssh/id_ed25519\nExec="
        << (tree / "home/Applications/Tool.AppImage").native() << "\n";
    std::ofstream(tree.file("root/usr/share/applications/evil.desktop"))
        << "[Desktop Entry]\nType=Application\nName=..\nIcon=../../../../home/.ssh/id_ed25519\n"
           "Exec=evil\n";
    std::ofstream(tree.file("root/var/lib/dpkg/status"))
        << "Package: evil\nStatus: install ok installed\nPriority: optional\n\n";
    std::ofstream(tree.file("root/var/lib/dpkg/info/evil.list"))
        << "/usr/share/applications/evil.desktop\n/usr/share/applications/../../../home\n";
    const auto items = engine.scanApplications(home).items;
    ASSERT_EQ(items.size(), 2U);
    for (const CleanupItem& item : items) {
        EXPECT_TRUE(item.icon.empty()) << item.name;
        for (const model::Location& file : item.relatedFiles) {
            EXPECT_FALSE(test::isWithin(file.path(), home / ".ssh")) << item.name;
        }
    }
}

} // namespace
} // namespace sorvale::engine

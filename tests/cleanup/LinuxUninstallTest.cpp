// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "cleanup/PackageUninstall.h"
#include "cleanup/Removal.h"
#include "support/LinuxHome.h"
#include "support/RunningProgram.h"
#include "support/TempTree.h"
#include "support/TreeState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace sorvale::cleanup {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;
using model::CleanupItem;
using test::differences;
using test::treeState;
using test::without;

std::vector<std::string> linesOf(const fs::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class LinuxUninstall : public ::testing::Test {
protected:
    void SetUp() override {
        test::unsetBaseFolders();
        // Stand-ins for the package managers: each records how it was run, then does to the
        // fixture what the real one does to a system. APT's simulation removes the package and
        // whatever the fixture says goes with it.
        const std::string log = "log=\"" + (logs / "tools.log").native() + "\"\n";
        const std::string root = "root=\"" + (tree / "root").native() + "\"\n";
        const std::string home = "home=\"" + (tree / "home").native() + "\"\n";
        tree.script("root/usr/bin/pkexec", log + "echo \"pkexec $*\" >> \"$log\"\nexec \"$@\"");
        tree.script(
            "root/usr/bin/flatpak",
            log + root + home +
                "echo \"flatpak $*\" >> \"$log\"\n"
                "if [ \"$3\" = --user ]; then rm -rf \"$home/.local/share/flatpak/app/$4\"\n"
                "else rm -rf \"$root/var/lib/flatpak/app/$4\"; fi");
        tree.script("root/usr/bin/snap",
                    log + root +
                        "echo \"snap $*\" >> \"$log\"\n"
                        "rm -rf \"$root/snap/$2\" \"$root\"/var/lib/snapd/snaps/\"$2\"_*.snap "
                        "\"$root\"/var/lib/snapd/desktop/applications/\"$2\"_*.desktop");
        tree.script("root/usr/bin/apt-get",
                    log + root +
                        "echo \"apt-get $*\" >> \"$log\"\n"
                        "if [ \"$1\" = -s ]; then\n"
                        "  echo 'NOTE: This is only a simulation!'\n"
                        "  echo \"Remv $3 [1.0-1]\"\n"
                        "  cat \"" +
                        (logs / "also-").native() +
                        "$3\" 2>/dev/null\n"
                        "  exit 0\n"
                        "fi\n"
                        "while read -r file; do\n"
                        "  if [ -f \"$root$file\" ]; then rm -f \"$root$file\"; fi\n"
                        "done < \"$root/var/lib/dpkg/info/$3.list\"\n"
                        "rm -f \"$root/var/lib/dpkg/info/$3.list\"");
    }

    // The scan's installed applications by name, each selected.
    std::map<std::string, CleanupItem> applications() const {
        std::map<std::string, CleanupItem> found;
        for (CleanupItem& item : engine.scanApplications(tree / "home").items) {
            if (item.category == CleanupCategory::installedApplications) {
                item.isSelected = true;
                found.emplace(item.name, std::move(item));
            }
        }
        return found;
    }

    test::TempTree tree{test::memoryFolder(400'000'000)};
    test::TempTree logs;
    test::LinuxHome fixture{tree};
    engine::ScanEngine engine{tree / "root", model::HomeLayout::linuxDesktop};
};

TEST_F(LinuxUninstall, EachKindIsRemovedByItsOwnToolAndItsDataGoesToTheTrash) {
    // GIMP's removal would take its data package too: it stays.
    std::ofstream(logs / "also-gimp") << "Remv gimp-data [2.10.34-1]\nRemv libgimp2.0:amd64 [2]\n";
    const auto before = treeState(tree.root());
    std::vector<CleanupItem> items;
    for (auto& [name, item] : applications()) {
        items.push_back(item);
    }
    const RemovalOutcome outcome = removeItems(engine, items, tree / "home", false);
    EXPECT_EQ(outcome.removed, 6);
    EXPECT_EQ(outcome.skipped, 1);
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_EQ(outcome.firstMessage,
              "GNU Image Manipulation Program was left installed: removing it would also remove "
              "gimp-data, libgimp2.0:amd64.");
    EXPECT_FALSE(outcome.needsAppManagementPermission);

    const fs::path root = tree / "root";
    std::vector<std::string> tools = linesOf(logs / "tools.log");
    std::sort(tools.begin(), tools.end());
    EXPECT_EQ(tools, (std::vector<std::string>{
                         "apt-get -s remove gimp",
                         "apt-get -s remove vlc",
                         "apt-get remove --yes vlc",
                         "flatpak uninstall --noninteractive --system org.gnome.Maps",
                         "flatpak uninstall --noninteractive --user com.spotify.Client",
                         "pkexec " + (root / "usr/bin/apt-get").native() + " remove --yes vlc",
                         "pkexec " + (root / "usr/bin/snap").native() + " remove firefox",
                         "snap remove firefox",
                     }));

    // Exactly the applications and their data are gone; GIMP and everything else stayed.
    std::vector<std::string> gone{
        "root/var/lib/flatpak/app/org.gnome.Maps",
        "home/.local/share/flatpak/app/com.spotify.Client",
        "root/snap/firefox",
        "root/var/lib/snapd/snaps/firefox_4100.snap",
        "root/var/lib/snapd/snaps/firefox_4173.snap",
        "root/var/lib/snapd/desktop/applications/firefox_firefox.desktop",
        "root/usr/bin/vlc",
        "root/usr/share/applications/vlc.desktop",
        "root/usr/share/applications/vlc-openbd.desktop",
        "root/usr/share/pixmaps/vlc.png",
        "root/var/lib/dpkg/info/vlc.list",
        "home/Applications/Obsidian-1.5.3.AppImage",
        "home/Downloads/balenaEtcher-1.18.11-x64.AppImage",
    };
    std::size_t trashed = 2; // the AppImages
    for (const auto& application : fixture.applications) {
        if (application.name != "GNU Image Manipulation Program") {
            for (const fs::path& file : application.support) {
                gone.push_back(file.native());
                ++trashed;
            }
        }
    }
    const std::string trash = "home/.local/share/Trash";
    const auto after = treeState(tree.root());
    EXPECT_EQ(differences(without(without(before, gone), {trash}), without(after, {trash})), "");
    EXPECT_EQ(static_cast<std::size_t>(std::distance(fs::directory_iterator(tree / trash / "info"),
                                                     fs::directory_iterator())),
              trashed + 2); // and the two items that were in the Trash before
}

TEST_F(LinuxUninstall, ARunningApplicationIsLeftAloneAndNoToolRuns) {
    const auto items = applications();
    const auto before = treeState(tree.root());
    // A memory file system may refuse to run programs.
    const test::TempTree programs;
    test::RunningProgram vlc(programs / "usr/bin/vlc");
    test::RunningProgram etcher(programs / "balenaEtcher-1.18.11-x64.AppImage");

    RemovalOutcome outcome = removeItems(
        engine, {items.at("VLC media player"), items.at("balenaEtcher")}, tree / "home", false);
    EXPECT_EQ(outcome.skipped, 2);
    EXPECT_EQ(outcome.firstMessage, "Quit VLC media player before uninstalling it.");
    EXPECT_FALSE(fs::exists(logs / "tools.log"));
    EXPECT_EQ(differences(before, treeState(tree.root())), "");

    vlc.stop();
    outcome = removeItems(engine, {items.at("VLC media player")}, tree / "home", false);
    EXPECT_EQ(outcome.removed, 1);
    EXPECT_FALSE(fs::exists(tree / "root/usr/bin/vlc"));
}

TEST_F(LinuxUninstall, WhatTheScanDidNotSeeOrTheUserRefusedIsNeverRemoved) {
    auto items = applications();
    // Rights not granted: snapd never runs and the data stays.
    tree.script("root/usr/bin/pkexec", "exit 126");
    auto before = treeState(tree.root());
    RemovalOutcome outcome = removeItems(engine, {items.at("Firefox")}, tree / "home", false);
    EXPECT_EQ(outcome.skipped, 1);
    EXPECT_TRUE(fs::exists(tree / "root/snap/firefox"));
    EXPECT_TRUE(fs::exists(tree / "home/snap/firefox"));
    EXPECT_EQ(differences(before, treeState(tree.root())), "");

    // Data replaced since the scan stops the uninstall before the package manager runs.
    fs::rename(tree / "home/.var/app/com.spotify.Client", tree / "home/spotify-moved");
    tree.file("home/.var/app/com.spotify.Client/new", 4096);
    before = treeState(tree.root());
    outcome = removeItems(engine, {items.at("Spotify")}, tree / "home", false);
    EXPECT_EQ(outcome.skipped, 1);
    EXPECT_FALSE(fs::exists(logs / "tools.log"));
    EXPECT_TRUE(fs::exists(tree / "home/.local/share/flatpak/app/com.spotify.Client"));
    EXPECT_EQ(differences(before, treeState(tree.root())), "");

    EXPECT_EQ(otherRemovals("Reading package lists...\nRemv vlc [3.0]\nRemv vlc:i386 [3.0]\n"
                            "Remv vlc-plugin-base [3.0]\nInst something\n",
                            "vlc"),
              std::vector<std::string>{"vlc-plugin-base"});
}

} // namespace
} // namespace sorvale::cleanup

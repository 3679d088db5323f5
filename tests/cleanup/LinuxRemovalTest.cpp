// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "cleanup/Removal.h"
#include "support/LinuxHome.h"
#include "support/RunningProgram.h"
#include "support/TempTree.h"
#include "support/TreeState.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace sorvale::cleanup {
namespace {

namespace fs = std::filesystem;
using model::CleanupItem;
using test::differences;
using test::treeState;
using test::without;

std::string percentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] == '%' && index + 2 < text.size()) {
            decoded.push_back(
                static_cast<char>(std::stoi(std::string(text.substr(index + 1, 2)), nullptr, 16)));
            index += 2;
        } else {
            decoded.push_back(text[index]);
        }
    }
    return decoded;
}

// The entries of `state` below `relative`, relative to it.
test::TreeState subtree(const test::TreeState& state, const std::string& relative) {
    test::TreeState below;
    for (const auto& [path, entry] : state) {
        if (path == relative) {
            below[""] = entry;
        } else if (path.starts_with(relative + "/")) {
            below[path.substr(relative.size() + 1)] = entry;
        }
    }
    return below;
}

// Stand-ins for the system's tools under the fixture's system root, each doing to the fixture
// what the real one does to a system.
void standInTools(test::FixtureTree& tree) {
    const std::string root = "root=\"$(dirname \"$0\")/../..\"\n";
    tree.script("root/usr/bin/pkexec", "exec \"$@\"");
    tree.script("root/usr/bin/apt-get",
                root +
                    "rm -f \"$root\"/var/cache/apt/archives/*.deb \"$root\"/var/cache/apt/*.bin");
    tree.script("root/usr/bin/journalctl", root + "rm -f \"$root\"/var/log/journal/*/*@*.journal");
    tree.script("root/usr/bin/flatpak",
                root + "rm -rf \"$root\"/var/lib/flatpak/runtime/org.gnome.Platform/x86_64/44");
    tree.script("root/usr/bin/snap",
                root + "rm -f \"$root\"/var/lib/snapd/snaps/firefox_4100.snap");
}

TEST(LinuxRemoval, EverythingOfferedOnADesktopHomeGoesWhereItsOperationSaysAndNothingElseChanges) {
    test::unsetBaseFolders();
    test::TempTree tree(test::memoryFolder(400'000'000));
    const test::LinuxHome fixture(tree);
    standInTools(tree);
    test::giveToUnprivilegedUser(tree.root());
    const fs::path home = tree / "home";
    const auto before = treeState(tree.root());

    struct Outcome {
        std::int64_t offered, removed, skipped, failed;
    };
    const auto outcome = test::runUnprivileged<Outcome>([&] {
        const engine::ScanEngine engine(tree / "root", model::HomeLayout::linuxDesktop);
        std::vector<CleanupItem> items = engine.scanJunk(home).items;
        for (CleanupItem& item : items) {
            item.isSelected = true;
        }
        const RemovalOutcome removal = removeItems(engine, items, home, false);
        return Outcome{static_cast<std::int64_t>(items.size()), removal.removed, removal.skipped,
                       removal.failed};
    });
    ASSERT_TRUE(outcome);
    EXPECT_GT(outcome->offered, 50);
    EXPECT_EQ(outcome->removed, outcome->offered);
    EXPECT_EQ(outcome->skipped + outcome->failed, 0);

    // Outside the Trash exactly the reclaimable places are gone: the tools' parts and the
    // moved items alike; the folders the tools empty stay.
    std::vector<std::string> gone;
    for (const auto& place : fixture.reclaimable) {
        gone.push_back(place.path.native());
    }
    auto expected = without(before, gone);
    for (const char* kept :
         {"root/var/cache/apt", "root/var/cache/apt/archives",
          "root/var/cache/apt/archives/partial", "root/var/cache/apt/archives/lock"}) {
        expected[kept] = before.at(kept);
    }
    const std::string trashFolder = "home/.local/share/Trash";
    const auto after = treeState(tree.root());
    EXPECT_EQ(differences(without(expected, {trashFolder}), without(after, {trashFolder})), "");

    // The Trash held two items, deleted for good; every other item is in it now, whole, with a
    // record of where it came from.
    std::size_t records = 0;
    for (const auto& entry : fs::directory_iterator(home / ".local/share/Trash/info")) {
        ++records;
        std::ifstream info(entry.path());
        std::string line;
        std::string origin;
        while (std::getline(info, line)) {
            if (line.starts_with("Path=")) {
                origin = percentDecoded(line.substr(5));
            }
        }
        const std::string name = entry.path().stem().native();
        const std::string original = fs::path(origin).lexically_relative(tree.root()).native();
        EXPECT_EQ(
            differences(subtree(before, original), subtree(after, trashFolder + "/files/" + name)),
            "")
            << original;
    }
    std::size_t trashed = 0;
    for (const auto& place : fixture.reclaimable) {
        const bool throughTool = place.path.native().starts_with("root/");
        const bool wasInTrash = place.path.native().starts_with(trashFolder);
        trashed += throughTool || wasInTrash ? 0 : 1;
    }
    EXPECT_EQ(records, trashed);
}

TEST(LinuxRemoval, ACacheIsLeftAloneWhileItsApplicationRunsAndTheMessageNamesIt) {
    test::unsetBaseFolders();
    test::TempTree tree;
    tree.file("home/.cache/mozilla/firefox/x/cache2/entry", 4096);
    tree.file("home/.config/discord/GPUCache/data_0", 4096);
    const fs::path home = tree / "home";
    const engine::ScanEngine engine(tree / "root", model::HomeLayout::linuxDesktop);
    test::RunningProgram firefox(tree / "programs/firefox");
    const auto items = engine.scanJunk(home).items;
    ASSERT_EQ(items.size(), 2U);
    const auto before = treeState(home);

    RemovalOutcome outcome = removeItems(engine, items, home, false);
    EXPECT_EQ(outcome.skipped, 1);
    EXPECT_EQ(outcome.removed, 1);
    EXPECT_EQ(outcome.firstMessage,
              "Close Firefox before removing \u201Cmozilla\u201D: it is running.");
    EXPECT_TRUE(fs::exists(home / ".cache/mozilla/firefox/x/cache2/entry"));
    EXPECT_FALSE(fs::exists(home / ".config/discord/GPUCache"));

    firefox.stop();
    outcome = removeItems(engine, {items}, home, false);
    EXPECT_FALSE(fs::exists(home / ".cache/mozilla"));
    EXPECT_EQ(differences(without(before, {".cache/mozilla", ".config/discord/GPUCache"}),
                          without(treeState(home), {".local"})),
              "");
}

} // namespace
} // namespace sorvale::cleanup

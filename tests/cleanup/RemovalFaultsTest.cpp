// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "cleanup/Removal.h"
#include "support/BundleFixtures.h"
#include "support/TempTree.h"
#include "support/TreeState.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace sorvale::cleanup {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;
using model::CleanupItem;
using test::contents;
using test::differences;
using test::treeState;

// A home, a folder outside it and a system root, all in one tree whose whole state is compared
// before and after each removal: exactly what was approved may change.
class RemovalFaults : public ::testing::Test {
protected:
    void SetUp() override { ::unsetenv("XDG_DATA_HOME"); }

    [[nodiscard]] std::vector<CleanupItem> listed(const fs::path& folder,
                                                  CleanupCategory category) const {
        return engine.scanTopLevel(folder, category).items;
    }
    RemovalOutcome remove(const std::vector<CleanupItem>& items) const {
        return removeItems(engine, items, home, false);
    }
    // Replaces `relative` by a link to `target`, keeping what was there under another name.
    void swapForLink(const fs::path& relative, const fs::path& target) {
        fs::rename(tree / relative, tree / (relative.native() + ".moved"));
        tree.symlink(relative, target);
    }

    test::TempTree tree;
    fs::path home = tree / "home";
    fs::path trash = home / ".local/share/Trash";
    engine::ScanEngine engine{tree / "root", model::HomeLayout::macos};
};

TEST_F(RemovalFaults, FoldersReplacedByLinksAfterTheScanLeaveEveryFileWhereItWas) {
    tree.file("home/Downloads/report.pdf", 100);
    tree.file("outside/downloads/report.pdf", 200);
    tree.file("home/Movies/clips/big.mov", 8192);
    tree.file("outside/clips/big.mov", 8192);
    tree.file("home/.local/share/Trash/files/old/inner.txt", 10);
    tree.file("home/.local/share/Trash/info/old.trashinfo");
    tree.file("outside/trash/old/precious.txt", 10);
    std::vector<CleanupItem> items = listed(home / "Downloads", CleanupCategory::downloads);
    std::ranges::move(engine.scanLargeFiles(home / "Movies", 1).items, std::back_inserter(items));
    std::ranges::move(listed(trash / "files", CleanupCategory::trash), std::back_inserter(items));
    ASSERT_EQ(items.size(), 3U);

    swapForLink("home/Downloads", tree / "outside/downloads");
    swapForLink("home/Movies/clips", tree / "outside/clips");
    swapForLink("home/.local/share/Trash/files", tree / "outside/trash");
    const auto before = treeState(tree.root());
    const RemovalOutcome outcome = remove(items);

    EXPECT_EQ(differences(before, treeState(tree.root())), "");
    EXPECT_EQ(outcome.removed, 0);
    EXPECT_EQ(outcome.skipped, 3);
    EXPECT_EQ(outcome.firstMessage,
              "\u201Creport.pdf\u201D changed after the scan \u2014 scan again.");
}

TEST_F(RemovalFaults, AnItemReplacedOrRemovedAfterTheScanIsSkippedAndTheOthersGo) {
    tree.file("home/Downloads/a.pdf", 4 * 4096);
    tree.file("home/Downloads/b.pdf", 3 * 4096);
    tree.file("home/Downloads/c.pdf", 2 * 4096);
    tree.file("home/Downloads/d.pdf", 1 * 4096);
    tree.file("outside/a.pdf", 10);
    const auto items = listed(home / "Downloads", CleanupCategory::downloads);
    fs::remove(home / "Downloads/a.pdf");
    tree.symlink("home/Downloads/a.pdf", tree / "outside/a.pdf");
    fs::remove(home / "Downloads/b.pdf");
    tree.file("home/Downloads/b.pdf/inside.txt", 10);
    fs::remove(home / "Downloads/c.pdf");
    const auto before = treeState(tree.root());

    const RemovalOutcome outcome = remove(items);
    EXPECT_EQ(outcome.removed, 1);
    EXPECT_EQ(outcome.skipped, 3);
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_EQ(outcome.firstMessage, "\u201Ca.pdf\u201D changed after the scan \u2014 scan again.");

    // Only d.pdf moved, into a trash made for it.
    auto expected = test::without(before, {"home/Downloads/d.pdf"});
    const auto after = treeState(tree.root());
    for (const char* folder : {"home/.local", "home/.local/share", "home/.local/share/Trash",
                               "home/.local/share/Trash/files", "home/.local/share/Trash/info"}) {
        expected[folder] =
            test::EntryState{.type = 'd', .size = 0, .content = {}, .linkTarget = {}};
    }
    expected["home/.local/share/Trash/files/d.pdf"] = before.at("home/Downloads/d.pdf");
    const std::string record = "home/.local/share/Trash/info/d.pdf.trashinfo";
    ASSERT_TRUE(after.contains(record));
    EXPECT_TRUE(after.at(record).content.starts_with("[Trash Info]\nPath=" + home.native() +
                                                     "/Downloads/d.pdf\n"));
    expected[record] = after.at(record);
    EXPECT_EQ(differences(expected, after), "");
}

TEST_F(RemovalFaults, ADownloadsFolderThatIsALinkIsListedThroughAndItsItemsGoToTheTrash) {
    tree.file("disk/Downloads/film.mkv", 4096);
    tree.symlink("home/Downloads", tree / "disk/Downloads");
    const auto snapshot = engine.scanTopLevel(home / "Downloads", CleanupCategory::downloads);
    ASSERT_EQ(snapshot.items.size(), 1U);
    EXPECT_EQ(snapshot.inaccessibleCount, 0);
    EXPECT_EQ(remove(snapshot.items).removed, 1);
    EXPECT_FALSE(fs::exists(tree / "disk/Downloads/film.mkv"));
    EXPECT_TRUE(fs::is_symlink(home / "Downloads"));
    EXPECT_EQ(fs::file_size(trash / "files/film.mkv"), 4096U);
}

TEST_F(RemovalFaults, NamesWithNewlinesPercentSignsDashesAndInvalidUtf8GoAndComeBackOut) {
    const std::array<std::string, 4> names{"line\nbreak.txt", "100%.txt", "-rf", "bad\xFF\xFE.bin"};
    const std::array<std::string, 4> recorded{"line%0Abreak.txt", "100%25.txt", "-rf",
                                              "bad%FF%FE.bin"};
    for (const std::string& name : names) {
        tree.file(home / "Downloads" / name, 10);
    }
    EXPECT_EQ(remove(listed(home / "Downloads", CleanupCategory::downloads)).removed, 4);
    for (std::size_t index = 0; index < names.size(); ++index) {
        EXPECT_EQ(fs::file_size(trash / "files" / names[index]), 10U) << recorded[index];
        EXPECT_NE(contents(trash / "info" / (names[index] + ".trashinfo"))
                      .find("\nPath=" + home.native() + "/Downloads/" + recorded[index] + "\n"),
                  std::string::npos)
            << recorded[index];
    }

    EXPECT_EQ(remove(listed(trash / "files", CleanupCategory::trash)).removed, 4);
    EXPECT_TRUE(fs::is_empty(trash / "files"));
    EXPECT_TRUE(fs::is_empty(trash / "info"));
}

TEST_F(RemovalFaults, ARecordIsForgottenOnlyInTheTrashCansOwnFilesFolder) {
    tree.file("home/Projects/files/x", 10);
    tree.file("home/Projects/info/x.trashinfo", 10);
    tree.file("home/.local/share/Trash/info/x.trashinfo", 10);
    EXPECT_EQ(remove(listed(home / "Projects/files", CleanupCategory::trash)).removed, 1);
    EXPECT_FALSE(fs::exists(home / "Projects/files/x"));
    EXPECT_TRUE(fs::exists(home / "Projects/info/x.trashinfo"));
    EXPECT_TRUE(fs::exists(trash / "info/x.trashinfo"));
}

// Makes a chain of `depth` folders named "d" below `top`, with a file at every thousandth level,
// one descriptor at a time: its paths are far longer than the system takes.
void deepTree(const fs::path& top, int depth) {
    fs::create_directories(top);
    int fd = ::open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int level = 0; level < depth && fd >= 0; ++level) {
        if (level % 1000 == 0) {
            ::close(::openat(fd, "f", O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        }
        ::mkdirat(fd, "d", 0755);
        const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = next;
    }
    ASSERT_GE(fd, 0);
    ::close(fd);
}

TEST(DeepRemoval, ATenThousandDeepTreeIsDeletedCompletelyWithinAThousandDescriptors) {
    // On a disk, removing ten thousand folders one by one can take most of a minute.
    test::TempTree tree(test::memoryFolder(200'000'000));
    ::unsetenv("XDG_DATA_HOME");
    const fs::path home = tree / "home";
    const fs::path trash = home / ".local/share/Trash";
    deepTree(trash / "files/deep", 10'000);
    tree.file("home/.local/share/Trash/info/deep.trashinfo");
    tree.file("home/.local/share/Trash/files/kept.txt", 10);
    const engine::ScanEngine engine;
    auto items = engine.scanTopLevel(trash / "files", CleanupCategory::trash).items;
    std::erase_if(items, [](const CleanupItem& item) { return item.name != "deep"; });
    ASSERT_EQ(items.size(), 1U);
    const std::set<std::string> opaque{"home/.local/share/Trash/files/deep"};
    const auto before = treeState(tree.root(), opaque);

    rlimit original{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &original), 0);
    rlimit limited = original;
    limited.rlim_cur = std::min<rlim_t>(original.rlim_cur, 1024);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limited), 0);
    const RemovalOutcome outcome = removeItems(engine, items, home, false);
    ::setrlimit(RLIMIT_NOFILE, &original);

    EXPECT_EQ(outcome.removed, 1) << outcome.firstMessage.value_or("");
    EXPECT_EQ(differences(test::without(before, {"home/.local/share/Trash/files/deep",
                                                 "home/.local/share/Trash/info/deep.trashinfo"}),
                          treeState(tree.root(), opaque)),
              "");
}

TEST_F(RemovalFaults, AFileSystemMountedInsideATrashItemIsNeitherEnteredNorCalledDeleted) {
    tree.file("home/.local/share/Trash/files/withmount/a.txt", 10);
    tree.file("home/.local/share/Trash/info/withmount.trashinfo");
    const fs::path mountPoint = tree.folder("home/.local/share/Trash/files/withmount/mnt");
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=1m") != 0) {
        GTEST_SKIP() << "no file system can be mounted here";
    }
    tree.file("home/.local/share/Trash/files/withmount/mnt/inside.txt", 10);
    const RemovalOutcome outcome = remove(listed(trash / "files", CleanupCategory::trash));
    const bool insideKept = fs::exists(mountPoint / "inside.txt");
    ::umount2(mountPoint.c_str(), MNT_DETACH);

    EXPECT_EQ(outcome.failed, 1);
    EXPECT_EQ(outcome.firstMessage,
              "\u201Cwithmount\u201D was only partly deleted: \u201Cwithmount/mnt\u201D remains "
              "(another file system is mounted there).");
    EXPECT_TRUE(insideKept);
    EXPECT_FALSE(fs::exists(trash / "files/withmount/a.txt"));
    EXPECT_TRUE(fs::exists(trash / "info/withmount.trashinfo"));
}

TEST_F(RemovalFaults, WhatTheUserMayNotChangeStaysAndIsNamedWhileReadOnlyCachesStillGo) {
    tree.file("home/Downloads/keep.pdf", 10);
    tree.file("home/.local/share/Trash/files/modcache/pkg/m.go", 10);
    tree.file("home/.local/share/Trash/info/modcache.trashinfo");
    tree.file("home/.local/share/Trash/files/locked/inner/x", 10);
    tree.file("home/.local/share/Trash/files/locked/free.txt", 10);
    tree.file("home/.local/share/Trash/info/locked.trashinfo");
    test::giveToUnprivilegedUser(tree.root());
    fs::permissions(home / "Downloads", fs::perms(0555));
    fs::permissions(trash / "files/modcache/pkg/m.go", fs::perms(0444));
    fs::permissions(trash / "files/modcache/pkg", fs::perms(0555));
    fs::permissions(trash / "files/modcache", fs::perms(0555));
    fs::permissions(trash / "files/locked/inner", fs::perms(0));
    const auto before = treeState(tree.root());

    struct Outcome {
        std::int64_t removed;
        std::int64_t failed;
        std::array<char, 512> messages;
    };
    const auto outcome = test::runUnprivileged<Outcome>([&] {
        const RemovalOutcome downloads =
            remove(listed(home / "Downloads", CleanupCategory::downloads));
        auto trashItems = listed(trash / "files", CleanupCategory::trash);
        const RemovalOutcome emptied = remove(trashItems);
        Outcome result{downloads.removed + emptied.removed, downloads.failed + emptied.failed, {}};
        std::snprintf(result.messages.data(), result.messages.size(), "%s|%s",
                      downloads.firstMessage.value_or("").c_str(),
                      emptied.firstMessage.value_or("").c_str());
        return result;
    });
    fs::permissions(home / "Downloads", fs::perms(0755));
    fs::permissions(trash / "files/locked/inner", fs::perms(0755));
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->removed, 1);
    EXPECT_EQ(outcome->failed, 2);
    EXPECT_EQ(std::string(outcome->messages.data()),
              "\u201Ckeep.pdf\u201D couldn\u2019t be moved to the Trash: Permission denied.|"
              "\u201Clocked\u201D was only partly deleted: \u201Clocked/inner\u201D remains "
              "(Permission denied).");
    auto expected = test::without(before, {"home/.local/share/Trash/files/modcache",
                                           "home/.local/share/Trash/info/modcache.trashinfo",
                                           "home/.local/share/Trash/files/locked/free.txt"});
    expected.erase("home/.local/share/Trash/files/locked/inner/x"); // unlistable before, too
    auto after = treeState(tree.root());
    after.erase("home/.local/share/Trash/files/locked/inner/x");
    EXPECT_EQ(differences(expected, after), "");
    EXPECT_TRUE(fs::exists(trash / "files/locked/inner/x"));
}

// An application whose two support files were found by a scan, for the uninstall cases.
class UninstallFaults : public RemovalFaults {
protected:
    void SetUp() override {
        RemovalFaults::SetUp();
        test::bundle(tree, "root/Applications/Foo.app", "com.foo.app");
        tree.file("home/Library/Caches/com.foo.app/cache.db", 4096);
        tree.file("home/Library/Preferences/com.foo.app.plist", 10);
    }
    [[nodiscard]] CleanupItem scannedApplication() const {
        auto items = engine.scanApplications(home, std::vector{tree / "root/Applications"}).items;
        EXPECT_EQ(items.size(), 1U);
        return items.empty() ? CleanupItem{} : items.front();
    }
};

TEST_F(UninstallFaults, AnUninstallThatStopsHalfWaySaysWhatIsAlreadyInTheTrash) {
    test::giveToUnprivilegedUser(tree.root());
    fs::permissions(home / "Library/Preferences", fs::perms(0555));
    const auto message = test::runUnprivileged<std::array<char, 512>>([&] {
        std::array<char, 512> text{};
        const RemovalOutcome outcome = remove({scannedApplication()});
        std::snprintf(text.data(), text.size(), "%s", outcome.firstMessage.value_or("").c_str());
        return text;
    });
    fs::permissions(home / "Library/Preferences", fs::perms(0755));
    ASSERT_TRUE(message);
    EXPECT_EQ(std::string(message->data()),
              "App Management permission is required to uninstall apps from Applications. Open "
              "Permission Settings and enable Sorvale. Already moved to the Trash: "
              "\u201Ccom.foo.app\u201D.");
    EXPECT_TRUE(fs::exists(trash / "files/com.foo.app/cache.db"));
    EXPECT_TRUE(fs::exists(home / "Library/Preferences/com.foo.app.plist"));
    EXPECT_TRUE(fs::exists(tree / "root/Applications/Foo.app"));
}

TEST_F(UninstallFaults, ASupportFileReplacedAfterTheScanStopsTheUninstallBeforeAnythingMoves) {
    const CleanupItem application = scannedApplication();
    tree.file("home/Library/Caches/com.foo.app.new/other.db", 10);
    fs::remove_all(home / "Library/Caches/com.foo.app");
    fs::rename(home / "Library/Caches/com.foo.app.new", home / "Library/Caches/com.foo.app");
    const auto before = treeState(tree.root());
    const RemovalOutcome outcome = remove({application});
    EXPECT_EQ(outcome.skipped, 1);
    EXPECT_EQ(outcome.firstMessage, "Could not completely uninstall Foo: \u201Ccom.foo.app\u201D "
                                    "changed after the scan \u2014 scan again.");
    EXPECT_EQ(differences(before, treeState(tree.root())), "");
}

} // namespace
} // namespace sorvale::cleanup

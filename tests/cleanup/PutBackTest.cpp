// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "cleanup/PutBack.h"

#include "cleanup/Removal.h"
#include "cleanup/Trash.h"
#include "engine/DirectoryWalker.h"
#include "support/TempTree.h"
#include "support/TreeState.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

namespace sorvale::cleanup {
namespace {

namespace fs = std::filesystem;
using test::differences;
using test::treeState;

// An entry as a listing of its folder sees it.
model::Location seen(const fs::path& path) {
    const auto entry = engine::findEntry(path.parent_path(), path.filename());
    return entry ? entry->location : model::Location(path);
}

// A home whose trash lies in the fixture, made before each test so that a comparison of the
// whole tree sees only what moves.
class PutBackTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::unsetenv("XDG_DATA_HOME");
        fs::create_directories(trash / "files");
        fs::create_directories(trash / "info");
    }
    // Moves `path` to the Trash and says where it went.
    model::Location trashed(const fs::path& path) {
        model::Location placed;
        EXPECT_EQ(moveToTrash(seen(path), home, &placed), std::nullopt) << path;
        return placed;
    }
    // Puts `inTrash` back and expects that to fail with `code`, changing nothing at all.
    void expectRefused(const model::Location& inTrash, int code, const std::string& saying) {
        const test::TreeState before = treeState(tree.root());
        const auto error = putBack(inTrash);
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->code, code) << error->description();
        EXPECT_NE(error->description().find(saying), std::string::npos) << error->description();
        EXPECT_EQ(differences(before, treeState(tree.root())), "");
    }

    test::TempTree tree;
    fs::path home = tree / "home";
    fs::path trash = home / ".local/share/Trash";
};

TEST_F(PutBackTest, WhatWentToTheTrashGoesBackExactlyAndItsRecordIsForgotten) {
    const fs::path report = home / "Documents/report 100%\xFF.txt";
    std::ofstream(tree.file(report)) << "figures";
    tree.file("home/Documents/project/a", 10);
    tree.file("home/Documents/project/b/c", 20);
    tree.file("home/Documents/kept.txt", 30);
    const auto link = tree.symlink("home/shortcut", home / "Documents");
    const test::TreeState before = treeState(tree.root());

    std::vector<model::Location> places;
    for (const fs::path& path : {report, home / "Documents/project", link}) {
        places.push_back(trashed(path));
    }
    ASSERT_NE(differences(before, treeState(tree.root())), "");
    const std::vector<fs::path> originals{report, home / "Documents/project", link};
    for (std::size_t item = 0; item < places.size(); ++item) {
        fs::path restored;
        EXPECT_EQ(putBack(places[item], &restored), std::nullopt);
        EXPECT_EQ(restored, originals[item]);
    }
    EXPECT_EQ(differences(before, treeState(tree.root())), "");
}

TEST_F(PutBackTest, AnUninstalledApplicationComesBackWithEverySupportFile) {
    tree.file("home/Applications/Editor.app/Contents/MacOS/Editor", 100);
    tree.file("home/Library/Caches/com.example.editor/cache.db", 200);
    tree.file("home/Library/Preferences/com.example.editor.plist", 10);
    tree.file("home/Downloads/notes.txt", 5);
    const test::TreeState before = treeState(tree.root());
    const model::CleanupItem application{
        .id = seen(home / "Applications/Editor.app"),
        .url = seen(home / "Applications/Editor.app"),
        .name = "Editor",
        .size = 310,
        .category = model::CleanupCategory::installedApplications,
        .isSelected = true,
        .modifiedAt = {},
        .relatedFiles = {seen(home / "Library/Caches/com.example.editor"),
                         seen(home / "Library/Preferences/com.example.editor.plist")},
        .operation = model::CleanupOperation::uninstallApplication(),
        .owner = {},
        .icon = {},
        .nameParts = {}};
    model::CleanupItem notes = application;
    notes.id = notes.url = seen(home / "Downloads/notes.txt");
    notes.category = model::CleanupCategory::downloads;
    notes.relatedFiles = {};
    notes.operation = model::CleanupOperation::moveToTrash();

    const RemovalOutcome removed =
        removeItems(engine::ScanEngine(), {application, notes}, home, false);
    ASSERT_EQ(removed.removed, 2);
    ASSERT_EQ(removed.trashed.size(), 2U);
    EXPECT_EQ(removed.trashed[0].inTrash.size(), 3U) << "two support files and the bundle";

    const PutBackOutcome outcome = putBackItems(removed.trashed);
    EXPECT_EQ(outcome.restored, (std::vector<model::Location>{application.id, notes.id}));
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_EQ(differences(before, treeState(tree.root())), "");
}

TEST_F(PutBackTest, NothingGoesBackOverSomethingElseNorIntoAFolderThatIsGone) {
    std::ofstream(tree.file("home/Downloads/a.txt")) << "old";
    const model::Location a = trashed(home / "Downloads/a.txt");
    std::ofstream(tree.file("home/Downloads/a.txt")) << "new";
    expectRefused(a, EEXIST, "something else is already at " + (home / "Downloads/a.txt").native());

    const model::Location b = trashed(tree.file("home/Downloads/sub/b.txt", 10));
    fs::remove_all(home / "Downloads/sub");
    expectRefused(b, ENOENT, "no longer exists");

    // Another entry in the Trash under the removed one's name is not what the removal moved.
    const model::Location c = trashed(tree.file("home/Downloads/c.txt", 10));
    fs::remove(trash / "files/c.txt");
    tree.file("home/.local/share/Trash/files/c.txt", 10);
    expectRefused(c, ESTALE, "changed after the scan");

    // A record that is gone leaves its entry in the Trash.
    const model::Location d = trashed(tree.file("home/Downloads/d.txt", 10));
    fs::remove(trash / "info/d.txt.trashinfo");
    expectRefused(d, ENOENT, "record");

    const PutBackOutcome outcome = putBackItems({{"a", {a}}, {"d", {d}}});
    EXPECT_TRUE(outcome.restored.empty());
    EXPECT_EQ(outcome.failed, 2);
    EXPECT_NE(outcome.firstMessage.value_or("").find("\u201Ca.txt\u201D"), std::string::npos)
        << "the failure names the item";
}

TEST_F(PutBackTest, ATrashCanAtTheTopOfAFileSystemRecordsPathsBelowThatTop) {
    const fs::path can = tree / "volume" / (".Trash-" + std::to_string(::getuid()));
    const std::string name = "my file\xFF";
    tree.file(can / "files" / name, 10);
    std::ofstream(tree.file(can / "info" / (name + ".trashinfo")))
        << "[Trash Info]\nPath=docs/my%20file%FF\nDeletionDate=2026-01-31T12:00:00\n";
    tree.folder("volume/docs");
    fs::path restored;
    EXPECT_EQ(putBack(seen(can / "files" / name), &restored), std::nullopt);
    EXPECT_EQ(restored, tree / "volume/docs" / name);
    EXPECT_TRUE(fs::exists(restored));
    EXPECT_FALSE(fs::exists(can / "info" / (name + ".trashinfo")));

    // A record may not lead out of its file system's top.
    tree.file(can / "files/escape", 10);
    std::ofstream(tree.file(can / "info/escape.trashinfo"))
        << "[Trash Info]\nPath=../outside/escape\n";
    expectRefused(seen(can / "files/escape"), EINVAL, "no place it could go back to");
}

TEST_F(PutBackTest, AFolderTheUserMayNotWriteToKeepsTheItemInTheTrash) {
    const model::Location item = trashed(tree.file("home/Downloads/locked/e.txt", 10));
    test::giveToUnprivilegedUser(tree.root());
    fs::permissions(home / "Downloads/locked", fs::perms(0555));
    const test::TreeState before = treeState(tree.root());
    const auto code = test::runUnprivileged<int>([&] {
        const auto error = putBack(item);
        return error ? error->code : 0;
    });
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, EACCES);
    EXPECT_EQ(differences(before, treeState(tree.root())), "");
}

} // namespace
} // namespace sorvale::cleanup

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "cleanup/Trash.h"

#include "engine/DirectoryWalker.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

namespace sorvale::cleanup {
namespace {

namespace fs = std::filesystem;
using test::contents;

// An entry as a listing of its folder sees it.
model::Location seen(const fs::path& path) {
    const auto entry = engine::findEntry(path.parent_path(), path.filename());
    return entry ? entry->location : model::Location(path);
}

// A home whose data folder, and so whose trash, lies inside the fixture.
class TrashTest : public ::testing::Test {
protected:
    void SetUp() override { ::unsetenv("XDG_DATA_HOME"); }

    test::TempTree tree;
    fs::path home = tree / "home";
    fs::path trash = home / ".local/share/Trash";
};

TEST_F(TrashTest, AnItemIsRecordedThenMovedIntoTheHomeTrashWhichIsMadeWhenMissing) {
    const std::string name = "my report 100%\xFF.txt";
    const auto item = tree.file(fs::path("home/Documents") / name, 10);
    ASSERT_EQ(moveToTrash(seen(item), home), std::nullopt);
    EXPECT_FALSE(fs::exists(fs::symlink_status(item)));
    EXPECT_EQ(fs::file_size(trash / "files" / name), 10U);
    const std::string info = contents(trash / "info" / (name + ".trashinfo"));
    const std::regex expected("\\[Trash Info\\]\nPath=" + (home / "Documents").native() +
                              "/my%20report%20100%25%FF\\.txt\n"
                              "DeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n");
    EXPECT_TRUE(std::regex_match(info, expected)) << info;
}

TEST_F(TrashTest, NamesAlreadyInTheTrashAreNotReusedAndLinksMoveAsLinks) {
    const auto first = tree.file("home/a/report.pdf", 1);
    const auto second = tree.file("home/b/report.pdf", 2);
    tree.file("home/outside/kept.txt", 3);
    const auto link = tree.symlink("home/link", home / "outside");
    for (const auto& item : {first, second, link}) {
        ASSERT_EQ(moveToTrash(seen(item), home), std::nullopt);
    }
    EXPECT_EQ(fs::file_size(trash / "files/report.pdf"), 1U);
    EXPECT_EQ(fs::file_size(trash / "files/report.2.pdf"), 2U);
    EXPECT_TRUE(fs::exists(trash / "info/report.2.pdf.trashinfo"));
    EXPECT_TRUE(fs::is_symlink(trash / "files/link"));
    EXPECT_TRUE(fs::exists(home / "outside/kept.txt"));
}

TEST_F(TrashTest, AnItemNoTrashCanTakeStaysWhereItWasWithAnError) {
    EXPECT_TRUE(moveToTrash(seen(home / "missing"), home).has_value());
    const auto item = tree.file("home/keep.txt", 1);
    test::giveToUnprivilegedUser(home);
    tree.folder("readonly");
    fs::permissions(tree / "readonly", fs::perms(0555));
    ::setenv("XDG_DATA_HOME", (tree / "readonly/share").c_str(), 1);
    const auto moved = test::runUnprivileged<bool>([&] { return !moveToTrash(seen(item), home); });
    ::unsetenv("XDG_DATA_HOME");
    ASSERT_TRUE(moved);
    EXPECT_FALSE(*moved);
    EXPECT_TRUE(fs::exists(item));
}

TEST_F(TrashTest, AnItemOnAnotherFileSystemGoesToThatFileSystemsTrash) {
    const fs::path shm = "/dev/shm";
    struct stat shmStatus {};
    struct stat homeStatus {};
    if (::stat(shm.c_str(), &shmStatus) != 0 || ::stat(tree.root().c_str(), &homeStatus) != 0 ||
        shmStatus.st_dev == homeStatus.st_dev || ::access(shm.c_str(), W_OK) != 0) {
        GTEST_SKIP() << "no second writable file system";
    }
    const fs::path folder = shm / ("sorvale-trash-test-" + std::to_string(::getpid()));
    fs::create_directory(folder);
    std::ofstream(folder / "clip.mov") << "data";
    const auto error = moveToTrash(seen(folder / "clip.mov"), home);
    const fs::path trashCan = shm / (".Trash-" + std::to_string(::getuid()));
    const std::string info = contents(trashCan / "info/clip.mov.trashinfo");
    fs::remove_all(folder);
    fs::remove(trashCan / "info/clip.mov.trashinfo");
    fs::remove(trashCan / "files/clip.mov");
    ASSERT_EQ(error, std::nullopt);
    EXPECT_NE(info.find("\nPath=" + folder.filename().native() + "/clip.mov\n"), std::string::npos)
        << info;
    EXPECT_FALSE(fs::exists(trash)) << "the home trash was not used";
}

} // namespace
} // namespace sorvale::cleanup

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/ScanEngine.h"
#include "support/BundleFixtures.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;

// A home and a system root with a bit of everything the scans meet, many folders of it so that
// a concurrent walk really splits: caches, containers, Application Support caches, Mail
// attachments, applications with support files, large files, unreadable folders, links (one in
// a loop), hard links and a chain of folders deeper than a walk keeps open.
class ConcurrentScans : public ::testing::Test {
protected:
    void SetUp() override {
        ::unsetenv("XDG_DATA_HOME");
        for (int app = 0; app < 30; ++app) {
            const std::string id = "com.example.app" + std::to_string(app);
            for (int file = 0; file < 12; ++file) {
                // Sizes repeat, so that ties must keep their order.
                const std::size_t bytes = 4096 * (1 + (file + app) % 4);
                tree.file("home/Library/Caches/" + id + "/d" + std::to_string(file % 3) + "/f" +
                              std::to_string(file),
                          bytes);
                tree.file("home/Library/Containers/" + id + "/Data/Library/Caches/f" +
                              std::to_string(file),
                          bytes);
                tree.file("home/Library/Application Support/Vendor" + std::to_string(app % 5) +
                              "/App" + std::to_string(app) + "/Cache/f" + std::to_string(file),
                          bytes);
                tree.file("home/Library/Mail/V10/A" + std::to_string(app % 3) +
                              "/INBOX.mbox/Data/Attachments/" + std::to_string(app) + "/a" +
                              std::to_string(file) + ".pdf",
                          bytes);
            }
            test::bundle(tree, "root/Applications/App" + std::to_string(app) + ".app", id);
            tree.file("home/Library/Preferences/" + id + ".plist", 4096);
            tree.file("home/Downloads/movie" + std::to_string(app) + ".mov", 4096 * (app % 5 + 1));
        }
        fs::path deep = "home/Library/Caches/deep";
        for (int level = 0; level < 150; ++level) {
            deep /= "d";
            tree.file(deep / "f", 4096);
        }
        tree.hardLink("home/Downloads/twin.mov", tree / "home/Downloads/movie3.mov");
        tree.symlink("home/Library/Caches/com.example.app1/loop", "..");
        tree.symlink("home/Downloads/elsewhere", tree / "root");
        tree.file("home/Library/Caches/com.example.app2/locked/x", 4096);
        tree.makeInaccessible("home/Library/Caches/com.example.app2/locked");
        tree.file("home/Downloads/locked/x", 4096);
        tree.makeInaccessible("home/Downloads/locked");
        test::giveToUnprivilegedUser(tree.root());
    }

    test::TempTree tree;
    fs::path home = tree / "home";
};

TEST_F(ConcurrentScans, FindExactlyWhatOneThreadFindsInTheSameOrderWithTheSameCounts) {
    struct Outcome {
        bool junk;
        bool applications;
        bool largeFiles;
        bool downloads;
        bool measured;
        bool foundSomething;
    };
    const auto outcome = test::runUnprivileged<Outcome>([&] {
        const ScanEngine one(tree / "root", model::HomeLayout::macos,
                             WalkConcurrency{.threads = 1});
        // Shared from the first entry on, so that even this small tree is split.
        const ScanEngine many(tree / "root", model::HomeLayout::macos,
                              WalkConcurrency{.threads = 4, .entriesBeforeSharing = 0});
        const auto junk = one.scanJunk(home);
        return Outcome{
            junk == many.scanJunk(home),
            one.scanApplications(home) == many.scanApplications(home),
            one.scanLargeFiles(home, 4096) == many.scanLargeFiles(home, 4096),
            one.scanTopLevel(home / "Downloads", model::CleanupCategory::downloads) ==
                many.scanTopLevel(home / "Downloads", model::CleanupCategory::downloads),
            one.measureAllocatedSize(home) == many.measureAllocatedSize(home),
            junk.items.size() > 100 && junk.inaccessibleCount > 0,
        };
    });
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->foundSomething) << "the tree must hold what the scans compare";
    EXPECT_TRUE(outcome->junk);
    EXPECT_TRUE(outcome->applications);
    EXPECT_TRUE(outcome->largeFiles);
    EXPECT_TRUE(outcome->downloads);
    EXPECT_TRUE(outcome->measured);
}

} // namespace
} // namespace sorvale::engine

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/DirectoryWalker.h"

#include "support/TempTree.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>
#include <thread>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using platform::EntryType;
using Entries = std::map<std::string, EntryType>;

// What one walk, or one thread of a walk, met: entries by path below the root.
struct WalkRecord {
    Entries entries;
    std::size_t visits = 0;
    bool depthsMatchPaths = true;
    std::vector<fs::path> errors;

    WalkWorker worker(const fs::path& root, WalkAction (*decide)(const WalkEntry&) = nullptr) {
        return {[this, root, decide](const WalkEntry& entry) {
                    const fs::path relative = entry.path().lexically_relative(root);
                    entries[relative.native()] = entry.type();
                    ++visits;
                    depthsMatchPaths =
                        depthsMatchPaths && entry.depth() == static_cast<std::size_t>(std::distance(
                                                                 relative.begin(), relative.end()));
                    return decide != nullptr ? decide(entry) : WalkAction::descend;
                },
                [this](const fs::path& path, int) { errors.push_back(path); }};
    }
};

WalkRecord walk(const fs::path& root, WalkOptions options = {},
                WalkAction (*decide)(const WalkEntry&) = nullptr) {
    WalkRecord record;
    const WalkWorker worker = record.worker(root, decide);
    EXPECT_TRUE(walkDirectory(root, options, worker.visit, worker.onError));
    return record;
}

TEST(DirectoryWalker, VisitsEveryEntryOnceAtItsDepthWithParentsBeforeTheirContents) {
    test::TempTree tree;
    tree.file("a/b/c.txt", 10);
    tree.file("a/.hidden/d.txt", 10);
    tree.file("top.txt");
    std::vector<std::string> order;
    ASSERT_TRUE(walkDirectory(
        tree.root(), {},
        [&](const WalkEntry& entry) {
            order.push_back(entry.path().lexically_relative(tree.root()));
            return WalkAction::descend;
        },
        [](const fs::path&, int) { ADD_FAILURE(); }));
    const auto position = [&](const std::string& path) {
        return std::find(order.begin(), order.end(), path) - order.begin();
    };
    EXPECT_LT(position("a"), position("a/b"));
    EXPECT_LT(position("a/b"), position("a/b/c.txt"));

    const WalkRecord record = walk(tree.root());
    EXPECT_EQ(record.entries, (Entries{{"a", EntryType::directory},
                                       {"a/b", EntryType::directory},
                                       {"a/b/c.txt", EntryType::regular},
                                       {"a/.hidden", EntryType::directory},
                                       {"a/.hidden/d.txt", EntryType::regular},
                                       {"top.txt", EntryType::regular}}));
    EXPECT_EQ(record.visits, 6U);
    EXPECT_TRUE(record.depthsMatchPaths);
}

TEST(DirectoryWalker, HiddenEntriesPackagesAndRefusedFoldersAreNotEntered) {
    test::TempTree tree;
    tree.file(".cache/inside.txt");
    tree.file("Foo.app/Contents/MacOS/Foo");
    tree.file("keep/skip-me/inside.txt");
    tree.file("keep/file.txt");
    const WalkRecord record = walk(
        tree.root(), {.skipHiddenEntries = true, .skipPackageContents = true},
        [](const WalkEntry& entry) {
            return entry.name() == "skip-me" ? WalkAction::skipDescendants : WalkAction::descend;
        });
    EXPECT_EQ(record.entries, (Entries{{"Foo.app", EntryType::directory},
                                       {"keep", EntryType::directory},
                                       {"keep/skip-me", EntryType::directory},
                                       {"keep/file.txt", EntryType::regular}}));
}

TEST(DirectoryWalker, LinksBelowTheRootAreNeverFollowedButARootThatIsALinkIsListedThrough) {
    test::TempTree tree;
    tree.file("outside/secret.txt");
    tree.folder("root/sub");
    tree.symlink("root/to-outside", tree / "outside");
    tree.symlink("root/sub/to-parent", "..");
    tree.symlink("root/loop-a", "loop-b");
    tree.symlink("root/loop-b", "loop-a");
    EXPECT_EQ(walk(tree / "root").entries, (Entries{{"sub", EntryType::directory},
                                                    {"sub/to-parent", EntryType::symbolicLink},
                                                    {"to-outside", EntryType::symbolicLink},
                                                    {"loop-a", EntryType::symbolicLink},
                                                    {"loop-b", EntryType::symbolicLink}}));

    EXPECT_EQ(walk(tree / "root/to-outside").entries,
              (Entries{{"secret.txt", EntryType::regular}}));

    const auto cannotWalk = [](const WalkRoot& root) {
        return !walkDirectory(
            root, {}, [](const WalkEntry&) { return WalkAction::descend; },
            [](const fs::path&, int) {});
    };
    EXPECT_TRUE(cannotWalk(WalkRoot(tree / "root", "to-outside")));
    EXPECT_TRUE(cannotWalk(WalkRoot(tree / "root", "sub/to-parent")));
    EXPECT_TRUE(cannotWalk(tree / "outside/secret.txt"));
    EXPECT_TRUE(cannotWalk(tree / "missing"));
}

TEST(DirectoryWalker, NamesThatAreNotUtf8KeepTheirExactBytes) {
    test::TempTree tree;
    const std::string name = "bad\xFF\xFE name";
    tree.file(fs::path(name) / "inner\x80.txt", 5);
    std::vector<fs::path> paths;
    ASSERT_TRUE(walkDirectory(
        tree.root(), {},
        [&](const WalkEntry& entry) {
            paths.push_back(entry.path());
            EXPECT_TRUE(entry.values()) << entry.path();
            return WalkAction::descend;
        },
        [](const fs::path&, int) {}));
    EXPECT_EQ(paths, (std::vector<fs::path>{tree / name, tree / name / "inner\x80.txt"}));
}

TEST(DirectoryWalker, UnreadableFoldersAreReportedAndAConcurrentWalkMeetsWhatASequentialOneMeets) {
    test::TempTree tree;
    for (int folder = 0; folder < 40; ++folder) {
        for (int file = 0; file < 6; ++file) {
            tree.file(fs::path("f" + std::to_string(folder % 5)) / std::to_string(folder) /
                      std::to_string(file));
        }
    }
    tree.symlink("f0/loop", "..");
    tree.makeInaccessible("f3/8");
    tree.makeInaccessible("f4/39");

    struct Outcome {
        bool sequentialReportsBoth;
        bool sameEntries;
        bool sameErrors;
        bool depthsRight;
        std::size_t threads;
    };
    const auto outcome = test::runUnprivileged<Outcome>([&] {
        WalkRecord sequential = walk(tree.root());
        std::sort(sequential.errors.begin(), sequential.errors.end());
        std::deque<WalkRecord> threads;
        // Shared from the first entry on, so that even this small tree is split.
        (void)walkDirectoryConcurrently(
            tree.root(), {}, WalkConcurrency{.threads = 4, .entriesBeforeSharing = 0},
            [&](std::size_t) { return threads.emplace_back().worker(tree.root()); });
        WalkRecord merged;
        for (const WalkRecord& thread : threads) {
            merged.entries.insert(thread.entries.begin(), thread.entries.end());
            merged.visits += thread.visits;
            merged.depthsMatchPaths = merged.depthsMatchPaths && thread.depthsMatchPaths;
            merged.errors.insert(merged.errors.end(), thread.errors.begin(), thread.errors.end());
        }
        std::sort(merged.errors.begin(), merged.errors.end());
        return Outcome{sequential.errors == std::vector<fs::path>{tree / "f3/8", tree / "f4/39"} &&
                           sequential.entries.size() == 5 + 40 + 38 * 6 + 1,
                       merged.entries == sequential.entries && merged.visits == sequential.visits,
                       merged.errors == sequential.errors, merged.depthsMatchPaths, threads.size()};
    });
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->sequentialReportsBoth);
    EXPECT_TRUE(outcome->sameEntries);
    EXPECT_TRUE(outcome->sameErrors);
    EXPECT_TRUE(outcome->depthsRight);
    EXPECT_EQ(outcome->threads > 1, std::thread::hardware_concurrency() > 1);
}

int openDescriptorCount() {
    return static_cast<int>(
        std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{}));
}

TEST(DirectoryWalker, ADeepTreeIsWalkedWithABoundedNumberOfOpenDescriptors) {
    constexpr int kDepth = 150;
    test::TempTree tree;
    fs::path level;
    for (int depth = 0; depth < kDepth; ++depth) {
        level /= "d";
        // Names differ by level so that the subfolder is not listed last everywhere: the walk
        // must then climb back into folders whose descriptors it released.
        tree.file(level / std::to_string(2 * depth));
        tree.file(level / std::to_string(2 * depth + 1));
    }
    const int before = openDescriptorCount();
    int mostOpen = 0;
    int files = 0;
    ASSERT_TRUE(walkDirectory(
        tree.root(), {},
        [&](const WalkEntry& entry) {
            if (entry.type() == EntryType::regular) {
                files += fs::exists(fs::symlink_status(entry.path())) ? 1 : 0;
            }
            if (entry.depth() % 30 == 0) {
                mostOpen = std::max(mostOpen, openDescriptorCount() - before);
            }
            return WalkAction::descend;
        },
        [](const fs::path&, int) { ADD_FAILURE(); }));
    EXPECT_EQ(files, 2 * kDepth);
    EXPECT_LE(mostOpen, 70);
    EXPECT_EQ(openDescriptorCount(), before);
}

TEST(DirectoryWalker, ListingGivesTheDirectEntriesOrNoneWhenTheFolderCannotBeRead) {
    test::TempTree tree;
    tree.file("dir/.DS_Store");
    tree.file("dir/a/deep.txt");
    tree.file("dir/b.txt");
    const auto entries = listDirectory(tree / "dir", /*skipHiddenEntries=*/true);
    ASSERT_TRUE(entries);
    std::set<model::Location> locations;
    for (const ListedEntry& entry : *entries) {
        locations.insert(entry.location);
    }
    EXPECT_EQ(locations, (std::set<model::Location>{tree / "dir/a", tree / "dir/b.txt"}));
    EXPECT_EQ(listDirectory(tree / "dir", false)->size(), 3U);
    EXPECT_FALSE(listDirectory(tree / "nowhere", false));
}

} // namespace
} // namespace sorvale::engine

#include "engine/DirectoryWalker.h"

#include "support/TempTree.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using platform::EntryType;

struct Visit {
    std::string relative;
    EntryType type;
    std::size_t depth;
};

struct WalkRecord {
    bool opened = false;
    std::vector<Visit> visits;
    std::vector<fs::path> errors;

    [[nodiscard]] std::map<std::string, EntryType> types() const {
        std::map<std::string, EntryType> result;
        for (const Visit& visit : visits) {
            result[visit.relative] = visit.type;
        }
        return result;
    }
};

WalkRecord record(const fs::path& root, WalkOptions options = {},
                  const std::function<WalkAction(const WalkEntry&)>& decide = {}) {
    WalkRecord result;
    result.opened = walkDirectory(
        root, options,
        [&](const WalkEntry& entry) {
            result.visits.push_back(
                {entry.path().lexically_relative(root).native(), entry.type(), entry.depth()});
            return decide ? decide(entry) : WalkAction::descend;
        },
        [&](const fs::path& path, int) { result.errors.push_back(path); });
    return result;
}

TEST(DirectoryWalker, VisitsEveryEntryOnceWithParentsBeforeTheirContents) {
    test::TempTree tree;
    tree.file("a/b/c.txt", 10);
    tree.file("a/.hidden/d.txt", 10);
    tree.file("top.txt");
    const WalkRecord walk = record(tree.root());
    ASSERT_TRUE(walk.opened);
    EXPECT_TRUE(walk.errors.empty());
    const auto types = walk.types();
    EXPECT_EQ(types, (std::map<std::string, EntryType>{{"a", EntryType::directory},
                                                       {"a/b", EntryType::directory},
                                                       {"a/b/c.txt", EntryType::regular},
                                                       {"a/.hidden", EntryType::directory},
                                                       {"a/.hidden/d.txt", EntryType::regular},
                                                       {"top.txt", EntryType::regular}}));
    EXPECT_EQ(walk.visits.size(), types.size());
    std::map<std::string, std::size_t> position;
    for (std::size_t i = 0; i < walk.visits.size(); ++i) {
        position[walk.visits[i].relative] = i;
        const fs::path relative = walk.visits[i].relative;
        EXPECT_EQ(walk.visits[i].depth,
                  static_cast<std::size_t>(std::distance(relative.begin(), relative.end())));
    }
    EXPECT_LT(position["a"], position["a/b"]);
    EXPECT_LT(position["a/b"], position["a/b/c.txt"]);
}

TEST(DirectoryWalker, HiddenEntriesPackagesAndRefusedFoldersAreNotEntered) {
    test::TempTree tree;
    tree.file(".cache/inside.txt");
    tree.file("Foo.app/Contents/MacOS/Foo");
    tree.file("keep/skip-me/inside.txt");
    tree.file("keep/file.txt");
    const WalkRecord walk = record(
        tree.root(), {.skipHiddenEntries = true, .skipPackageContents = true},
        [](const WalkEntry& entry) {
            return entry.name() == "skip-me" ? WalkAction::skipDescendants : WalkAction::descend;
        });
    EXPECT_EQ(walk.types(),
              (std::map<std::string, EntryType>{{"Foo.app", EntryType::directory},
                                                {"keep", EntryType::directory},
                                                {"keep/skip-me", EntryType::directory},
                                                {"keep/file.txt", EntryType::regular}}));
}

TEST(DirectoryWalker, LinksAreReportedButNeverFollowedEvenInLoops) {
    test::TempTree tree;
    tree.file("outside/secret.txt");
    tree.folder("root/sub");
    tree.symlink("root/to-outside", tree / "outside");
    tree.symlink("root/sub/to-parent", "..");
    tree.symlink("root/loop-a", "loop-b");
    tree.symlink("root/loop-b", "loop-a");
    const WalkRecord walk = record(tree / "root");
    EXPECT_EQ(walk.types(),
              (std::map<std::string, EntryType>{{"sub", EntryType::directory},
                                                {"sub/to-parent", EntryType::symbolicLink},
                                                {"to-outside", EntryType::symbolicLink},
                                                {"loop-a", EntryType::symbolicLink},
                                                {"loop-b", EntryType::symbolicLink}}));
}

TEST(DirectoryWalker, ARootThatIsNotAFolderCannotBeWalked) {
    test::TempTree tree;
    tree.file("plain.txt");
    tree.folder("real");
    tree.symlink("link", tree / "real");
    EXPECT_FALSE(record(tree / "missing").opened);
    EXPECT_FALSE(record(tree / "plain.txt").opened);
    EXPECT_FALSE(record(tree / "link").opened) << "the root is not followed either";
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

TEST(DirectoryWalker, AnUnreadableFolderIsReportedAndTheWalkGoesOn) {
    test::TempTree tree;
    tree.file("open/a.txt");
    tree.file("closed/b.txt");
    tree.file("z.txt");
    tree.makeInaccessible("closed");
    struct Outcome {
        int visited;
        int errors;
        bool errorNamesTheFolder;
    };
    const auto outcome = test::runUnprivileged<Outcome>([&] {
        const WalkRecord walk = record(tree.root());
        return Outcome{static_cast<int>(walk.visits.size()), static_cast<int>(walk.errors.size()),
                       walk.errors.size() == 1 && walk.errors.front() == tree / "closed"};
    });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->visited, 4); // open, open/a.txt, closed and z.txt; not closed/b.txt
    EXPECT_EQ(outcome->errors, 1);
    EXPECT_TRUE(outcome->errorNamesTheFolder);
}

int openDescriptorCount() {
    return static_cast<int>(
        std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{}));
}

TEST(DirectoryWalker, ADeepTreeIsWalkedWithABoundedNumberOfOpenDescriptors) {
    constexpr int kDepth = 150;
    constexpr int kFilesPerLevel = 2;
    test::TempTree tree;
    fs::path level;
    for (int depth = 0; depth < kDepth; ++depth) {
        level /= "d";
        for (int file = 0; file < kFilesPerLevel; ++file) {
            // Names differ by level so that the subfolder is not listed last everywhere: the walk
            // must then climb back into folders whose descriptors it released.
            tree.file(level / std::to_string(depth * kFilesPerLevel + file));
        }
    }
    const int before = openDescriptorCount();
    int mostOpen = 0;
    int files = 0;
    bool everyPathExists = true;
    ASSERT_TRUE(walkDirectory(
        tree.root(), {},
        [&](const WalkEntry& entry) {
            if (entry.type() == EntryType::regular) {
                ++files;
                everyPathExists = everyPathExists && fs::exists(fs::symlink_status(entry.path()));
            }
            if (entry.depth() % 50 == 0) {
                mostOpen = std::max(mostOpen, openDescriptorCount() - before);
            }
            return WalkAction::descend;
        },
        [](const fs::path&, int) { ADD_FAILURE(); }));
    EXPECT_EQ(files, kDepth * kFilesPerLevel);
    EXPECT_TRUE(everyPathExists);
    EXPECT_LE(mostOpen, 70);
    EXPECT_EQ(openDescriptorCount(), before);
}

TEST(DirectoryWalker, AConcurrentWalkMeetsWhatTheSequentialWalkMeetsAtTheSameDepths) {
    test::TempTree tree;
    for (int folder = 0; folder < 40; ++folder) {
        const fs::path nested = fs::path("f" + std::to_string(folder % 5)) / std::to_string(folder);
        for (int file = 0; file < 6; ++file) {
            tree.file(nested / std::to_string(file));
        }
    }
    tree.symlink("f0/loop", "..");
    tree.makeInaccessible("f3/8");
    tree.makeInaccessible("f4/39");

    struct Outcome {
        bool sameEntries;
        bool sameErrors;
        bool depthsRight;
        std::size_t workers;
    };
    const auto outcome = test::runUnprivileged<Outcome>([&] {
        const WalkRecord sequential = record(tree.root());
        std::deque<WalkRecord> perWorker;
        // Sharing from the first entry on, so that even this small tree is split.
        (void)walkDirectoryConcurrently(
            tree.root(), {},
            [&](std::size_t) {
                WalkRecord& worker = perWorker.emplace_back();
                return WalkWorker{
                    [&worker, &tree](const WalkEntry& entry) {
                        worker.visits.push_back({entry.path().lexically_relative(tree.root()),
                                                 entry.type(), entry.depth()});
                        return WalkAction::descend;
                    },
                    [&worker](const fs::path& path, int) { worker.errors.push_back(path); }};
            },
            /*entriesBeforeSharing=*/0);
        WalkRecord merged;
        for (const WalkRecord& worker : perWorker) {
            merged.visits.insert(merged.visits.end(), worker.visits.begin(), worker.visits.end());
            merged.errors.insert(merged.errors.end(), worker.errors.begin(), worker.errors.end());
        }
        const bool depthsRight =
            std::all_of(merged.visits.begin(), merged.visits.end(), [](const Visit& visit) {
                const fs::path relative = visit.relative;
                return visit.depth ==
                       static_cast<std::size_t>(std::distance(relative.begin(), relative.end()));
            });
        std::sort(merged.errors.begin(), merged.errors.end());
        auto sequentialErrors = sequential.errors;
        std::sort(sequentialErrors.begin(), sequentialErrors.end());
        return Outcome{merged.types() == sequential.types() &&
                           merged.visits.size() == sequential.visits.size(),
                       merged.errors == sequentialErrors && merged.errors.size() == 2, depthsRight,
                       perWorker.size()};
    });
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->sameEntries);
    EXPECT_TRUE(outcome->sameErrors);
    EXPECT_TRUE(outcome->depthsRight);
    EXPECT_EQ(outcome->workers > 1, std::thread::hardware_concurrency() > 1);
}

TEST(DirectoryWalker, ListingGivesTheDirectEntriesOrNoneWhenTheFolderCannotBeRead) {
    test::TempTree tree;
    tree.file("dir/.DS_Store");
    tree.file("dir/a/deep.txt");
    tree.file("dir/b.txt");
    auto entries = listDirectory(tree / "dir", /*skipHiddenEntries=*/true);
    ASSERT_TRUE(entries);
    std::sort(entries->begin(), entries->end());
    EXPECT_EQ(*entries, (std::vector<fs::path>{tree / "dir/a", tree / "dir/b.txt"}));
    EXPECT_EQ(listDirectory(tree / "dir", false)->size(), 3U);
    EXPECT_FALSE(listDirectory(tree / "nowhere", false));
}

} // namespace
} // namespace sorvale::engine

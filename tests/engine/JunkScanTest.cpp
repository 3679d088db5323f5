// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/ScanEngine.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;
using Kind = model::CleanupOperation::Kind;

constexpr std::size_t kBlock = 4096;

struct Found {
    std::string name;
    CleanupCategory category;
    std::int64_t size;
    Kind operation = Kind::moveToTrash;
    bool operator==(const Found&) const = default;
};

std::vector<Found> found(const std::vector<model::CleanupItem>& items) {
    std::vector<Found> result;
    for (const auto& item : items) {
        result.push_back({item.name, item.category, item.size, item.operation.kind()});
    }
    return result;
}

// A home and a system root in which every kind of candidate has a size of its own, in blocks.
class JunkScan : public ::testing::Test {
protected:
    void SetUp() override { ::unsetenv("XDG_DATA_HOME"); }
    void blocks(const fs::path& relative, std::size_t count) {
        tree.file(relative, count * kBlock);
    }
    static std::int64_t size(std::size_t count) {
        return static_cast<std::int64_t>(count * kBlock);
    }

    test::TempTree tree;
    fs::path home = tree / "home";
    ScanEngine engine{tree / "root", model::HomeLayout::macos};
};

TEST_F(JunkScan, EveryKindOfCandidateIsFoundOnceInSizeOrder) {
    blocks("home/Library/Caches/com.apple.dt.Xcode/a", 3);
    blocks("home/Library/Caches/com.apple.Safari/a", 4);
    blocks("home/Library/Caches/com.example.xcodeplugin/a", 5);
    blocks("home/Library/Caches/Homebrew/a", 6);
    blocks("home/Library/Caches/com.apple.searchd/a", 7);
    blocks("home/Library/Caches/.hidden-cache/a", 8);
    blocks("home/Library/Caches/.DS_Store", 1);
    blocks("home/Library/Logs/app.log", 9);
    tree.file("home/Library/Logs/empty.log");
    blocks("home/.local/share/Trash/files/old.zip", 10);
    blocks("home/Library/Developer/CoreSimulator/Devices/DEVICE-1/data", 11);
    blocks("home/Library/Developer/CoreSimulator/Devices/stray.txt", 12);
    tree.script("root/usr/bin/xcrun",
                R"(echo '{"R1": {"deletable": true, "sizeBytes": 53248, "version": "17.2",)"
                R"( "platformIdentifier": "com.apple.platform.iphonesimulator"}}')");
    blocks("root/Library/Developer/CoreSimulator/Caches/dyld/x", 14);
    blocks("home/Library/Mail/V10/A/INBOX.mbox/Data/Attachments/1/report.pdf", 15);
    blocks("home/Library/Containers/com.apple.mail/Data/Library/Mail Downloads/attached.pdf", 16);
    blocks("root/Library/Caches/com.apple.system/x", 17);
    blocks("home/Library/Containers/com.example.Notes/Data/Library/Caches/x", 18);
    blocks("home/Library/Containers/com.example.Notes/Library/Caches/x", 19);
    tree.folder("home/Library/Containers/com.example.Empty/Data/Library/Caches");
    tree.file("home/Library/Containers/stray-file");
    blocks("home/Library/Group Containers/group.com.example.shared/Library/WebKit/x", 20);
    blocks("home/Library/Saved Application State/com.example.savedState/x", 21);
    // Listed by the crash-report row first, then met again by the Application Support search.
    blocks("home/Library/Application Support/CrashReporter/Cache/x", 22);
    blocks("home/Library/Application Support/Vendor/App/Cache/x", 23);

    const model::ScanSnapshot junk = engine.scanJunk(home);
    EXPECT_EQ(junk.inaccessibleCount, 0);
    using enum CleanupCategory;
    EXPECT_EQ(
        found(junk.items),
        (std::vector<Found>{
            {"App \u2014 Cache", applicationCaches, size(23)},
            {"Cache", logs, size(22)},
            {"com.example.savedState", savedState, size(21)},
            {"group.com.example.shared web data", webData, size(20)},
            {"com.example.Notes cache", applicationCaches, size(19)},
            {"com.example.Notes cache", applicationCaches, size(18)},
            {"com.apple.system", systemCaches, size(17)},
            {"attached.pdf", mailDownloads, size(16)},
            {"report.pdf", mailDownloads, size(15)},
            {"Simulator Shared Caches", xcodeCaches, size(14), Kind::removeSimulatorCaches},
            {"iOS 17.2 Simulator Runtime", xcodeRuntimes, 53248, Kind::deleteSimulatorRuntime},
            {"stray.txt", xcodeSimulatorDevices, size(12), Kind::deleteSimulatorDevice},
            {"DEVICE-1", xcodeSimulatorDevices, size(11), Kind::deleteSimulatorDevice},
            {"old.zip", trash, size(10)},
            {"app.log", logs, size(9)},
            {".hidden-cache", userCaches, size(8)},
            {"com.apple.searchd", browserCaches, size(7)},
            {"Homebrew", developerCaches, size(6)},
            {"com.example.xcodeplugin", xcodeCaches, size(5)},
            {"com.apple.Safari", browserCaches, size(4)},
            {"com.apple.dt.Xcode", developerCaches, size(3)},
        }));
    EXPECT_EQ(junk.items[11].operation.identifier(), "stray.txt");
    EXPECT_EQ(junk.items[10].operation.identifier(), "R1");
}

TEST_F(JunkScan, RuntimesWithoutAPathOfTheirOwnStayApartAndOnlyTheEmptyOneIsDropped) {
    tree.script("root/usr/bin/xcrun",
                R"(echo '{"A": {"deletable": true, "sizeBytes": 0}, "B": {"deletable": true,)"
                R"( "sizeBytes": 9000}, "C": {"deletable": true, "sizeBytes": 7000}}')");
    const auto items = engine.scanJunk(home).items;
    ASSERT_EQ(items.size(), 2U);
    EXPECT_EQ(items[0].operation.identifier(), "B");
    EXPECT_EQ(items[1].operation.identifier(), "C");
    EXPECT_NE(items[0].id, items[1].id);
    EXPECT_EQ(items[0].url, items[1].url);
}

TEST_F(JunkScan, ApplicationSupportIsSearchedForCacheFoldersWithinItsLimits) {
    const fs::path support = "home/Library/Application Support";
    blocks(support / "Vendor/App/Cache/x", 2);
    blocks(support / "a/b/c/d/Cache/x", 3);
    blocks(support / "a/b/c/d/e/Cache/x", 4);
    blocks(support / "project/node_modules/dep/Cache/x", 5);
    tree.file(support / "Slack/Cache/empty");
    blocks(support / "Code/Cache/Cache/x", 7);
    blocks(support / ".hidden/Cache/x", 8);
    blocks(support / "Tool.app/Contents/Cache/x", 9);
    blocks(support / "Mail/Cache/x", 10);
    blocks(support / "MobileSync/Cache/x", 11);
    blocks(support / "Web/CacheStorage/x", 12);
    blocks(support / "Files/Cache", 13);

    const model::ScanSnapshot found = engine.scanJunk(home);
    std::vector<std::string> names;
    for (const auto& item : found.items) {
        names.push_back(item.name + (item.category == CleanupCategory::webData ? " (web)" : ""));
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"App \u2014 Cache", "Code \u2014 Cache",
                                               "Web \u2014 CacheStorage (web)", "d \u2014 Cache"}));
    EXPECT_EQ(found.inaccessibleCount, 0);
}

TEST_F(JunkScan, EachUnreadablePlaceCountsOnceAndUnreadableContainersNotAtAll) {
    blocks("home/Library/Logs/app.log", 1);
    tree.makeInaccessible("home/Library/Logs");
    blocks("home/Library/Caches/partial/readable", 2);
    blocks("home/Library/Caches/partial/locked/x", 1);
    tree.makeInaccessible("home/Library/Caches/partial/locked");
    blocks("home/Library/Application Support/One/locked/Cache/x", 1);
    blocks("home/Library/Application Support/Two/locked/Cache/x", 1);
    tree.makeInaccessible("home/Library/Application Support/One/locked");
    tree.makeInaccessible("home/Library/Application Support/Two/locked");
    tree.folder("home/Library/Developer/CoreSimulator/Devices");
    tree.makeInaccessible("home/Library/Developer/CoreSimulator/Devices");
    blocks("home/Library/Containers/com.example.App/Data/Library/Caches/x", 1);
    tree.makeInaccessible("home/Library/Containers");
    blocks("home/Library/Mail/V10/A/Attachments/x.pdf", 1);
    blocks("home/Library/Mail/V10/B/Attachments/y.pdf", 1);
    tree.makeInaccessible("home/Library/Mail/V10/A");
    tree.makeInaccessible("home/Library/Mail/V10/B");

    struct Outcome {
        std::size_t items;
        std::int64_t inaccessibleCount;
    };
    const auto outcome = test::runUnprivileged<Outcome>([&] {
        const auto junk = engine.scanJunk(home);
        return Outcome{junk.items.size(), junk.inaccessibleCount};
    });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->items, 1U) << "the partly readable cache is still offered";
    EXPECT_EQ(outcome->inaccessibleCount, 5);
}

} // namespace
} // namespace sorvale::engine

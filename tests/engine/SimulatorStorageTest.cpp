// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/ScanEngine.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace sorvale::engine {
namespace {

using model::CleanupOperation;

// A system root whose xcrun records its arguments and answers as the test says, and the
// runtimes that the junk scan of an empty home finds through it.
class SimulatorStorage : public ::testing::Test {
protected:
    void xcrun(const std::string& body) {
        tree.script("root/usr/bin/xcrun",
                    "echo \"$@\" >> '" + (tree / "calls").native() + "'\n" + body);
    }
    std::string calls() const { return test::contents(tree / "calls"); }
    std::vector<model::CleanupItem> runtimes() const {
        auto items = engine.scanJunk(tree / "home").items;
        std::erase_if(items, [](const model::CleanupItem& item) {
            return item.category != model::CleanupCategory::xcodeRuntimes;
        });
        return items;
    }
    // The runtime simctl's listing makes of `record` under the key "KEY".
    model::CleanupItem runtime(const std::string& record) {
        xcrun("cat <<'END'\n{\"KEY\": " + record + "}\nEND");
        const auto items = runtimes();
        model::CleanupItem none;
        none.name = "(no item)";
        return items.size() == 1 ? items.front() : none;
    }

    test::TempTree tree;
    ScanEngine engine{tree / "root", model::HomeLayout::macos};
};

TEST_F(SimulatorStorage, OnlyDeletableRecordsWithASizeBecomeRuntimes) {
    EXPECT_EQ(runtime(R"({"deletable": true, "sizeBytes": 5})").name,
              "Simulator Runtime Simulator Runtime");
    EXPECT_EQ(runtime(R"({"deletable": false, "sizeBytes": 5})").name, "(no item)");
    EXPECT_EQ(runtime(R"({"deletable": "true", "sizeBytes": 5})").name, "(no item)");
    EXPECT_EQ(runtime(R"({"deletable": true})").name, "(no item)");
    EXPECT_EQ(runtime(R"("not a record")").name, "(no item)");
    xcrun("echo '[1, 2]'");
    EXPECT_TRUE(runtimes().empty());
}

TEST_F(SimulatorStorage, RecordsAreNamedLocatedAndDatedFromTheirKeys) {
    const auto iOS = runtime(R"({"deletable": true, "sizeBytes": 7000000000, "version": "17.2",
        "identifier": "ID-1", "platformIdentifier": "com.apple.platform.iphonesimulator",
        "mountPath": "/Volumes/iOS", "path": "/ignored", "lastUsedAt": "2026-01-31T13:00:00+01:00"})");
    EXPECT_EQ(iOS.name, "iOS 17.2 Simulator Runtime");
    EXPECT_EQ(iOS.size, 7'000'000'000);
    EXPECT_EQ(iOS.url, "/Volumes/iOS");
    EXPECT_EQ(iOS.id, iOS.url);
    EXPECT_EQ(iOS.operation, CleanupOperation::deleteSimulatorRuntime("ID-1"));
    EXPECT_EQ(iOS.modifiedAt, model::Date(std::chrono::seconds(1'769'860'800)));

    const auto vision = runtime(R"({"deletable": true, "sizeBytes": 1, "version": "1.0",
        "platformIdentifier": "com.apple.platform.xrsimulator", "path": "/Library/xr",
        "lastUsedAt": "2026-01-31T12:00:00.5Z"})");
    EXPECT_EQ(vision.name, "visionOS 1.0 Simulator Runtime");
    EXPECT_EQ(vision.url, "/Library/xr");
    EXPECT_EQ(vision.operation, CleanupOperation::deleteSimulatorRuntime("KEY"));
    EXPECT_EQ(vision.modifiedAt, std::nullopt);

    const auto bare = runtime(R"({"deletable": true, "sizeBytes": 1, "version": "17.2",
        "platformIdentifier": "com.example.other", "lastUsedAt": "2026-02-30T12:00:00Z"})");
    EXPECT_EQ(bare.name, "Simulator 17.2 Simulator Runtime");
    EXPECT_EQ(bare.url, tree / "root/Library/Developer/CoreSimulator");
    EXPECT_EQ(bare.modifiedAt, std::nullopt);
    EXPECT_EQ(runtime(R"({"deletable": true, "sizeBytes": 1,
        "platformIdentifier": "com.apple.platform.iphonesimulator"})")
                  .name,
              "iOS Runtime Simulator Runtime");
}

TEST_F(SimulatorStorage, TheListingIsReadOnlyWhenSimctlSucceedsWithPureJson) {
    xcrun(R"(echo '{"R": {"deletable": true, "sizeBytes": 9}}')");
    EXPECT_EQ(runtimes().size(), 1U);
    EXPECT_EQ(calls(), "simctl runtime list -j\n");
    xcrun(R"(echo 'warning: Xcode is busy'; echo '{"R": {"deletable": true, "sizeBytes": 9}}')");
    EXPECT_TRUE(runtimes().empty());
    xcrun(R"(echo '{"R": {"deletable": true, "sizeBytes": 9}}'; exit 1)");
    EXPECT_TRUE(runtimes().empty());
}

} // namespace
} // namespace sorvale::engine

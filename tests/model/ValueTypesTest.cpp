// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "model/CleanupItem.h"
#include "model/Location.h"
#include "model/Message.h"

#include <gtest/gtest.h>

#include <functional>
#include <unordered_set>

namespace sorvale::model {
namespace {

CleanupItem sampleItem() {
    return CleanupItem{
        .id = "/home/u/Library/Caches/com.example",
        .url = "/home/u/Library/Caches/com.example",
        .name = "com.example",
        .size = 4096,
        .category = CleanupCategory::userCaches,
        .isSelected = false,
        .modifiedAt = Date(std::chrono::seconds(1'700'000'000)),
        .relatedFiles = {},
        .operation = CleanupOperation::moveToTrash(),
        .owner = {},
        .icon = {},
        .nameParts = {},
    };
}

TEST(CleanupItem, EveryFieldTakesPartInEqualityAndHashing) {
    const std::vector<std::function<void(CleanupItem&)>> changes{
        [](CleanupItem& i) { i.id = "/other"; },
        [](CleanupItem& i) { i.url = "/other"; },
        [](CleanupItem& i) { i.name = "other"; },
        [](CleanupItem& i) { i.size = 1; },
        [](CleanupItem& i) { i.category = CleanupCategory::logs; },
        [](CleanupItem& i) { i.modifiedAt.reset(); },
        [](CleanupItem& i) { i.relatedFiles.push_back("/support"); },
        [](CleanupItem& i) { i.operation = CleanupOperation::uninstallApplication(); },
        [](CleanupItem& i) { i.isSelected = true; },
        [](CleanupItem& i) { i.icon = "/usr/share/icons/hicolor/scalable/apps/tool.svg"; },
        [](CleanupItem& i) { i.nameParts = NameParts(itemName("%1 cache", {"com.example"})); },
    };
    const CleanupItem original = sampleItem();
    std::unordered_set<CleanupItem> distinct{original};
    for (const auto& change : changes) {
        CleanupItem changed = original;
        change(changed);
        EXPECT_NE(changed, original);
        distinct.insert(changed);
    }
    EXPECT_EQ(distinct.size(), changes.size() + 1) << "hashing must tell every variant apart";
    EXPECT_EQ(std::hash<CleanupItem>{}(sampleItem()), std::hash<CleanupItem>{}(original));
}

TEST(CleanupOperation, SimulatorCasesCompareTheirIdentifiers) {
    using Op = CleanupOperation;
    EXPECT_EQ(Op::deleteSimulatorDevice("A"), Op::deleteSimulatorDevice("A"));
    EXPECT_NE(Op::deleteSimulatorDevice("A"), Op::deleteSimulatorDevice("B"));
    EXPECT_NE(Op::deleteSimulatorRuntime("A"), Op::deleteSimulatorDevice("A"));
    EXPECT_EQ(Op{}, Op::moveToTrash());
    EXPECT_TRUE(Op::removeSimulatorCaches().isManagedXcodeOperation());
    EXPECT_TRUE(Op::deleteSimulatorRuntime("A").isManagedXcodeOperation());
    EXPECT_FALSE(Op::optimizeUniversal().isManagedXcodeOperation());
    EXPECT_EQ(rawValue(Op::Kind::uninstallApplication), "uninstallApplication");
}

TEST(Location, StandardizedFormDropsDotsAndTrailingSeparatorsButNotLinks) {
    EXPECT_EQ(standardized("/a/b/"), "/a/b");
    EXPECT_EQ(standardized("/a/./b/../c"), "/a/c");
    EXPECT_EQ(standardized("/a//b"), "/a/b");
    EXPECT_EQ(standardized("/"), "/");
    EXPECT_EQ(standardized("/Applications/Foo.app/"), standardized("/Applications/Foo.app"));
    for (const char* location : {"/a/b/", "/a/./b/../c", "/a//b", "/", "/a/b", "a/b", "a", "", ".",
                                 "..", "/a/..", "a/b/.", "/x/.hidden/y", "/x/..y/z"}) {
        EXPECT_EQ(standardizedBytes(location), standardized(location).native()) << location;
    }
}

TEST(Location, BytesOfAnyKindComeBackAsTheyWentInAndTheirPartsAsPathsSplitThem) {
    const std::string longName(255, 'n');
    std::string deep;
    for (int level = 0; level < 40; ++level) {
        deep += "/" + longName;
    }
    for (const std::string& bytes :
         {std::string("/home/u/bad\xFF\xFE name"), std::string("/home/u/line\nbreak/x"), deep,
          std::string("/"), std::string("relative/x"), std::string("name"), std::string("/a/b/"),
          std::string("//x")}) {
        const Location location(bytes);
        const Location copy = location;
        EXPECT_EQ(copy.bytes(), bytes);
        EXPECT_EQ(std::string(copy.c_str()), bytes);
        EXPECT_EQ(copy.path().native(), bytes);
        const std::filesystem::path path(bytes);
        EXPECT_EQ(copy.name(), path.filename().native()) << bytes;
        EXPECT_EQ(copy.folder(), path.parent_path().native()) << bytes;
    }
}

TEST(Location, ASightingTravelsWithEveryCopyButNeverDecidesEquality) {
    const auto folder = std::make_shared<const FolderSighting>(
        FolderSighting{.rootLength = 6, .root = {1, 2, 3}, .folder = {1, 4, 5}});
    Location seen("/root/entry", folder, FileIdentity{1, 6, 7});
    const Location copy = seen;
    Location moved = std::move(seen);
    ASSERT_TRUE(copy.sighting());
    EXPECT_EQ(*copy.sighting(), (Sighting{*folder, FileIdentity{1, 6, 7}}));
    EXPECT_EQ(moved.sighting(), copy.sighting());
    EXPECT_FALSE(Location("/root/entry").sighting());
    EXPECT_EQ(Location("/root/entry"), copy);
    EXPECT_EQ(std::hash<Location>{}(Location("/root/entry")), std::hash<Location>{}(copy));
    EXPECT_TRUE(Location().empty());
}

TEST(Message, FillsEachPlaceOnceSoThatAnArgumentThatLooksLikeAPlaceStaysAsItIs) {
    EXPECT_EQ((Message{"Close %1 before removing %2.", {"Files", "%2 %1 100%"}}.english()),
              "Close Files before removing %2 %1 100%.");
    EXPECT_EQ((Message{"%2, then %1; %3 and 5%", {"a", "b"}}.english()), "b, then a; %3 and 5%");
    // The places after the arguments take whole sentences, themselves filled.
    const Message reason{"%1 stays: %2", {"%2"}};
    EXPECT_EQ((Message{"%1 failed: %2 (%3)", {"Tool"}, {reason, {"none"}}}.english()),
              "Tool failed: %2 stays: %2 (none)");
}

} // namespace
} // namespace sorvale::model

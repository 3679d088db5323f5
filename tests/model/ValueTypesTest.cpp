#include "model/CleanupItem.h"
#include "model/Location.h"

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
        .modifiedAt = Date(std::chrono::seconds(1'700'000'000)),
        .relatedFiles = {},
        .operation = CleanupOperation::moveToTrash(),
        .isSelected = false,
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
}

} // namespace
} // namespace sorvale::model

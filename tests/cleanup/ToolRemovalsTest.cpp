#include "cleanup/ToolRemovals.h"

#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace sorvale::cleanup {
namespace {

using model::CleanupOperation;

TEST(ToolRemovals, SimulatorItemsRunTheirCommandLinesAndReportTheToolsOwnWords) {
    test::TempTree tree;
    const engine::ScanEngine engine(tree / "root", model::HomeLayout::macos);
    const auto xcrun = [&](const std::string& body) {
        tree.script("root/usr/bin/xcrun",
                    "echo \"$@\" >> '" + (tree / "calls").native() + "'\n" + body);
    };
    const auto item = [](CleanupOperation operation) {
        model::CleanupItem managed;
        managed.operation = std::move(operation);
        return managed;
    };
    const ItemResult xcodeFailed = ItemResult::failed("Xcode could not remove the selected item.");
    EXPECT_EQ(removeThroughTool(engine, item(CleanupOperation::removeSimulatorCaches())),
              xcodeFailed)
        << "xcrun is missing";

    xcrun("exit 0");
    EXPECT_EQ(removeThroughTool(engine, item(CleanupOperation::deleteSimulatorRuntime("R-1"))),
              ItemResult::removed());
    EXPECT_EQ(removeThroughTool(engine, item(CleanupOperation::deleteSimulatorDevice("D-1"))),
              ItemResult::removed());
    EXPECT_EQ(removeThroughTool(engine, item(CleanupOperation::removeSimulatorCaches())),
              ItemResult::removed());
    EXPECT_EQ(test::contents(tree / "calls"), "simctl runtime delete R-1\nsimctl delete D-1\n"
                                              "simctl runtime dyld_shared_cache remove --all\n");

    xcrun("printf 'Unable to delete:\\n  in use\\n'; exit 3");
    EXPECT_EQ(removeThroughTool(engine, item(CleanupOperation::deleteSimulatorDevice("D-1"))),
              ItemResult::failed("Unable to delete:\n  in use\n"));
    xcrun("exit 3");
    EXPECT_EQ(removeThroughTool(engine, item(CleanupOperation::deleteSimulatorDevice("D-1"))),
              xcodeFailed);
}

} // namespace
} // namespace sorvale::cleanup

#include "cleanup/ToolRemovals.h"

#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace sorvale::cleanup {
namespace {

using model::CleanupOperation;

TEST(ToolRemovals, SimulatorItemsRunTheirCommandLinesAndReportTheToolsOwnWords) {
    test::TempTree tree;
    const engine::ScanEngine engine(tree / "root");
    const auto xcrun = [&](const std::string& body) {
        tree.script("root/usr/bin/xcrun",
                    "echo \"$@\" >> '" + (tree / "calls").native() + "'\n" + body);
    };
    const auto item = [](CleanupOperation operation) {
        model::CleanupItem managed;
        managed.operation = std::move(operation);
        return managed;
    };
    EXPECT_EQ(removeThroughTool(engine, item(CleanupOperation::removeSimulatorCaches())),
              "Xcode could not remove the selected item.")
        << "xcrun is missing";

    xcrun("exit 0");
    EXPECT_EQ(removeThroughTool(engine, item(CleanupOperation::deleteSimulatorRuntime("R-1"))),
              std::nullopt);
    EXPECT_EQ(removeThroughTool(engine, item(CleanupOperation::deleteSimulatorDevice("D-1"))),
              std::nullopt);
    EXPECT_EQ(removeThroughTool(engine, item(CleanupOperation::removeSimulatorCaches())),
              std::nullopt);
    EXPECT_EQ(test::contents(tree / "calls"), "simctl runtime delete R-1\nsimctl delete D-1\n"
                                              "simctl runtime dyld_shared_cache remove --all\n");

    xcrun("printf 'Unable to delete:\\n  in use\\n'; exit 3");
    EXPECT_EQ(removeThroughTool(engine, item(CleanupOperation::deleteSimulatorDevice("D-1"))),
              "Unable to delete:\n  in use\n");
    xcrun("exit 3");
    EXPECT_EQ(removeThroughTool(engine, item(CleanupOperation::deleteSimulatorDevice("D-1"))),
              "Xcode could not remove the selected item.");
}

} // namespace
} // namespace sorvale::cleanup

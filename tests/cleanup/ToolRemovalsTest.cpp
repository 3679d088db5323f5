// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "cleanup/ToolRemovals.h"

#include "support/LinuxHome.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvale::cleanup {
namespace {

namespace fs = std::filesystem;
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
    const ItemResult xcodeFailed =
        ItemResult::failed(model::Message{"Xcode could not remove the selected item."});
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

// A system root with one item of each kind of system storage, and stand-ins for the tools that
// record how they were called.
class SystemToolRemovals : public ::testing::Test {
protected:
    void SetUp() override {
        test::unsetBaseFolders();
        tree.file("root/var/cache/apt/archives/git_2.39_amd64.deb", 8192);
        tree.file("root/var/log/journal/m/system@1.journal", 8192);
        tree.file("root/var/lib/snapd/snaps/firefox_1.snap", 8192);
        tree.symlink("root/snap/firefox/current", "2");
        tree.symlink("home/.local/share/flatpak/runtime/org.old.Platform/x86_64/1/active", "c");
        tree.file("home/.local/share/flatpak/runtime/org.old.Platform/x86_64/1/c/files/lib.so",
                  8192);
        tree.file("root/var/crash/_usr_bin_tool.0.crash", 8192);
    }
    // A stand-in that records its arguments, one call a line, and then runs `body`.
    void tool(const std::string& name, const std::string& body) {
        tree.script("root/usr/bin/" + name,
                    "echo \"" + name + " $*\" >> '" + (tree / "calls").native() + "'\n" + body);
    }
    std::vector<model::CleanupItem> systemItems() const {
        auto items = engine.scanJunk(tree / "home").items;
        std::erase_if(items, [](const model::CleanupItem& item) {
            return !item.operation.isSystemToolOperation();
        });
        return items;
    }
    model::CleanupItem item(std::string_view name) const {
        for (model::CleanupItem& found : systemItems()) {
            if (found.name == name) {
                return found;
            }
        }
        ADD_FAILURE() << "no item " << name;
        return {};
    }
    std::string calls() const { return test::contents(tree / "calls"); }

    test::TempTree tree;
    engine::ScanEngine engine{tree / "root", model::HomeLayout::linuxDesktop};
};

TEST_F(SystemToolRemovals, EachToolIsRunWithItsOwnArgumentsAndAdministratorRightsOnlyWhereNeeded) {
    tool("pkexec", "exec \"$@\"");
    for (const char* name : {"apt-get", "journalctl", "flatpak", "snap", "rm"}) {
        tool(name, "exit 0");
    }
    std::vector<std::string> names;
    for (const model::CleanupItem& found : systemItems()) {
        names.push_back(found.name);
        EXPECT_EQ(removeThroughTool(engine, found), ItemResult::removed()) << found.name;
    }
    EXPECT_EQ(names.size(), 5U);
    const std::string bin = (tree / "root/usr/bin/").native();
    // Sorted largest first, the items come in no fixed order: compare the calls as a set.
    std::multiset<std::string> lines;
    std::istringstream recorded(calls());
    for (std::string line; std::getline(recorded, line);) {
        lines.insert(line);
    }
    EXPECT_EQ(lines, (std::multiset<std::string>{
                         "pkexec " + bin + "apt-get clean",
                         "apt-get clean",
                         "pkexec " + bin + "journalctl --vacuum-time=1s",
                         "journalctl --vacuum-time=1s",
                         "flatpak uninstall --unused --noninteractive --user",
                         "pkexec " + bin + "snap remove --revision=1 firefox",
                         "snap remove --revision=1 firefox",
                     }));
    // The crash report was the user's own: deleted without asking anyone.
    EXPECT_FALSE(fs::exists(tree / "root/var/crash/_usr_bin_tool.0.crash"));
}

TEST_F(SystemToolRemovals, AMissingToolOrRefusedRightsSkipTheItemAndAFailingToolSaysWhy) {
    const model::CleanupItem cache = item("APT package cache");
    ASSERT_TRUE(cache.nameParts);
    // Sentences the window translates: the tool's name, then the item's own name in parts.
    const auto skipped = [&](std::string_view pattern) {
        return ItemResult::skipped(model::Message{pattern, {"apt-get"}, {*cache.nameParts}});
    };
    EXPECT_EQ(removeThroughTool(engine, cache),
              skipped("%1 is not installed, so the package cache could not be removed."));
    tool("apt-get", "echo 'E: Could not get lock /var/cache/apt/archives/lock.'; exit 100");
    EXPECT_EQ(removeThroughTool(engine, cache),
              skipped("Removing the package cache needs administrator rights, and pkexec is not "
                      "installed to ask for them."));
    tool("pkexec", "exit 126");
    EXPECT_EQ(removeThroughTool(engine, cache),
              skipped("Administrator rights were not granted, so the package cache was left in "
                      "place."));
    tool("pkexec", "exec \"$@\"");
    EXPECT_EQ(removeThroughTool(engine, cache),
              ItemResult::failed("E: Could not get lock /var/cache/apt/archives/lock.\n"));

    // A cache replaced since the scan is not what the user approved: no tool runs.
    fs::rename(tree / "root/var/cache/apt", tree / "root/var/cache/apt.old");
    tree.folder("root/var/cache/apt");
    const std::string before = calls();
    EXPECT_EQ(removeThroughTool(engine, cache).kind, ItemResult::Kind::skipped);
    EXPECT_EQ(calls(), before);
}

TEST_F(SystemToolRemovals, AnotherUsersCrashReportIsDeletedWithAdministratorRights) {
    tool("pkexec", "exit 0");
    tool("rm", "exit 0");
    ::chmod((tree / "root/var/crash").c_str(), 01777);
    test::giveToUnprivilegedUser(tree / "root/usr/bin");
    test::giveToUnprivilegedUser(tree.file("calls"));
    const auto removed = test::runUnprivileged<bool>([&] {
        return removeThroughTool(engine, item("_usr_bin_tool.0.crash")) == ItemResult::removed();
    });
    ASSERT_TRUE(removed);
    EXPECT_TRUE(*removed);
    if (::geteuid() == 0) {
        const fs::path report = tree / "root/var/crash/_usr_bin_tool.0.crash";
        EXPECT_EQ(calls(), "pkexec " + (tree / "root/usr/bin/rm").native() + " -f -- " +
                               report.native() + "\n");
    }
}

} // namespace
} // namespace sorvale::cleanup

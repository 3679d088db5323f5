// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/ScanEngine.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;

// A system root whose tools are small shell scripts.
class ToolRunner : public ::testing::Test {
protected:
    void SetUp() override { ::unsetenv("DEVELOPER_DIR"); }

    void tool(const std::string& absolutePath, const std::string& body) {
        tree.script(fs::path(absolutePath).relative_path(), body);
    }

    test::TempTree tree;
    ScanEngine engine{tree.root()};
};

TEST_F(ToolRunner, ArgumentsReachTheToolVerbatimAndBothStreamsComeBackInterleaved) {
    tool("/usr/bin/lipo", R"(printf '%s|' "$@"; echo; echo to-stderr >&2; echo last; exit 7)");
    const ToolResult result = engine.runTool("/usr/bin/lipo", {"-info", "two words", "$HOME", ""});
    EXPECT_EQ(result.status, 7);
    EXPECT_EQ(result.output, "-info|two words|$HOME||\nto-stderr\nlast\n");
}

TEST_F(ToolRunner, OutputLargerThanAPipeHoldsIsReadWhileTheToolRuns) {
    tool("/usr/bin/chatty", "head -c 204800 /dev/zero | tr '\\000' a; exit 0");
    const ToolResult result = engine.runTool("/usr/bin/chatty", {});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, std::string(204800, 'a'));
}

TEST_F(ToolRunner, BytesThatAreNotUtf8AreReplaced) {
    tool("/usr/bin/binary", R"(printf 'ok\377\n')");
    EXPECT_EQ(engine.runTool("/usr/bin/binary", {}).output, "ok\xEF\xBF\xBD\n");
}

TEST_F(ToolRunner, AToolThatCannotStartGivesMinusOneAndNoOutput) {
    const ToolResult missing = engine.runTool("/usr/bin/absent", {});
    EXPECT_EQ(missing.status, -1);
    EXPECT_EQ(missing.output, "");
    tree.file("usr/bin/not-executable", 10);
    EXPECT_EQ(engine.runTool("/usr/bin/not-executable", {}).status, -1);
}

TEST_F(ToolRunner, XcrunGetsTheReleaseXcodeFirstThenTheBetaThenTheInheritedEnvironment) {
    tool("/usr/bin/xcrun", R"(echo "${DEVELOPER_DIR-unset}")");
    tool("/usr/bin/other", R"(echo "${DEVELOPER_DIR-unset}")");
    EXPECT_EQ(engine.runTool("/usr/bin/xcrun", {}).output, "unset\n");

    tree.folder("Applications/Xcode-beta.app/Contents/Developer");
    EXPECT_EQ(engine.runTool("/usr/bin/xcrun", {}).output,
              (tree / "Applications/Xcode-beta.app/Contents/Developer").native() + "\n");

    tree.folder("Applications/Xcode.app/Contents/Developer");
    EXPECT_EQ(engine.runTool("/usr/bin/xcrun", {}).output,
              (tree / "Applications/Xcode.app/Contents/Developer").native() + "\n");
    EXPECT_EQ(engine.runTool("/usr/bin/other", {}).output, "unset\n");

    ::setenv("DEVELOPER_DIR", "/inherited", 1);
    EXPECT_EQ(engine.runTool("/usr/bin/other", {}).output, "/inherited\n");
    EXPECT_EQ(engine.runTool("/usr/bin/xcrun", {}).output,
              (tree / "Applications/Xcode.app/Contents/Developer").native() + "\n");
    ::unsetenv("DEVELOPER_DIR");
}

} // namespace
} // namespace sorvale::engine

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// Runs the real sorvale-scan program over fixture homes.

#include "engine/ScanEngine.h"
#include "support/BundleFixtures.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>

namespace sorvale::cli {
namespace {

namespace fs = std::filesystem;

engine::ToolResult sorvaleScan(const std::vector<std::string>& arguments) {
    return engine::ScanEngine().runTool(SORVALE_SCAN_PATH, arguments);
}

TEST(SorvaleScan, BadArgumentsPrintOneLineAndExitWithTwo) {
    const auto result = sorvaleScan({"large-files", "--min-size", "big"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output, "sorvale-scan: --min-size needs a whole number of bytes, not 'big' "
                             "(see sorvale-scan --help)\n");
    EXPECT_EQ(sorvaleScan({"junk", "--layout", "windows"}).output,
              "sorvale-scan: --layout needs macos or linux, not 'windows' "
              "(see sorvale-scan --help)\n");
    EXPECT_EQ(sorvaleScan({"--help"}).status, 0);
}

TEST(SorvaleScan, VersionIsTheProjectsOnOneLine) {
    const auto result = sorvaleScan({"--version"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, "sorvale-scan " SORVALE_VERSION "\n");
}

TEST(SorvaleScan, JsonKeepsEveryByteOfANameThatIsNotUtf8) {
    test::TempTree tree;
    const auto file = tree.file("home/Downloads/caf\xE9 \"quoted\"\\.txt", 10);
    ::utimensat(AT_FDCWD, file.c_str(),
                std::array<timespec, 2>{{{0, 0}, {1'769'860'800, 0}}}.data(), AT_SYMLINK_NOFOLLOW);
    const auto result = sorvaleScan({"downloads", "--home", (tree / "home").native(), "--json"});
    ASSERT_EQ(result.status, 0) << result.output;
    const std::string path =
        (tree / "home/Downloads").native() + "/caf\\udce9 \\\"quoted\\\"\\\\.txt";
    EXPECT_EQ(
        result.output,
        R"({"items":[{"id":")" + path + R"(","url":")" + path +
            R"(","name":"caf\udce9 \"quoted\"\\.txt","size":)" +
            std::to_string(test::allocatedBytes(file)) +
            R"(,"category":"downloads","modifiedAt":"2026-01-31T12:00:00Z","relatedFiles":[],)"
            R"("operation":{"kind":"moveToTrash"},"isSelected":false}],"inaccessibleCount":0})"
            "\n");
}

TEST(SorvaleScan, MeasureAndTheTrashUseTheSameEngineAsTheApplication) {
    test::TempTree tree;
    const auto file = tree.file("data/a.bin", 5000);
    const auto measured = sorvaleScan({"measure", (tree / "data").native(), "--json"});
    EXPECT_EQ(measured.output, R"({"size":)" + std::to_string(test::allocatedBytes(file)) +
                                   R"(,"incomplete":false,"rootWasReadable":true})"
                                   "\n");
    EXPECT_EQ(sorvaleScan({"measure", (tree / "nothing").native(), "--json"}).output,
              "{\"size\":0,\"incomplete\":true,\"rootWasReadable\":false}\n");

    ::unsetenv("XDG_DATA_HOME");
    tree.file("home/.local/share/Trash/files/old-report.pdf", 20000);
    const auto trash = sorvaleScan({"trash", "--home", (tree / "home").native()});
    EXPECT_EQ(trash.status, 0);
    EXPECT_NE(trash.output.find("20 KB  Trash     old-report.pdf  " +
                                (tree / "home/.local/share/Trash/files").native()),
              std::string::npos)
        << trash.output;
    EXPECT_NE(trash.output.find("1 item, 20 KB in all"), std::string::npos) << trash.output;
}

TEST(SorvaleScan, JunkReadsTheHomeAndSystemRootItIsGivenWithTheLayoutItIsTold) {
    test::TempTree tree;
    const auto log = tree.file("home/Library/Logs/app.log", 4096);
    tree.file("root/Library/Caches/com.apple.shared/cache.db", 8192);
    tree.script("root/usr/bin/xcrun", "exit 1");
    ::unsetenv("XDG_CACHE_HOME");
    tree.file("home/.cache/thumbnails/normal/a.png", 4096);
    tree.file("root/var/cache/apt/archives/tool_1.0_amd64.deb", 8192);

    const auto linux = sorvaleScan({"junk", "--home", (tree / "home").native(), "--system-root",
                                    (tree / "root").native(), "--layout", "linux"});
    EXPECT_NE(linux.output.find("Thumbnails"), std::string::npos) << linux.output;
    EXPECT_NE(linux.output.find("APT package cache"), std::string::npos) << linux.output;
    EXPECT_EQ(linux.output.find("app.log"), std::string::npos) << linux.output;

    const auto result = sorvaleScan({"junk", "--home", (tree / "home").native(), "--system-root",
                                     (tree / "root").native(), "--layout", "macos", "--json"});
    ASSERT_EQ(result.status, 0) << result.output;
    EXPECT_NE(
        result.output.find(R"("name":"com.apple.shared","size":8192,"category":"systemCaches")"),
        std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find(R"("url":")" + log.native() +
                                 R"(","name":"app.log","size":4096,)"
                                 R"("category":"logs")"),
              std::string::npos)
        << result.output;
    EXPECT_TRUE(result.output.ends_with(R"(],"inaccessibleCount":0})"
                                        "\n"));
}

TEST(SorvaleScan, ApplicationsListBundlesWithTheirSupportFiles) {
    test::TempTree tree;
    test::bundle(tree, "root/Applications/Foo.app", "com.foo.App");
    tree.file("home/Library/Preferences/com.foo.app.plist", 4096);
    tree.file("home/Library/Caches/com.foo.app/cache.db", 4096);
    const auto result =
        sorvaleScan({"applications", "--home", (tree / "home").native(), "--system-root",
                     (tree / "root").native(), "--layout", "macos", "--json"});
    ASSERT_EQ(result.status, 0) << result.output;
    const std::string library = (tree / "home/Library/").native();
    EXPECT_NE(
        result.output.find(R"({"id":")" + (tree / "root/Applications/Foo.app").native() + R"(",)"),
        std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find(R"("category":"installedApplications",)"
                                 R"("modifiedAt":)"),
              std::string::npos);
    EXPECT_NE(result.output.find(R"("relatedFiles":[")" + library + R"(Caches/com.foo.app",")" +
                                 library +
                                 R"(Preferences/com.foo.app.plist"],)"
                                 R"("operation":{"kind":"uninstallApplication"})"),
              std::string::npos)
        << result.output;
}

TEST(SorvaleScan, LargeFilesSearchesTheHomeFolderUnlessAPathIsGiven) {
    test::TempTree tree;
    tree.file("home/Movies/film.mov", 40960);
    tree.file("other/clip.mov", 40960);
    const auto inHome = sorvaleScan(
        {"large-files", "--home", (tree / "home").native(), "--min-size", "40960", "--json"});
    EXPECT_NE(inHome.output.find("\"name\":\"film.mov\""), std::string::npos) << inHome.output;
    const auto inPath =
        sorvaleScan({"large-files", (tree / "other").native(), "--min-size", "40960"});
    EXPECT_NE(inPath.output.find("41 KB  Large Files  clip.mov"), std::string::npos)
        << inPath.output;
}

} // namespace
} // namespace sorvale::cli

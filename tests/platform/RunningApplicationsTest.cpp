#include "platform/RunningApplications.h"

#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace sorvale::platform {
namespace {

namespace fs = std::filesystem;

TEST(RunningApplications, AProcessRunningABundlesExecutableMakesItsBundleRunning) {
    test::TempTree tree;
    const fs::path bundle = tree / "Tools/Foo.app";
    std::ofstream(tree.file("Tools/Foo.app/Contents/Info.plist"))
        << "<plist version=\"1.0\"><dict><key>CFBundleIdentifier</key>"
           "<string>com.example.foo</string></dict></plist>";
    tree.folder("Tools/Foo.app/Contents/MacOS");
    fs::copy_file("/bin/sleep", bundle / "Contents/MacOS/Foo");

    const RunningApplication foo{bundle, "com.example.foo"};
    const auto isRunning = [&] {
        const auto running = runningApplications();
        return std::find(running.begin(), running.end(), foo) != running.end();
    };
    EXPECT_FALSE(isRunning());
    const std::string executable = (bundle / "Contents/MacOS/Foo").native();
    std::vector<char*> argv{const_cast<char*>(executable.c_str()), const_cast<char*>("30"),
                            nullptr};
    pid_t pid = -1;
    ASSERT_EQ(::posix_spawn(&pid, executable.c_str(), nullptr, nullptr, argv.data(), environ), 0);
    EXPECT_TRUE(isRunning());
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_FALSE(isRunning());
}

} // namespace
} // namespace sorvale::platform

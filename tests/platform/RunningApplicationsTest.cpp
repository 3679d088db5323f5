// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "platform/RunningApplications.h"

#include "support/RunningProgram.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

#include <fstream>

namespace sorvale::platform {
namespace {

namespace fs = std::filesystem;

TEST(RunningApplications, AProcessRunningABundlesExecutableMakesItsBundleRunning) {
    test::TempTree tree;
    const fs::path bundle = tree / "Tools/Foo.app";
    std::ofstream(tree.file("Tools/Foo.app/Contents/Info.plist"))
        << "<plist version=\"1.0\"><dict><key>CFBundleIdentifier</key>"
           "<string>com.example.foo</string></dict></plist>";

    const RunningApplication foo{bundle, "com.example.foo"};
    const auto isRunning = [&] {
        const auto running = runningApplications();
        return std::find(running.begin(), running.end(), foo) != running.end();
    };
    EXPECT_FALSE(isRunning());
    test::RunningProgram program(bundle / "Contents/MacOS/Foo");
    EXPECT_TRUE(isRunning());
    program.stop();
    EXPECT_FALSE(isRunning());
}

TEST(RunningApplications, AProcessIsKnownByItsExecutablesNameOrTheSandboxItsControlGroupNames) {
    EXPECT_EQ(sandboxOf("0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
                        "app-flatpak-io.gitlab.librewolf-community-81234.scope\n"),
              (Sandbox{"io.gitlab.librewolf-community", ""}));
    EXPECT_EQ(sandboxOf("0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
                        "snap.firefox.firefox-5b3c9c4e-8f0a-4a57-9d26-1c1f1f3f0f0f.scope"),
              (Sandbox{"", "firefox"}));
    EXPECT_EQ(sandboxOf("0::/user.slice/user-1000.slice/session-2.scope\n"), Sandbox{});

    const model::ApplicationOwner signal{.name = "Signal",
                                         .executableNames = {"signal-desktop"},
                                         .flatpakId = "org.signal.Signal",
                                         .snapName = "signal-desktop",
                                         .runningAtScan = false};
    const auto runs = [&](const char* executable, Sandbox sandbox) {
        return isRunning(signal, {RunningProcess{executable, std::move(sandbox)}});
    };
    EXPECT_TRUE(runs("/opt/Signal/Signal Desktop", {}));
    EXPECT_TRUE(runs("/app/bin/signal", {"org.signal.Signal", ""}));
    EXPECT_TRUE(runs("/snap/signal-desktop/620/opt/Signal/signal", {}));
    EXPECT_FALSE(runs("/usr/bin/signal-cli", {}));
    EXPECT_FALSE(runs("/app/bin/signal-desktop-helper", {"org.other.App", ""}));
}

} // namespace
} // namespace sorvale::platform

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// sorvale-make-demo-home [--layout linux] DIR: builds the demo home, so that `HOME=DIR sorvale`
// shows every screen with content. The Linux layout builds a whole desktop instead, its home as
// DIR/home and its system root as DIR/root, for `sorvale-scan --layout linux --home DIR/home
// --system-root DIR/root`.

#include "DemoHome.h"

#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    bool linuxLayout = false;
    if (arguments.size() == 3 && arguments[0] == "--layout" &&
        (arguments[1] == "macos" || arguments[1] == "linux")) {
        linuxLayout = arguments[1] == "linux";
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    if (arguments.size() != 1 || arguments[0].starts_with("-")) {
        std::fprintf(stderr, "usage: sorvale-make-demo-home [--layout macos|linux] DIR\n");
        return 2;
    }
    try {
        sorvale::test::FixtureTree tree(arguments[0]);
        if (linuxLayout) {
            sorvale::test::buildLinuxDemoHome(tree);
        } else {
            sorvale::test::buildDemoHome(tree);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "sorvale-make-demo-home: %s\n", error.what());
        return 1;
    }
    return 0;
}

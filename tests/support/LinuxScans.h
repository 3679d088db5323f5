// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "LinuxHome.h"
#include "TempTree.h"
#include "engine/ScanEngine.h"
#include "model/HomeLayout.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace sorvale::test {

// A tree with room for a Linux fixture home, and an engine of the Linux desktop layout over it
// that reads no base-folder variable of the machine running the tests.
class LinuxScans : public ::testing::Test {
protected:
    void SetUp() override { unsetBaseFolders(); }

    TempTree tree{memoryFolder(kLinuxHomeRoom)};
    std::filesystem::path home = tree / "home";
    engine::ScanEngine engine{tree / "root", model::HomeLayout::linuxDesktop};
};

} // namespace sorvale::test

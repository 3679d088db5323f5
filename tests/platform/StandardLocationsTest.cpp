// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "platform/StandardLocations.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace sorvale::platform {
namespace {

#ifndef __APPLE__
TEST(StandardLocations, TheTrashFollowsTheDataHomeOfTheUser) {
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string original = saved != nullptr ? saved : "";

    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(trashFilesFolder("/home/u"), "/home/u/.local/share/Trash/files");
    ::setenv("XDG_DATA_HOME", "/data/u", 1);
    EXPECT_EQ(trashFilesFolder("/home/u"), "/data/u/Trash/files");
    // A relative value is invalid by the XDG rules and is ignored.
    ::setenv("XDG_DATA_HOME", "share", 1);
    EXPECT_EQ(trashFilesFolder("/home/u"), "/home/u/.local/share/Trash/files");

    if (saved != nullptr) {
        ::setenv("XDG_DATA_HOME", original.c_str(), 1);
    } else {
        ::unsetenv("XDG_DATA_HOME");
    }
}
#endif

} // namespace
} // namespace sorvale::platform

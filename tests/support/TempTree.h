// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "FixtureTree.h"

namespace sorvale::test {

// A fixture tree in the temporary folder (or in `parent`), removed when it goes out of scope. The
// root is world-readable so that a child process that dropped its privileges can walk it.
class TempTree : public FixtureTree {
public:
    explicit TempTree(const std::filesystem::path& parent = std::filesystem::temp_directory_path());
    ~TempTree() override;
};

// A folder in memory for trees of many files, where there is one with room for `bytes`: on a
// disk that discards freed blocks, removing a thousand files takes seconds. Else the temporary
// folder.
[[nodiscard]] std::filesystem::path memoryFolder(std::uintmax_t bytes);

} // namespace sorvale::test

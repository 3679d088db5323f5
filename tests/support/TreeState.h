// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace sorvale::test {

// What identifies one entry for a before-and-after comparison.
struct EntryState {
    char type = '?'; // 'd' folder, 'f' file, 'l' link, 'o' anything else
    std::uintmax_t size = 0;
    std::string content;
    std::string linkTarget;

    bool operator==(const EntryState&) const = default;
};

// Every entry below a root by its path's bytes relative to the root, never through a link.
using TreeState = std::map<std::string, EntryState>;

// The state of everything below `root`. The folders in `opaque` (relative paths) are recorded
// but not entered: a tree too deep to list by path is compared by its top alone.
[[nodiscard]] TreeState treeState(const std::filesystem::path& root,
                                  const std::set<std::string>& opaque = {});

// `state` without the entries at `relative` and below them.
[[nodiscard]] TreeState without(TreeState state, const std::vector<std::string>& relative);

// The entries that differ between two states, one line each; empty when they are equal.
[[nodiscard]] std::string differences(const TreeState& expected, const TreeState& actual);

} // namespace sorvale::test

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "TreeState.h"

#include "FixtureTree.h"

#include <functional>
#include <sstream>

namespace sorvale::test {

namespace fs = std::filesystem;

TreeState treeState(const fs::path& root, const std::set<std::string>& opaque) {
    TreeState state;
    std::error_code error;
    for (auto entry = fs::recursive_directory_iterator(root, error);
         !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        const std::string relative = entry->path().lexically_relative(root).native();
        const fs::file_status status = entry->symlink_status();
        EntryState& recorded = state[relative];
        switch (status.type()) {
        case fs::file_type::directory:
            recorded.type = 'd';
            if (opaque.contains(relative)) {
                entry.disable_recursion_pending();
            }
            break;
        case fs::file_type::regular:
            recorded.type = 'f';
            recorded.size = fs::file_size(entry->path());
            // Large files are told apart by their size and a hash of their bytes.
            recorded.content = contents(entry->path());
            if (recorded.content.size() > 4096) {
                recorded.content = std::to_string(std::hash<std::string>{}(recorded.content));
            }
            break;
        case fs::file_type::symlink:
            recorded.type = 'l';
            recorded.linkTarget = fs::read_symlink(entry->path()).native();
            break;
        default:
            recorded.type = 'o';
        }
    }
    if (error) {
        state["<unlistable>"].content = error.message();
    }
    return state;
}

TreeState without(TreeState state, const std::vector<std::string>& relative) {
    std::erase_if(state, [&](const auto& entry) {
        for (const std::string& removed : relative) {
            if (entry.first == removed || entry.first.starts_with(removed + "/")) {
                return true;
            }
        }
        return false;
    });
    return state;
}

std::string differences(const TreeState& expected, const TreeState& actual) {
    std::ostringstream out;
    for (const auto& [path, entry] : expected) {
        const auto found = actual.find(path);
        if (found == actual.end()) {
            out << "missing: " << path << "\n";
        } else if (!(found->second == entry)) {
            out << "changed: " << path << "\n";
        }
    }
    for (const auto& [path, entry] : actual) {
        if (!expected.contains(path)) {
            out << "added: " << path << "\n";
        }
    }
    return out.str();
}

} // namespace sorvale::test

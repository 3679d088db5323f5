// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "AccessProbe.h"

#include "DirectoryWalker.h"

#include <array>
#include <string_view>

namespace sorvale::engine {
namespace {

// Folders of the user's library that only an application with Full Disk Access can list.
constexpr std::array<std::string_view, 4> kProtectedFolders{
    "Library/Safari", "Library/Mail", "Library/Messages",
    "Library/Application Support/AddressBook"};

} // namespace

bool hasFullDiskAccess(const std::filesystem::path& home) {
    for (std::string_view folder : kProtectedFolders) {
        const std::filesystem::path path = home / folder;
        if (platform::fileExists(path) && listDirectory(path, /*skipHiddenEntries=*/true)) {
            return true;
        }
    }
    return false;
}

} // namespace sorvale::engine

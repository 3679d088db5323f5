// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace sorvale::test {

// One entry of a ZIP archive, named exactly as given (absolute and ".." names included).
struct ZipEntry {
    enum class Type { file, folder, link, characterDevice, blockDevice };
    Type type = Type::file;
    std::string name;
    // A file's contents or a link's target.
    std::string contents;
};

// The bytes of a real ZIP archive of these entries.
[[nodiscard]] std::string zipBytes(const std::vector<ZipEntry>& entries);

// The bytes of a real ZIP archive of (path inside the archive, contents) files.
[[nodiscard]] std::string zipBytes(const std::vector<std::pair<std::string, std::string>>& files);

} // namespace sorvale::test

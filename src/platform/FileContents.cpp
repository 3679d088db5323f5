// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT

#include "FileContents.h"

#include "CodeSignature.h"

namespace sorvale::platform {

std::optional<std::string> readRegularFile(const std::filesystem::path& path, std::size_t limit) {
    const FileBytes file(path);
    if (!file.isOpen() || file.size() > limit) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(file.size()), '\0');
    if (!file.read(0, bytes.size(), reinterpret_cast<unsigned char*>(bytes.data()))) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace sorvale::platform

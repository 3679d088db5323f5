// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace sorvale::platform {

// The whole contents of a regular file of at most `limit` bytes, read without following a link
// at its own name; none when it is not such a file or cannot be read.
[[nodiscard]] std::optional<std::string> readRegularFile(const std::filesystem::path& path,
                                                         std::size_t limit);

} // namespace sorvale::platform

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/Date.h"
#include "model/Location.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace sorvale::platform {

enum class EntryType : std::uint8_t { regular, directory, symbolicLink, other };

// What the engine reads about one file-system entry, never through a symbolic link. Each size
// is optional because some systems do not report every variant; here all four come from one
// status request.
struct EntryValues {
    EntryType type = EntryType::other;
    model::FileIdentity identity;
    // The permission bits of its mode.
    std::uint32_t permissions = 0;
    // Blocks in use, including every fork and metadata of the file.
    std::optional<std::int64_t> totalFileAllocatedSize;
    // Blocks in use by the data.
    std::optional<std::int64_t> fileAllocatedSize;
    // Logical length, including every fork.
    std::optional<std::int64_t> totalFileSize;
    // Logical length of the data.
    std::optional<std::int64_t> fileSize;
    std::optional<model::Date> contentModificationDate;
};

// The values of `path` itself (a link is described, not followed); none when it cannot be read,
// with errno set.
[[nodiscard]] std::optional<EntryValues> readEntryValues(const std::filesystem::path& path);

// The values of `name` inside the open folder `directory`, likewise.
[[nodiscard]] std::optional<EntryValues> readEntryValues(int directory, const char* name);

// The values of what `fd` has open.
[[nodiscard]] std::optional<EntryValues> readOpenEntryValues(int fd);

// Where the link `link` in `folder` leads, when its target is `parts` plain names below the
// folder (never "..", never an absolute path): how package managers name the installed version
// ("current", "active"). None for anything else.
[[nodiscard]] std::optional<std::filesystem::path>
linkWithinFolder(const std::filesystem::path& folder, std::string_view link, std::size_t parts);

// Whether anything exists at `path`, following links as an existence test does.
[[nodiscard]] bool fileExists(const std::filesystem::path& path);

} // namespace sorvale::platform

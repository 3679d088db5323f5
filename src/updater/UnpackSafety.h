// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <filesystem>
#include <optional>
#include <string_view>

namespace sorvale::updater {

// Reads the ZIP archive at `archive` without writing anything. None when it may be unpacked:
// every entry is a file, a folder or a link, named relative to the folder it is unpacked into
// without "..", written through no link, each link and hard link leading to a place inside that
// folder, `bundleName` at its top not a link, and its central directory naming no other entries.
// Else why not, as a reason for the user.
[[nodiscard]] std::optional<QString> inspectArchive(const std::filesystem::path& archive,
                                                    std::string_view bundleName);

// Checks what an unpacking tool made in `folder`, trusting none of it: only files, folders and
// links, every link resolving inside `folder`, no file sharing its data with one outside, and
// `bundleName` at the top not a link. None when all holds, else why not.
[[nodiscard]] std::optional<QString> inspectUnpackedFolder(const std::filesystem::path& folder,
                                                           std::string_view bundleName);

} // namespace sorvale::updater

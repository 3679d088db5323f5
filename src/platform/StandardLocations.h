// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace sorvale::platform {

// The user's home folder: $HOME when it is an absolute path, else the password database entry.
[[nodiscard]] std::filesystem::path homeFolder();

// Where the user's application data lives: $XDG_DATA_HOME when it is an absolute path, else
// "<home>/.local/share".
[[nodiscard]] std::filesystem::path dataHomeFolder(const std::filesystem::path& home);

// Where applications keep caches: $XDG_CACHE_HOME when it is an absolute path, else
// "<home>/.cache".
[[nodiscard]] std::filesystem::path cacheHomeFolder(const std::filesystem::path& home);

// Where applications keep settings: $XDG_CONFIG_HOME when it is an absolute path, else
// "<home>/.config".
[[nodiscard]] std::filesystem::path configHomeFolder(const std::filesystem::path& home);

// The folder whose entries are the items waiting in the Trash of the user whose home is `home`:
// "~/.Trash" on macOS; elsewhere the freedesktop.org home trash, "$XDG_DATA_HOME/Trash/files"
// with XDG_DATA_HOME defaulting to "<home>/.local/share".
[[nodiscard]] std::filesystem::path trashFilesFolder(const std::filesystem::path& home);

} // namespace sorvale::platform

#pragma once

#include <filesystem>

namespace sorvale::platform {

// The user's home folder: $HOME when it is an absolute path, else the password database entry.
[[nodiscard]] std::filesystem::path homeFolder();

// The folder whose entries are the items waiting in the Trash of the user whose home is `home`:
// "~/.Trash" on macOS; elsewhere the freedesktop.org home trash, "$XDG_DATA_HOME/Trash/files"
// with XDG_DATA_HOME defaulting to "<home>/.local/share".
[[nodiscard]] std::filesystem::path trashFilesFolder(const std::filesystem::path& home);

} // namespace sorvale::platform

#pragma once

#include "FileOperationError.h"

#include <filesystem>
#include <optional>

namespace sorvale::platform {

// Moves `item` (a file, folder or link; a link is moved, never followed) to the Trash of the
// file system it lives on, so the user can put it back. Here that is the freedesktop.org trash:
// the home trash for the home's file system, "$topdir/.Trash/$uid" or "$topdir/.Trash-$uid"
// for others. Nothing is ever deleted instead; none on success.
[[nodiscard]] std::optional<FileOperationError> moveToTrash(const std::filesystem::path& item,
                                                            const std::filesystem::path& home);

// Deletes `item` and everything inside it for good, bottom-up, never following a link and never
// crossing into another file system; an item in a Trash's "files" folder loses its .trashinfo
// too. Everything that can be deleted is; none when nothing was left.
[[nodiscard]] std::optional<FileOperationError>
deletePermanently(const std::filesystem::path& item);

} // namespace sorvale::platform

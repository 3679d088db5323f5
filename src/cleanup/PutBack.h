// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/Location.h"
#include "platform/FileOperationError.h"

#include <filesystem>
#include <optional>

namespace sorvale::cleanup {

// Puts an entry of a trash can's "files" folder back where its record in the can's "info" folder
// says it came from (the freedesktop.org trash: an absolute path in the home trash, one relative
// to the file system's top folder in "$topdir/.Trash-$uid" and "$topdir/.Trash/$uid"), then
// forgets the record. The entry is first checked to be the one `inTrash` saw; it goes back only
// where nothing is, never replacing anything, and into the folder it came from as that folder
// now is; a folder that is gone is not made again. None on success, which `restored` (if given)
// names; otherwise nothing has changed.
[[nodiscard]] std::optional<platform::FileOperationError>
putBack(const model::Location& inTrash, std::filesystem::path* restored = nullptr);

} // namespace sorvale::cleanup

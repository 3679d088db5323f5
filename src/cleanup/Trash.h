// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ReachedEntry.h"

#include <filesystem>
#include <optional>

namespace sorvale::cleanup {

// Moves the reached entry (a file, folder or link; a link is moved, never followed) to the Trash
// of the file system it lives on, so the user can put it back: the freedesktop.org trash, the
// home trash for the home's file system, "$topdir/.Trash/$uid" or "$topdir/.Trash-$uid" for
// others. Its record names `location` as where it came from. Nothing is ever deleted instead;
// none on success.
[[nodiscard]] std::optional<platform::FileOperationError>
moveToTrash(const ReachedEntry& entry, const model::Location& location,
            const std::filesystem::path& home);

// Reaches `location` and moves it to the Trash.
[[nodiscard]] std::optional<platform::FileOperationError>
moveToTrash(const model::Location& location, const std::filesystem::path& home);

// Whether the reached entry lies in the "files" folder of one of the user's trash cans; if so,
// `forget` removes its record there once the entry itself is gone.
class TrashRecord {
public:
    TrashRecord(const ReachedEntry& entry, const model::Location& location,
                const std::filesystem::path& home);
    void forget() const;

private:
    platform::Descriptor info_;
    std::string name_;
};

} // namespace sorvale::cleanup

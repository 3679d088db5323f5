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
// none on success, when `placed` (if given) becomes where the entry now lies in the Trash, seen
// as a scan of the trash can's files would see it, so that it can be put back (PutBack.h).
[[nodiscard]] std::optional<platform::FileOperationError>
moveToTrash(const ReachedEntry& entry, const model::Location& location,
            const std::filesystem::path& home, model::Location* placed = nullptr);

// Reaches `location` and moves it to the Trash.
[[nodiscard]] std::optional<platform::FileOperationError>
moveToTrash(const model::Location& location, const std::filesystem::path& home,
            model::Location* placed = nullptr);

// Renames `from` in one folder to `to` in another without ever replacing what is at `to`: 0, or
// the error (EEXIST when something is there).
[[nodiscard]] int renameWithoutReplacing(int fromFolder, const char* from, int toFolder,
                                         const char* to);

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

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ReachedEntry.h"

#include <optional>

namespace sorvale::cleanup {

// Deletes the reached entry and everything inside it for good, deepest first, relative to open
// folders: links are removed, never followed; nothing on another file system is entered; the
// descriptors held open stay few however deep the tree is. Everything that can be deleted is;
// none when nothing was left, else a message that says what remains.
[[nodiscard]] std::optional<platform::FileOperationError>
deletePermanently(const ReachedEntry& entry, const model::Location& location);

} // namespace sorvale::cleanup

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace sorvale::platform {

// Entries that listings which skip hidden files leave out: here, a name starting with ".".
[[nodiscard]] bool isHiddenName(std::string_view name);

// A name that stays one entry of the folder it is joined to: not empty, not "." or "..", and
// without a separator or a NUL. Names read from files (identifiers, icon names) must be one
// before they reach a path.
[[nodiscard]] bool isSingleName(std::string_view name);

// Whether `name` ends in "." and `extension`, compared without regard to ASCII case.
[[nodiscard]] bool hasExtension(std::string_view name, std::string_view extension);

// A folder with one of these extensions is a package: a bundle the user sees as one item, which
// enumerations that skip package contents report but never enter.
[[nodiscard]] bool isPackageFolderName(std::string_view name);

} // namespace sorvale::platform

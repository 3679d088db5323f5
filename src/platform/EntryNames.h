// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace sorvale::platform {

// Entries that listings which skip hidden files leave out: here, a name starting with ".".
[[nodiscard]] bool isHiddenName(std::string_view name);

// Whether `name` ends in "." and `extension`, compared without regard to ASCII case.
[[nodiscard]] bool hasExtension(std::string_view name, std::string_view extension);

// A folder with one of these extensions is a package: a bundle the user sees as one item, which
// enumerations that skip package contents report but never enter.
[[nodiscard]] bool isPackageFolderName(std::string_view name);

} // namespace sorvale::platform

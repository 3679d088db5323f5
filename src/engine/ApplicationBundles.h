// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "DirectoryWalker.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string_view>

namespace sorvale::engine {

// Whether the extension of the entry `name`, in lower case, is one of `extensions` (without the
// dot).
[[nodiscard]] bool hasOneOfExtensions(std::string_view name,
                                      std::span<const std::string_view> extensions);

// Walks `root`, hidden entries left out, for entries whose extension in lower case is one of
// `extensions` (without the dot), handing each to `found` as reached and never entering it. What
// cannot be read counts in `inaccessible`.
void findBundles(const WalkRoot& root, std::span<const std::string_view> extensions,
                 const std::function<void(const WalkEntry&)>& found, std::int64_t& inaccessible);

} // namespace sorvale::engine

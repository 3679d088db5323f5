// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace sorvale::engine {

// Whether protected folders of the user's library can be listed: what Full Disk Access grants.
[[nodiscard]] bool hasFullDiskAccess(const std::filesystem::path& home);

} // namespace sorvale::engine

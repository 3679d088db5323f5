// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ItemResult.h"
#include "engine/ScanEngine.h"
#include "model/CleanupItem.h"

#include <filesystem>

namespace sorvale::cleanup {

// Uninstalls an application that its package manager installed: a Flatpak through flatpak, a
// snap through snapd and a Debian package through APT (the latter two with administrator rights
// through pkexec), then moves its support files to the Trash. The application and its files are
// first checked to be what the scan found. A Debian package is removed only when APT's
// simulation shows that no other package would go with it; otherwise it is skipped with a
// message naming them. `placed`, if given, receives where each support file lies in the Trash.
[[nodiscard]] ItemResult
uninstallThroughPackageManager(const engine::ScanEngine& tools, const model::CleanupItem& item,
                               const std::filesystem::path& home,
                               std::vector<model::Location>* placed = nullptr);

// The packages other than `package` that the output of "apt-get -s remove" would remove.
[[nodiscard]] std::vector<std::string> otherRemovals(std::string_view simulation,
                                                     std::string_view package);

} // namespace sorvale::cleanup

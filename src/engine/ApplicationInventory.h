// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "EngineSetup.h"
#include "model/CleanupItem.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace sorvale::engine {

// The installed applications, each with the files it keeps in the home Library, and what the
// identifiers of everything installed leave over (LeftoverSearch).
class ApplicationInventory {
public:
    explicit ApplicationInventory(const EngineSetup& setup)
        : setup_(setup) {}

    // Applications with their support files, then leftovers and installers, largest first.
    // `applicationRoots` replaces the default roots, and then only their bundles own identifiers.
    [[nodiscard]] model::ScanSnapshot
    scan(const std::filesystem::path& home,
         const std::optional<std::vector<std::filesystem::path>>& applicationRoots) const;

private:
    const EngineSetup& setup_;
};

} // namespace sorvale::engine

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "FixtureTree.h"
#include "model/CleanupCategory.h"

#include <filesystem>
#include <vector>

namespace sorvale::test {

// What a realistic Debian or Ubuntu desktop home holds, built in `tree` as "home" with its
// system root as "root": browsers with profiles, Electron applications, Flatpak and Snap
// applications, developer tools' stores, thumbnails, logs, the Trash, and the system's package
// cache, journals, crash reports, Flatpak runtimes and snap revisions. It records what can safely
// be reclaimed, each place with the category a user would expect, and the personal data beside
// it that must never be offered. Its sizes are a sixteenth of a real home's, times `scale`.
struct LinuxHome {
    struct Reclaimable {
        std::filesystem::path path; // relative to the tree
        model::CleanupCategory category;
    };

    explicit LinuxHome(FixtureTree& tree, std::int64_t scale = 1);

    std::vector<Reclaimable> reclaimable;
    // Relative to the tree.
    std::vector<std::filesystem::path> personal;
};

} // namespace sorvale::test

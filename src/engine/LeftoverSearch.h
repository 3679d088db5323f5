// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "DirectoryWalker.h"
#include "EngineSetup.h"
#include "model/CleanupItem.h"

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace sorvale::engine {

// What software leaves behind in the home folder: Library entries named after software that is
// no longer installed, and the disk images and packages that installed it.
class LeftoverSearch {
public:
    explicit LeftoverSearch(const EngineSetup& setup)
        : setup_(setup) {}

    // Entries whose identifier no installed identifier owns, but for those of `excluding`.
    [[nodiscard]] std::vector<model::CleanupItem>
    leftovers(const std::filesystem::path& home, const std::set<std::string>& installedIdentifiers,
              const std::set<std::filesystem::path>& excluding, std::int64_t& inaccessible) const;
    // Of entries already named after software that is gone, those untouched for the minimum age,
    // but for links and those of `excluding`.
    [[nodiscard]] std::vector<model::CleanupItem>
    oldLeftovers(std::vector<ListedEntry> candidates,
                 const std::set<std::filesystem::path>& excluding,
                 std::int64_t& inaccessible) const;
    // Disk images and installer packages in Downloads and on the Desktop, but for those of
    // `excluding`.
    [[nodiscard]] std::vector<model::CleanupItem>
    installers(const std::filesystem::path& home, std::int64_t& inaccessible,
               const std::set<std::filesystem::path>& excluding = {}) const;

private:
    // Measured items of `category`, in the entries' order; empty entries are dropped.
    [[nodiscard]] std::vector<model::CleanupItem> measuredItems(std::vector<ListedEntry> entries,
                                                                model::CleanupCategory category,
                                                                std::int64_t& inaccessible) const;

    const EngineSetup& setup_;
};

} // namespace sorvale::engine

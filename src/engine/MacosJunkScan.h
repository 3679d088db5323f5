// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "Candidates.h"
#include "EngineSetup.h"

#include <filesystem>

namespace sorvale::engine {

// The junk catalogue of the macOS home layout: caches, logs, developer and simulator storage,
// Mail attachments, backups, the Trash, system caches, what applications keep in their sandbox
// containers and Library folders, and universal applications.
class MacosJunkScan {
public:
    explicit MacosJunkScan(const EngineSetup& setup)
        : setup_(setup) {}

    // Each location once, largest first.
    [[nodiscard]] model::ScanSnapshot scan(const std::filesystem::path& home) const;

private:
    // The caches, logs and web data of every sandbox container of `home`/`containerFolder`.
    void appendContainerCaches(const std::filesystem::path& home,
                               const std::filesystem::path& containerFolder,
                               Candidates& into) const;
    // Web data, saved window state and crash reports, then the Application Support caches.
    void appendApplicationData(const std::filesystem::path& home, Candidates& into) const;
    // Cache folders that applications keep somewhere below Application Support.
    void appendApplicationSupportCaches(const std::filesystem::path& root, Candidates& into) const;

    const EngineSetup& setup_;
};

} // namespace sorvale::engine

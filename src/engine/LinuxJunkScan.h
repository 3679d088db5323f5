// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ApplicationOwners.h"
#include "Candidates.h"
#include "EngineSetup.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace sorvale::engine {

// The junk catalogue of the freedesktop home layout: the cache folder entry by entry, the caches
// that Chromium-engine browsers and Electron applications keep among their settings, the caches
// of Flatpak and Snap applications, developer tools' download stores, application logs and crash
// reports, the Trash, and the system's package caches, journals, runtimes and snap revisions.
class LinuxJunkScan {
public:
    explicit LinuxJunkScan(const EngineSetup& setup)
        : setup_(setup) {}

    // Each location once, largest first.
    [[nodiscard]] model::ScanSnapshot scan(const std::filesystem::path& home) const;

private:
    void appendCacheFolder(const std::filesystem::path& home, const ApplicationOwners& owners,
                           Candidates& into) const;
    // Whose settings folder an application folder is.
    struct SettingsOwner {
        std::string name;
        model::OwnerReference owner;
        bool isBrowser = false;
    };
    using SettingsOwnerOf = std::function<SettingsOwner(std::string_view applicationFolder)>;
    // The Chromium-engine caches, logs and crash reports below each application folder of
    // `settings`, named after their owner.
    void appendSettingsCaches(const std::filesystem::path& settings, const SettingsOwnerOf& ownerOf,
                              Candidates& into) const;
    void appendSandboxedApplications(const std::filesystem::path& home,
                                     const ApplicationOwners& owners, Candidates& into) const;
    void appendDeveloperStores(const std::filesystem::path& home, Candidates& into) const;
    void appendLogs(const std::filesystem::path& home, Candidates& into) const;

    const EngineSetup& setup_;
};

} // namespace sorvale::engine

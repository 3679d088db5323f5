// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "FixtureTree.h"
#include "model/CleanupCategory.h"
#include "model/CleanupItem.h"
#include "model/CleanupOperation.h"

#include <cstdint>
#include <filesystem>
#include <string>
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

    // An installed application as the Applications section should list it.
    struct Application {
        std::string name;
        std::filesystem::path url; // relative to the tree
        model::CleanupOperation operation;
        std::filesystem::path icon;                 // relative to the tree; empty for none
        std::vector<std::filesystem::path> support; // relative to the tree, ordered by path
    };

    std::vector<Reclaimable> reclaimable;
    // Relative to the tree.
    std::vector<std::filesystem::path> personal;

    // Flatpak, Snap, AppImage and Debian-packaged applications, by name.
    std::vector<Application> applications;
    // What the Applications section reclaims beyond the cleanup catalogue: the applications
    // with their data, the data of removed ones, and installer files.
    std::vector<Reclaimable> reclaimableByApplications;
    // Data of removed applications that is too recent to be called a leftover, and installed
    // software that is never listed (system packages, hidden entries, runtimes, Sorvale).
    std::vector<std::filesystem::path> neverApplications;
    // Folders of an application's own data: the personal files in them go with the
    // application when it is uninstalled, or as its leftovers once it is gone.
    std::vector<std::filesystem::path> applicationData;

private:
    void addApplications(FixtureTree& tree, std::int64_t kKiB, std::int64_t kMiB);
};

// What a desktop home needs in memory, with room to spare for a second one.
constexpr std::uintmax_t kLinuxHomeRoom = 400'000'000;

// Unsets the XDG base folder variables, so that a scan takes the freedesktop defaults below the
// home it is given.
void unsetBaseFolders();

// Whether `path` is `folder` or lies below it, compared component by component.
[[nodiscard]] bool isWithin(const std::filesystem::path& path, const std::filesystem::path& folder);

// Every item of `items` that offers `path`: itself, a folder above it, or a file it removes
// with itself.
[[nodiscard]] std::vector<const model::CleanupItem*>
offering(const std::vector<model::CleanupItem>& items, const std::filesystem::path& path);

// The allocated bytes of `path` and, for a folder, of the regular files below it.
[[nodiscard]] std::int64_t allocatedBelow(const std::filesystem::path& path);

} // namespace sorvale::test

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ApplicationOwners.h"
#include "DirectoryWalker.h"
#include "DpkgDatabase.h"
#include "EngineSetup.h"
#include "model/CleanupItem.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace sorvale::engine {

// The applications of a freedesktop home and of its system: Flatpak applications of the user's
// and the system's installation, snaps, AppImages, and desktop applications of Debian packages,
// each with the files it keeps in the home folder; then what removed ones left behind and the
// files that install software. Sorvale itself is never listed.
class LinuxApplications {
public:
    explicit LinuxApplications(const EngineSetup& setup)
        : setup_(setup) {}

    // Applications, leftovers and installers, largest first.
    [[nodiscard]] model::ScanSnapshot scan(const std::filesystem::path& home) const;

private:
    // An application as found, before it is measured.
    struct Found {
        model::Location url;
        std::string name;
        // Measured into its size; the first is the application itself, when it has one to
        // measure.
        std::vector<ListedEntry> measured;
        // Already measured: a package's installed files.
        std::int64_t knownSize = 0;
        std::optional<model::Date> modifiedAt;
        // Its files in the home folder, which go to the Trash with it.
        std::vector<ListedEntry> support;
        model::CleanupOperation operation;
        model::OwnerReference owner;
        model::Location icon;
    };

    // What one scan has learnt so far.
    struct Scan {
        std::filesystem::path home;
        ApplicationOwners owners;
        std::vector<Found> found;
        // Standardized paths of every file given to an application.
        std::set<std::filesystem::path> claimed;
        // Names an application's user folders may have, so that no leftover takes one.
        std::set<std::string> claimedNames;
        std::set<std::string> flatpakIds;
        // dpkg's database, read once.
        std::vector<DpkgPackage> packages;
        std::int64_t inaccessible = 0;
    };

    void findFlatpaks(Scan& scan) const;
    void findSnaps(Scan& scan) const;
    void findAppImages(Scan& scan) const;
    void findDebianApplications(Scan& scan) const;
    // The folders named exactly `names` in the settings, data and cache folders, not yet given
    // to another application.
    void addNamedFolders(Scan& scan, Found& application,
                         const std::vector<std::string>& names) const;
    void claim(Scan& scan, Found& application, ListedEntry support) const;
    [[nodiscard]] std::vector<ListedEntry> leftoverCandidates(Scan& scan) const;

    const EngineSetup& setup_;
};

} // namespace sorvale::engine

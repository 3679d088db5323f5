// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/ApplicationOwner.h"
#include "platform/RunningApplications.h"

#include <string_view>
#include <vector>

namespace sorvale::engine {

// Who owns a place of the Linux catalogue, and whether it runs. Known applications (browsers and
// the common Electron ones) are named as their users know them; any other folder is owned by the
// executable of its own name.
class ApplicationOwners {
public:
    // Owners whose running is judged by `processes`, the processes at the time of the scan.
    explicit ApplicationOwners(std::vector<platform::RunningProcess> processes)
        : processes_(std::move(processes)) {}

    // The owner of a folder of the cache or settings folder, named `folder` ("mozilla", "Code").
    [[nodiscard]] model::OwnerReference ofFolder(std::string_view folder) const;
    // The owner of a Flatpak application's data, `id` being its application id.
    [[nodiscard]] model::OwnerReference ofFlatpak(std::string_view id) const;
    // The owner of a snap's data.
    [[nodiscard]] model::OwnerReference ofSnap(std::string_view name) const;
    // An owner described in full, marked with whether it runs.
    [[nodiscard]] model::OwnerReference of(model::ApplicationOwner owner) const;

private:
    std::vector<platform::RunningProcess> processes_;
};

// What users call a Flatpak application or a snap when it does not name itself: a known
// application's name, else the last part of the Flatpak's id ("org.gnome.Maps" is "Maps") or
// the snap's own name.
[[nodiscard]] std::string flatpakName(std::string_view id);
[[nodiscard]] std::string snapName(std::string_view name);

// Whether the folder of the cache or settings folder named `folder`, the Flatpak `id` or the
// snap `name` belongs to a web browser.
[[nodiscard]] bool isBrowserFolder(std::string_view folder);
[[nodiscard]] bool isBrowserFlatpak(std::string_view id);
[[nodiscard]] bool isBrowserSnap(std::string_view name);

} // namespace sorvale::engine

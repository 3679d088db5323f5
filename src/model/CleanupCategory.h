// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "CleanupGroup.h"
#include "HomeLayout.h"
#include "RawValue.h"
#include "Tint.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace sorvale::model {

// The kinds of cleanup candidate, in the order the interface lists them.
enum class CleanupCategory : std::uint8_t {
    userCaches,
    applicationCaches,
    webData,
    savedState,
    logs,
    xcodeDerivedData,
    xcodeRuntimes,
    xcodeDeviceSupport,
    xcodeSimulatorDevices,
    xcodeArchives,
    xcodeCaches,
    browserCaches,
    developerCaches,
    mailDownloads,
    deviceBackups,
    systemCaches,
    universalBinaries,
    installedApplications,
    appLeftovers,
    installers,
    downloads,
    trash,
    largeFiles,
    thumbnails,
    developerRepositories,
    packageCaches,
    systemLogs,
    unusedRuntimes,
    snapRevisions,
};

template <>
struct EnumTraits<CleanupCategory> {
    static constexpr std::size_t count = 29;
    static std::string_view rawValue(CleanupCategory category);
};

[[nodiscard]] std::string_view title(CleanupCategory category);
[[nodiscard]] std::string_view subtitle(CleanupCategory category, HomeLayout layout);
// An SF Symbols name; the interface maps it to a bundled icon.
[[nodiscard]] std::string_view icon(CleanupCategory category);
[[nodiscard]] Tint tint(CleanupCategory category);

// The Smart Cleanup group of a category; none for the application, folder and Downloads kinds.
[[nodiscard]] std::optional<CleanupGroup> group(CleanupCategory category);
// The categories of a group, in declaration order.
[[nodiscard]] std::vector<CleanupCategory> categories(CleanupGroup group);

// Whether a scan of `layout` can find items of the category; the others are hidden there.
[[nodiscard]] bool occursIn(CleanupCategory category, HomeLayout layout);
// Whether a group has a category that occurs in `layout`.
[[nodiscard]] bool occursIn(CleanupGroup group, HomeLayout layout);

// Re-creatable caches (and on macOS logs): the only categories that Quick Clean and "select
// recommended" ever pick without the user ticking them.
[[nodiscard]] bool isRecommended(CleanupCategory category, HomeLayout layout);

} // namespace sorvale::model

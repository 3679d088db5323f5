// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "CleanupCategory.h"

#include <algorithm>
#include <array>

namespace sorvale::model {
namespace {

struct CategoryRow {
    std::string_view rawValue;
    std::string_view title;
    std::string_view subtitle;
    std::string_view icon;
    Tint tint;
    std::optional<CleanupGroup> group;
    // Bits of `layoutBit`: where the category occurs, and where Quick Clean picks it.
    std::uint8_t layouts;
    std::uint8_t recommendedIn;
    // The subtitle where the Linux words differ; empty where they do not.
    std::string_view linuxSubtitle = {};
};

constexpr std::uint8_t layoutBit(HomeLayout layout) {
    return static_cast<std::uint8_t>(1U << static_cast<unsigned>(layout));
}
constexpr std::uint8_t kNone = 0;
constexpr std::uint8_t kMacos = layoutBit(HomeLayout::macos);
constexpr std::uint8_t kLinux = layoutBit(HomeLayout::linuxDesktop);
constexpr std::uint8_t kBoth = kMacos | kLinux;

using enum CleanupGroup;
using enum Tint;
constexpr std::nullopt_t noGroup = std::nullopt;

// One row per case, in declaration order.
constexpr std::array<CategoryRow, EnumTraits<CleanupCategory>::count> kCategories{{
    {"userCaches", "User Caches", "Temporary files created by apps", "shippingbox.fill", mint,
     systemJunk, kBoth, kBoth},
    {"applicationCaches", "Application Caches",
     "Re-creatable cache folders discovered inside app data", "app.badge.checkmark", green,
     systemJunk, kBoth, kBoth},
    {"webData", "Web & Network Data", "WebKit, HTTP and offline website data for review", "network",
     blue, systemJunk, kMacos, kNone},
    {"savedState", "Saved App State", "Window restoration snapshots saved by applications",
     "macwindow.on.rectangle", cyan, systemJunk, kMacos, kNone},
    {"logs", "Log Files", "Diagnostic and historical logs", "doc.text.fill", cyan, systemJunk,
     kBoth, kMacos},
    {"xcodeDerivedData", "Derived Data", "Indexes and intermediate build products", "hammer.fill",
     orange, xcode, kMacos, kNone},
    {"xcodeRuntimes", "Simulator Runtimes", "Installed simulator platform disk images",
     "square.stack.3d.up.fill", orange, xcode, kMacos, kNone},
    {"xcodeDeviceSupport", "Device Support", "Symbols and support files from connected devices",
     "iphone.and.arrow.forward", orange, xcode, kMacos, kNone},
    {"xcodeSimulatorDevices", "Simulator Device Data", "App data stored inside simulator devices",
     "iphone.gen3", orange, xcode, kMacos, kNone},
    {"xcodeArchives", "Xcode Archives", "Archived application builds", "archivebox.fill", orange,
     xcode, kMacos, kNone},
    {"xcodeCaches", "Xcode Caches", "Re-creatable simulator and Xcode caches",
     "externaldrive.fill.badge.timemachine", orange, xcode, kMacos, kNone},
    {"browserCaches", "Browser Caches", "Re-creatable browser cache data", "safari.fill", blue,
     systemJunk, kBoth, kBoth},
    {"developerCaches", "Developer Caches", "Package manager and build-tool caches",
     "chevron.left.forwardslash.chevron.right", teal, systemJunk, kBoth, kBoth},
    {"mailDownloads", "Mail Attachments", "Downloaded attachment copies retained by Apple Mail",
     "envelope.fill", green, mail, kMacos, kNone},
    {"deviceBackups", "Device Backups", "Local iPhone and iPad backups", "iphone.gen3", indigo,
     backups, kMacos, kNone},
    {"systemCaches", "Shared System Caches", "Caches shared by all users", "gearshape.2.fill", gray,
     systemJunk, kMacos, kNone},
    {"universalBinaries", "Universal Binaries", "Non-native executable architecture slices",
     "cpu.fill", purple, universalBinaries, kMacos, kNone},
    {"installedApplications", "Installed Applications",
     "Applications with matched support files for complete removal", "app.badge", blue, noGroup,
     kBoth, kNone},
    {"appLeftovers", "Application Leftovers",
     "Support files whose owning application is no longer installed", "puzzlepiece.extension.fill",
     orange, noGroup, kBoth, kNone},
    {"installers", "Installation Files", "Downloaded disk images and installer packages",
     "shippingbox.and.arrow.backward.fill", indigo, noGroup, kBoth, kNone,
     "Downloaded packages, AppImages and installer archives"},
    {"downloads", "Downloads", "Files in Downloads for your review", "arrow.down.circle.fill",
     indigo, noGroup, kBoth, kNone},
    {"trash", "Trash", "Items already waiting in Trash", "trash.fill", pink, trash, kBoth, kNone},
    {"largeFiles", "Large Files", "Large files found in the scanned folder", "doc.richtext.fill",
     purple, noGroup, kBoth, kNone},
    {"thumbnails", "Thumbnails", "Previews of pictures and documents, made again when needed",
     "square.grid.2x2.fill", cyan, systemJunk, kLinux, kLinux},
    {"developerRepositories", "Local Repositories",
     "Build artifacts downloaded or installed locally, for review", "archivebox.fill", teal,
     systemJunk, kLinux, kNone},
    {"packageCaches", "Package Caches", "Downloaded packages the package manager keeps",
     "externaldrive.fill", gray, system, kLinux, kNone},
    {"systemLogs", "System Logs", "Archived journal files and system crash reports",
     "doc.text.fill", gray, system, kLinux, kNone},
    {"unusedRuntimes", "Unused Runtimes", "Flatpak runtimes that no installed application uses",
     "square.stack.3d.up.fill", gray, system, kLinux, kNone},
    {"snapRevisions", "Old Snap Revisions", "Disabled revisions Snap keeps for rolling back",
     "externaldrive.fill.badge.timemachine", gray, system, kLinux, kNone},
}};

const CategoryRow& row(CleanupCategory category) {
    return kCategories[static_cast<std::size_t>(category)];
}

} // namespace

std::string_view EnumTraits<CleanupCategory>::rawValue(CleanupCategory category) {
    return row(category).rawValue;
}

std::string_view title(CleanupCategory category) {
    return row(category).title;
}
std::string_view subtitle(CleanupCategory category, HomeLayout layout) {
    const CategoryRow& found = row(category);
    return layout == HomeLayout::linuxDesktop && !found.linuxSubtitle.empty() ? found.linuxSubtitle
                                                                              : found.subtitle;
}
std::string_view icon(CleanupCategory category) {
    return row(category).icon;
}
Tint tint(CleanupCategory category) {
    return row(category).tint;
}
std::optional<CleanupGroup> group(CleanupCategory category) {
    return row(category).group;
}
bool occursIn(CleanupCategory category, HomeLayout layout) {
    return (row(category).layouts & layoutBit(layout)) != 0;
}
bool occursIn(CleanupGroup wanted, HomeLayout layout) {
    const auto all = allCases<CleanupCategory>();
    return std::any_of(all.begin(), all.end(), [&](CleanupCategory category) {
        return group(category) == wanted && occursIn(category, layout);
    });
}
bool isRecommended(CleanupCategory category, HomeLayout layout) {
    return (row(category).recommendedIn & layoutBit(layout)) != 0;
}

std::vector<CleanupCategory> categories(CleanupGroup wanted) {
    std::vector<CleanupCategory> result;
    for (CleanupCategory category : allCases<CleanupCategory>()) {
        if (group(category) == wanted) {
            result.push_back(category);
        }
    }
    return result;
}

} // namespace sorvale::model

#include "CleanupCategory.h"

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
    bool recommended;
};

using enum CleanupGroup;
using enum Tint;
constexpr std::nullopt_t noGroup = std::nullopt;

// One row per case, in declaration order.
constexpr std::array<CategoryRow, EnumTraits<CleanupCategory>::count> kCategories{{
    {"userCaches", "User Caches", "Temporary files created by apps", "shippingbox.fill", mint,
     systemJunk, true},
    {"applicationCaches", "Application Caches",
     "Re-creatable cache folders discovered inside app data", "app.badge.checkmark", green,
     systemJunk, true},
    {"webData", "Web & Network Data", "WebKit, HTTP and offline website data for review", "network",
     blue, systemJunk, false},
    {"savedState", "Saved App State", "Window restoration snapshots saved by applications",
     "macwindow.on.rectangle", cyan, systemJunk, false},
    {"logs", "Log Files", "Diagnostic and historical logs", "doc.text.fill", cyan, systemJunk,
     true},
    {"xcodeDerivedData", "Derived Data", "Indexes and intermediate build products", "hammer.fill",
     orange, xcode, false},
    {"xcodeRuntimes", "Simulator Runtimes", "Installed simulator platform disk images",
     "square.stack.3d.up.fill", orange, xcode, false},
    {"xcodeDeviceSupport", "Device Support", "Symbols and support files from connected devices",
     "iphone.and.arrow.forward", orange, xcode, false},
    {"xcodeSimulatorDevices", "Simulator Device Data", "App data stored inside simulator devices",
     "iphone.gen3", orange, xcode, false},
    {"xcodeArchives", "Xcode Archives", "Archived application builds", "archivebox.fill", orange,
     xcode, false},
    {"xcodeCaches", "Xcode Caches", "Re-creatable simulator and Xcode caches",
     "externaldrive.fill.badge.timemachine", orange, xcode, false},
    {"browserCaches", "Browser Caches", "Re-creatable browser cache data", "safari.fill", blue,
     systemJunk, true},
    {"developerCaches", "Developer Caches", "Package manager and build-tool caches",
     "chevron.left.forwardslash.chevron.right", teal, systemJunk, true},
    {"mailDownloads", "Mail Attachments", "Downloaded attachment copies retained by Apple Mail",
     "envelope.fill", green, mail, false},
    {"deviceBackups", "Device Backups", "Local iPhone and iPad backups", "iphone.gen3", indigo,
     backups, false},
    {"systemCaches", "Shared System Caches", "Caches shared by all users", "gearshape.2.fill", gray,
     systemJunk, false},
    {"universalBinaries", "Universal Binaries", "Non-native executable architecture slices",
     "cpu.fill", purple, universalBinaries, false},
    {"installedApplications", "Installed Applications",
     "Applications with matched support files for complete removal", "app.badge", blue, noGroup,
     false},
    {"appLeftovers", "Application Leftovers",
     "Support files whose owning application is no longer installed", "puzzlepiece.extension.fill",
     orange, noGroup, false},
    {"installers", "Installation Files", "Downloaded disk images and installer packages",
     "shippingbox.and.arrow.backward.fill", indigo, noGroup, false},
    {"downloads", "Downloads", "Files in Downloads for your review", "arrow.down.circle.fill",
     indigo, noGroup, false},
    {"trash", "Trash", "Items already waiting in Trash", "trash.fill", pink, trash, false},
    {"largeFiles", "Large Files", "Large files found in the scanned folder", "doc.richtext.fill",
     purple, noGroup, false},
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
std::string_view subtitle(CleanupCategory category) {
    return row(category).subtitle;
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
bool isRecommended(CleanupCategory category) {
    return row(category).recommended;
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

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "MacosJunkScan.h"

#include "DirectoryWalker.h"
#include "MailAttachments.h"
#include "SimulatorStorage.h"
#include "SizeMeasurement.h"
#include "UnicodeText.h"
#include "UniversalBinaries.h"
#include "model/Translatable.h"
#include "platform/BundleInfo.h"
#include "platform/StandardLocations.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace sorvale::engine {
namespace {

using model::CleanupCategory;
namespace fs = std::filesystem;

struct CatalogueRow {
    std::string_view path;
    CleanupCategory category;
};

// Folders under the home folder whose entries are offered one by one, in this order.
constexpr std::array<CatalogueRow, 16> kHomeCatalogue{{
    {"Library/Logs", CleanupCategory::logs},
    {"Library/DiagnosticReports", CleanupCategory::logs},
    {"Library/Developer/Xcode/DerivedData", CleanupCategory::xcodeDerivedData},
    {"Library/Developer/Xcode/Archives", CleanupCategory::xcodeArchives},
    {"Library/Developer/Xcode/iOS DeviceSupport", CleanupCategory::xcodeDeviceSupport},
    {"Library/Developer/Xcode/watchOS DeviceSupport", CleanupCategory::xcodeDeviceSupport},
    {"Library/Developer/Xcode/tvOS DeviceSupport", CleanupCategory::xcodeDeviceSupport},
    {"Library/Developer/Xcode/Products", CleanupCategory::xcodeArchives},
    {"Library/Developer/CoreSimulator/Caches", CleanupCategory::xcodeCaches},
    {"Library/Application Support/MobileSync/Backup", CleanupCategory::deviceBackups},
    {".npm", CleanupCategory::developerCaches},
    {".cache", CleanupCategory::developerCaches},
    {".gradle/caches", CleanupCategory::developerCaches},
    {".cargo/registry/cache", CleanupCategory::developerCaches},
    {"Library/org.swift.swiftpm", CleanupCategory::developerCaches},
    {"Library/pnpm/store", CleanupCategory::developerCaches},
}};

constexpr std::array<std::string_view, 2> kSystemCatalogue{"/Library/Caches", "/Library/Logs"};

// Folders inside an application's container, each offered whole.
constexpr std::array<CatalogueRow, 8> kContainerSubPaths{{
    {"Data/Library/Caches", CleanupCategory::applicationCaches},
    {"Library/Caches", CleanupCategory::applicationCaches},
    {"Data/Library/Logs", CleanupCategory::logs},
    {"Library/Logs", CleanupCategory::logs},
    {"Data/Library/HTTPStorages", CleanupCategory::webData},
    {"Library/HTTPStorages", CleanupCategory::webData},
    {"Data/Library/WebKit", CleanupCategory::webData},
    {"Library/WebKit", CleanupCategory::webData},
}};

constexpr std::array<CatalogueRow, 4> kApplicationDataCatalogue{{
    {"Library/HTTPStorages", CleanupCategory::webData},
    {"Library/WebKit", CleanupCategory::webData},
    {"Library/Saved Application State", CleanupCategory::savedState},
    {"Library/Application Support/CrashReporter", CleanupCategory::logs},
}};

// Application Support folder names, compared in lower case.
constexpr std::array<std::string_view, 8> kCacheFolderNames{
    "cache",     "caches",      "code cache",  "gpucache",
    "dawncache", "shadercache", "media cache", "videodecodecache"};
constexpr std::array<std::string_view, 1> kWebStorageFolderNames{"cachestorage"};
// Mail and device backups have steps of their own; the others are never caches worth a look.
constexpr std::array<std::string_view, 4> kNamesNeverEntered{"node_modules", ".git", "mail",
                                                             "mobilesync"};
// Below this depth of Application Support nothing is examined.
constexpr std::size_t kApplicationSupportDepthLimit = 6;

// Tested in this order on the lower-case name of an entry of Library/Caches. They are plain
// substrings, so "arc" also matches names such as "com.apple.searchd".
constexpr std::array<std::string_view, 6> kBrowserFragments{"safari", "chrome", "firefox",
                                                            "brave",  "arc",    "opera"};
constexpr std::array<std::string_view, 7> kDeveloperToolFragments{
    "homebrew", "swiftpm", "cocoapods", "gradle", "npm", "yarn", "instruments"};
constexpr std::array<std::string_view, 2> kXcodeFragments{"xcode", "coresimulator"};

template <std::size_t N>
bool containsAny(std::string_view text, const std::array<std::string_view, N>& fragments) {
    return std::any_of(fragments.begin(), fragments.end(), [&](std::string_view fragment) {
        return text.find(fragment) != std::string_view::npos;
    });
}

template <std::size_t N>
bool isOneOf(std::string_view text, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), text) != names.end();
}

CleanupCategory classifyCacheFolder(std::string_view name) {
    const std::string lower = lowercased(name);
    if (containsAny(lower, kBrowserFragments)) {
        return CleanupCategory::browserCaches;
    }
    if (containsAny(lower, kDeveloperToolFragments) || lower.starts_with("com.apple.dt.")) {
        return CleanupCategory::developerCaches;
    }
    if (containsAny(lower, kXcodeFragments)) {
        return CleanupCategory::xcodeCaches;
    }
    return CleanupCategory::userCaches;
}

std::optional<CleanupCategory> applicationSupportCategory(std::string_view lowerName) {
    if (isOneOf(lowerName, kCacheFolderNames)) {
        return CleanupCategory::applicationCaches;
    }
    if (isOneOf(lowerName, kWebStorageFolderNames)) {
        return CleanupCategory::webData;
    }
    return std::nullopt;
}

// An item of a container, named after the container.
std::string_view containerItemName(CleanupCategory category) {
    switch (category) {
    case CleanupCategory::webData:
        return SORVALE_TRANSLATABLE("ItemNames", "%1 web data");
    case CleanupCategory::logs:
        return SORVALE_TRANSLATABLE("ItemNames", "%1 logs");
    default:
        return SORVALE_TRANSLATABLE("ItemNames", "%1 cache");
    }
}

} // namespace

model::ScanSnapshot MacosJunkScan::scan(const fs::path& home) const {
    Candidates found;
    found.addFolder(home / "Library/Caches",
                    found.addMaker([](model::Location entry, const MeasuredEntry& measured) {
                        const CleanupCategory category = classifyCacheFolder(entry.name());
                        return measuredEntryItem(std::move(entry), measured, category);
                    }));
    // A device backup's folder is named by a long device identifier; the user knows the device
    // by the name given to it, which the backup records.
    const std::size_t deviceBackups =
        found.addMaker([](model::Location entry, const MeasuredEntry& measured) {
            auto name = platform::deviceBackupName(entry.path());
            model::CleanupItem item =
                measuredEntryItem(std::move(entry), measured, CleanupCategory::deviceBackups);
            if (name) {
                item.name = std::move(*name);
            }
            return item;
        });
    for (const CatalogueRow& row : kHomeCatalogue) {
        found.addFolder(home / row.path, row.category == CleanupCategory::deviceBackups
                                             ? deviceBackups
                                             : found.addMaker(row.category));
    }
    // The one Trash the Trash section lists too.
    found.addFolder(platform::trashFilesFolder(home), found.addMaker(CleanupCategory::trash));
    SimulatorStorage(setup_).appendTo(home, found);
    MailAttachments(setup_).appendTo(home, found);
    const std::size_t systemCaches = found.addMaker(CleanupCategory::systemCaches);
    for (std::string_view folder : kSystemCatalogue) {
        found.addFolder(setup_.systemPath(folder), systemCaches);
    }
    appendContainerCaches(home, "Library/Containers", found);
    appendContainerCaches(home, "Library/Group Containers", found);
    appendApplicationData(home, found);
    found.add(UniversalBinaries(setup_).scan(home));

    model::ScanSnapshot junk = std::move(found).measureDistinct(SizeMeasurement(setup_));
    sortBySizeDescending(junk.items);
    return junk;
}

void MacosJunkScan::appendContainerCaches(const fs::path& home, const fs::path& containerFolder,
                                          Candidates& into) const {
    const fs::path root = home / containerFolder;
    // Each item is named after its container: the first name below the containers' folder.
    std::vector<std::size_t> makers;
    for (const CatalogueRow& subPath : kContainerSubPaths) {
        makers.push_back(
            into.addMaker([subPath](model::Location entry, const MeasuredEntry& measured) {
                const auto sighting = entry.sighting();
                std::string_view below =
                    entry.bytes().substr(sighting ? sighting->folder.rootLength : 0);
                below.remove_prefix(std::min(below.find_first_not_of('/'), below.size()));
                std::string name(below.substr(0, below.find('/')));
                model::CleanupItem item =
                    measuredEntryItem(std::move(entry), measured, subPath.category);
                item.setMadeName(
                    model::itemName(containerItemName(subPath.category), {std::move(name)}));
                return item;
            }));
    }
    // Only the folders on the way to the rows' places are opened. Sandbox containers are
    // protected by the system: one that cannot be read is not reported.
    (void)walkDirectory(
        root, WalkOptions{},
        [&](const WalkEntry& entry) {
            if (entry.depth() == 1) {
                return WalkAction::descend;
            }
            std::string_view inside = entry.path().native();
            inside.remove_prefix(std::min(root.native().size(), inside.size()));
            inside.remove_prefix(std::min(inside.find_first_not_of('/'), inside.size()));
            inside.remove_prefix(std::min(inside.find('/') + 1, inside.size()));
            for (std::size_t row = 0; row < kContainerSubPaths.size(); ++row) {
                const std::string_view place = kContainerSubPaths[row].path;
                if (place == inside) {
                    into.add(ListedEntry{entry.location(), entry.values()}, makers[row],
                             /*keepEmpty=*/false);
                    return WalkAction::skipDescendants;
                }
            }
            const bool onTheWay = std::any_of(
                kContainerSubPaths.begin(), kContainerSubPaths.end(), [&](const CatalogueRow& row) {
                    return row.path.size() > inside.size() && row.path.starts_with(inside) &&
                           row.path[inside.size()] == '/';
                });
            return onTheWay ? WalkAction::descend : WalkAction::skipDescendants;
        },
        [](const fs::path&, int) {});
}

void MacosJunkScan::appendApplicationData(const fs::path& home, Candidates& into) const {
    for (const CatalogueRow& row : kApplicationDataCatalogue) {
        into.addFolder(home / row.path, into.addMaker(row.category));
    }
    appendApplicationSupportCaches(home / "Library/Application Support", into);
}

void MacosJunkScan::appendApplicationSupportCaches(const fs::path& root, Candidates& into) const {
    // Named after the folder that holds the cache, as "Vendor — Cache".
    const auto makerOf = [&](CleanupCategory category) {
        return into.addMaker([category](model::Location entry, const MeasuredEntry& measured) {
            const std::string_view folder = entry.folder();
            std::string name = std::string(folder.substr(folder.rfind('/') + 1)) + " \u2014 " +
                               std::string(entry.name());
            model::CleanupItem item = measuredEntryItem(std::move(entry), measured, category);
            item.name = std::move(name);
            return item;
        });
    };
    const std::size_t caches = makerOf(CleanupCategory::applicationCaches);
    const std::size_t webData = makerOf(CleanupCategory::webData);
    walkCounting(
        root, WalkOptions{.skipHiddenEntries = true, .skipPackageContents = true},
        [&](const WalkEntry& entry) {
            const std::string name = lowercased(entry.name());
            if (entry.depth() >= kApplicationSupportDepthLimit ||
                isOneOf(name, kNamesNeverEntered)) {
                return WalkAction::skipDescendants;
            }
            if (entry.type() != platform::EntryType::directory) {
                return WalkAction::descend;
            }
            const auto category = applicationSupportCategory(name);
            if (!category || !entry.values()) {
                return WalkAction::descend;
            }
            into.add(ListedEntry{entry.location(), entry.values()},
                     *category == CleanupCategory::webData ? webData : caches,
                     /*keepEmpty=*/false);
            return WalkAction::skipDescendants;
        },
        into.inaccessibleCount);
}

} // namespace sorvale::engine

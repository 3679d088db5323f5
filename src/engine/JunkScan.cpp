#include "DirectoryWalker.h"
#include "ScanEngine.h"
#include "UnicodeText.h"
#include "model/Location.h"
#include "platform/StandardLocations.h"

#include <algorithm>
#include <array>
#include <set>
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

std::string_view containerLabel(CleanupCategory category) {
    switch (category) {
    case CleanupCategory::webData:
        return "web data";
    case CleanupCategory::logs:
        return "logs";
    default:
        return "cache";
    }
}

// Keeps the first item of every location, then drops the empty ones.
void keepFirstOfEachLocation(std::vector<model::CleanupItem>& items) {
    std::set<fs::path> seen;
    std::erase_if(items, [&](const model::CleanupItem& item) {
        const bool isFirst = seen.insert(model::standardized(item.id.path())).second;
        return !isFirst || item.size < 1;
    });
}

} // namespace

void ScanEngine::appendCatalogueFolder(const fs::path& folder, model::ScanSnapshot& into,
                                       const ItemMaker& makeItem) const {
    if (!platform::fileExists(folder)) {
        return;
    }
    auto entries = listDirectory(folder, /*skipHiddenEntries=*/false);
    if (!entries) {
        ++into.inaccessibleCount;
        return;
    }
    for (ListedEntry& entry : *entries) {
        if (entry.location.name() == ".DS_Store") {
            continue;
        }
        if (const auto measured =
                measureEntry(entry.location.path(), entry.values, into.inaccessibleCount)) {
            into.items.push_back(makeItem(std::move(entry.location), *measured));
        }
    }
}

ScanEngine::ItemMaker ScanEngine::measuredEntriesOf(CleanupCategory category) {
    return [category](model::Location entry, const MeasuredEntry& measured) {
        return measuredEntryItem(std::move(entry), measured, category);
    };
}

model::ScanSnapshot ScanEngine::scanJunk(const fs::path& home) const {
    model::ScanSnapshot junk;

    appendCatalogueFolder(home / "Library/Caches", junk,
                          [](model::Location entry, const MeasuredEntry& measured) {
                              const CleanupCategory category = classifyCacheFolder(entry.name());
                              return measuredEntryItem(std::move(entry), measured, category);
                          });
    for (const CatalogueRow& row : kHomeCatalogue) {
        appendCatalogueFolder(home / row.path, junk, measuredEntriesOf(row.category));
    }
    // The one Trash the Trash section lists too.
    appendCatalogueFolder(platform::trashFilesFolder(home), junk,
                          measuredEntriesOf(CleanupCategory::trash));
    appendSimulatorDevices(home, junk);
    std::ranges::move(scanSimulatorRuntimes(), std::back_inserter(junk.items));
    appendSimulatorCaches(junk);
    appendMailAttachments(home, junk);
    for (std::string_view folder : kSystemCatalogue) {
        appendCatalogueFolder(systemPath(folder), junk,
                              measuredEntriesOf(CleanupCategory::systemCaches));
    }
    appendContainerCaches(home, "Library/Containers", junk);
    appendContainerCaches(home, "Library/Group Containers", junk);
    appendGenericApplicationData(home, junk);
    model::ScanSnapshot universal = scanUniversalApplications(home);
    std::ranges::move(universal.items, std::back_inserter(junk.items));
    junk.inaccessibleCount += universal.inaccessibleCount;

    keepFirstOfEachLocation(junk.items);
    sortBySizeDescending(junk.items);
    return junk;
}

void ScanEngine::appendContainerCaches(const fs::path& home, const fs::path& containerFolder,
                                       model::ScanSnapshot& into) const {
    const auto containers = listDirectory(home / containerFolder, /*skipHiddenEntries=*/false);
    if (!containers) {
        return;
    }
    for (const ListedEntry& container : *containers) {
        const std::string containerName(container.location.name());
        for (const CatalogueRow& subPath : kContainerSubPaths) {
            auto candidate =
                findEntry(home / containerFolder, fs::path(containerName) / subPath.path);
            if (!candidate) {
                continue;
            }
            const auto measured =
                measureEntry(candidate->location.path(), candidate->values, into.inaccessibleCount);
            if (!measured || measured->size < 1) {
                continue;
            }
            model::CleanupItem item =
                measuredEntryItem(std::move(candidate->location), *measured, subPath.category);
            item.name = containerName + " " + std::string(containerLabel(subPath.category));
            into.items.push_back(std::move(item));
        }
    }
}

void ScanEngine::appendGenericApplicationData(const fs::path& home,
                                              model::ScanSnapshot& into) const {
    for (const CatalogueRow& row : kApplicationDataCatalogue) {
        appendCatalogueFolder(home / row.path, into, measuredEntriesOf(row.category));
    }
    appendApplicationSupportCaches(home / "Library/Application Support", into);
}

void ScanEngine::appendApplicationSupportCaches(const fs::path& root,
                                                model::ScanSnapshot& into) const {
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
            const auto measured =
                measureEntry(entry.path(), entry.values(), into.inaccessibleCount);
            if (!measured || measured->size < 1) {
                return WalkAction::descend;
            }
            model::CleanupItem item = measuredEntryItem(entry.location(), *measured, *category);
            item.name = entry.path().parent_path().filename().native() + " \u2014 " +
                        std::string(entry.name());
            into.items.push_back(std::move(item));
            return WalkAction::skipDescendants;
        },
        into.inaccessibleCount);
}

} // namespace sorvale::engine

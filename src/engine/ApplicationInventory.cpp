// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ApplicationInventory.h"

#include "ApplicationBundles.h"
#include "Candidates.h"
#include "DirectoryWalker.h"
#include "FinderOrder.h"
#include "LeftoverSearch.h"
#include "SizeMeasurement.h"
#include "UnicodeText.h"
#include "model/Location.h"
#include "platform/BundleInfo.h"
#include "platform/EntryNames.h"

#include <algorithm>
#include <array>
#include <map>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 1> kApplicationExtension{"app"};
// Sorvale's own bundle: it owns its support files like any application, but is never offered
// for uninstalling by itself.
constexpr std::string_view kOwnBundleName = "Sorvale.app";
// Bundles found here own identifiers but are not offered for removal.
constexpr std::array<std::string_view, 3> kSystemIdentifierOnlyRoots{
    "/System/Applications", "/System/Library/CoreServices", "/Library/Application Support"};
constexpr std::array<std::string_view, 8> kEmbeddedBundleFolders{
    "Contents/PlugIns",           "Contents/Library/LoginItems",
    "Contents/XPCServices",       "Contents/Library/SystemExtensions",
    "Contents/Library/QuickLook", "Contents/Frameworks",
    "Contents/Helpers",           "Contents/Library/LaunchServices"};
constexpr std::array<std::string_view, 5> kEmbeddedBundleExtensions{
    "app", "appex", "xpc", "systemextension", "qlgenerator"};
constexpr std::array<const char*, 2> kGroupEntitlements{"com.apple.security.application-groups",
                                                        "keychain-access-groups"};
// Library folders whose entries belong to an application when named by its identifier, or by
// its identifier followed by ".".
constexpr std::array<std::string_view, 8> kPrefixMatchedFolders{"Caches",
                                                                "Preferences",
                                                                "Saved Application State",
                                                                "Containers",
                                                                "Group Containers",
                                                                "Application Scripts",
                                                                "HTTPStorages",
                                                                "WebKit"};

// Lower case, without a leading "group.".
std::string normalizedIdentifier(std::string_view identifier) {
    std::string normal = lowercased(identifier);
    if (normal.starts_with("group.")) {
        normal.erase(0, 6);
    }
    return normal;
}

std::optional<std::string> bundleIdentifier(const fs::path& bundle) {
    return platform::readBundleInfo(bundle).identifier;
}

// The application groups and keychain groups a bundle's signature entitles it to.
std::set<std::string> groupIdentifiers(const std::optional<platform::PropertyList>& entitlements) {
    if (!entitlements) {
        return {};
    }
    std::set<std::string> identifiers;
    for (const char* key : kGroupEntitlements) {
        for (const std::string& group : entitlements->strings(key)) {
            identifiers.insert(normalizedIdentifier(group));
        }
    }
    return identifiers;
}

bool isOwnedEntryName(std::string_view lowerName, std::string_view identifier) {
    return lowerName == identifier ||
           (lowerName.size() > identifier.size() && lowerName.starts_with(identifier) &&
            lowerName[identifier.size()] == '.');
}

// The application bundles below `roots`, each once, in the Finder's name order.
std::vector<model::Location> discoverApplications(const std::vector<fs::path>& roots,
                                                  std::int64_t& inaccessible) {
    std::vector<model::Location> applications;
    std::set<fs::path> seen;
    for (const fs::path& root : roots) {
        findBundles(
            root, kApplicationExtension,
            [&](const WalkEntry& bundle) {
                if (seen.insert(model::standardized(bundle.path())).second) {
                    applications.push_back(bundle.location());
                }
            },
            inaccessible);
    }
    const FinderOrder finderOrder;
    std::stable_sort(applications.begin(), applications.end(),
                     [&](const model::Location& a, const model::Location& b) {
                         return finderOrder(a.name(), b.name());
                     });
    return applications;
}

// The normalized identifiers a bundle owns: its own, its signature's groups, and those of the
// bundles embedded in it.
std::set<std::string> bundleIdentifiers(const model::Location& bundle, std::int64_t& inaccessible) {
    std::set<std::string> identifiers;
    const auto addBundle = [&](const fs::path& owner) {
        const platform::BundleInfo info = platform::readBundleInfo(owner);
        if (info.identifier) {
            identifiers.insert(normalizedIdentifier(*info.identifier));
        }
        identifiers.merge(groupIdentifiers(platform::readBundleEntitlements(owner, info)));
    };
    addBundle(bundle.path());
    const WalkRoot inside = walkRootOf(bundle);
    for (std::string_view folder : kEmbeddedBundleFolders) {
        findBundles(
            WalkRoot(inside.root, inside.below / folder), kEmbeddedBundleExtensions,
            [&](const WalkEntry& embedded) { addBundle(embedded.path()); }, inaccessible);
    }
    return identifiers;
}

// An entry of a Library folder matched by identifier prefix, with its lower-case name.
struct LibraryEntry {
    std::string lowerName;
    model::Location location;
};

// The entries of those folders, listed once for all the applications of a scan.
std::vector<LibraryEntry> prefixMatchedLibraryEntries(const fs::path& home) {
    std::vector<LibraryEntry> entries;
    for (std::string_view folder : kPrefixMatchedFolders) {
        for (ListedEntry& entry :
             listDirectory(home / "Library" / folder, /*skipHiddenEntries=*/false)
                 .value_or(std::vector<ListedEntry>{})) {
            std::string lowerName = lowercased(entry.location.name());
            entries.push_back({std::move(lowerName), std::move(entry.location)});
        }
    }
    return entries;
}

// The files an application keeps in the home Library, ordered by path.
std::vector<model::Location> supportFilesOf(const fs::path& home,
                                            const std::optional<std::string>& bundleIdentifier,
                                            std::string_view appName,
                                            const std::vector<LibraryEntry>& libraryEntries) {
    const fs::path library = home / "Library";
    // (folder of the Library, name in it)
    std::vector<std::pair<std::string_view, std::string>> candidates;
    const bool hasIdentifier = bundleIdentifier && platform::isSingleName(*bundleIdentifier);
    if (hasIdentifier) {
        const std::string& id = *bundleIdentifier;
        candidates = {{"Caches", id},
                      {"Containers", id},
                      {"Group Containers", "group." + id},
                      {"Application Scripts", id},
                      {"HTTPStorages", id},
                      {"WebKit", id},
                      {"Preferences", id + ".plist"},
                      {"Saved Application State", id + ".savedState"},
                      {"Application Support", id}};
    }
    if (platform::isSingleName(appName)) {
        for (std::string_view folder : {"Application Support", "Caches", "Logs"}) {
            candidates.emplace_back(folder, appName);
        }
    }

    // Ordered by the plain text of the path, as a listing for the user.
    std::map<std::string, model::Location> found;
    const auto add = [&](const model::Location& file) {
        found.try_emplace(model::standardized(file.path()).native(), file);
    };
    for (const auto& [folder, name] : candidates) {
        if (auto entry = findEntry(library / folder, name)) {
            add(entry->location);
        }
    }
    if (hasIdentifier) {
        for (const LibraryEntry& entry : libraryEntries) {
            if (isOwnedEntryName(entry.lowerName, *bundleIdentifier)) {
                add(entry.location);
            }
        }
    }
    std::vector<model::Location> files;
    files.reserve(found.size());
    for (auto& [path, file] : found) {
        files.push_back(std::move(file));
    }
    return files;
}

} // namespace

model::ScanSnapshot
ApplicationInventory::scan(const fs::path& home,
                           const std::optional<std::vector<fs::path>>& applicationRoots) const {
    model::ScanSnapshot snapshot;
    const std::vector<fs::path> roots = applicationRoots.value_or(
        std::vector{setup_.systemPath("/Applications"), home / "Applications"});
    const std::vector<model::Location> applications =
        discoverApplications(roots, snapshot.inaccessibleCount);

    std::vector<model::Location> identifierSources = applications;
    if (!applicationRoots) {
        std::vector<fs::path> identifierOnlyRoots;
        for (std::string_view root : kSystemIdentifierOnlyRoots) {
            identifierOnlyRoots.push_back(setup_.systemPath(root));
        }
        identifierOnlyRoots.push_back(home / "Library/Application Support");
        std::ranges::move(discoverApplications(identifierOnlyRoots, snapshot.inaccessibleCount),
                          std::back_inserter(identifierSources));
    }
    std::set<std::string> installedIdentifiers;
    for (const model::Location& bundle : identifierSources) {
        installedIdentifiers.merge(bundleIdentifiers(bundle, snapshot.inaccessibleCount));
    }

    // Every bundle and support file is measured at once; each application's entries are its
    // bundle, then its support files.
    const std::vector<LibraryEntry> libraryEntries = prefixMatchedLibraryEntries(home);
    std::vector<ListedEntry> entries;
    std::vector<std::vector<model::Location>> supportFiles;
    std::set<fs::path> claimed;
    for (const model::Location& bundle : applications) {
        entries.push_back({bundle, platform::readEntryValues(bundle.path())});
        const auto identifier = bundleIdentifier(bundle.path());
        std::vector<model::Location> support =
            supportFilesOf(home, identifier ? std::optional(lowercased(*identifier)) : std::nullopt,
                           bundle.path().stem().native(), libraryEntries);
        for (const model::Location& file : support) {
            const fs::path path = file.path();
            claimed.insert(model::standardized(path));
            entries.push_back({file, platform::readEntryValues(path)});
        }
        supportFiles.push_back(std::move(support));
    }
    const auto measured =
        SizeMeasurement(setup_).measureEntries(entries, snapshot.inaccessibleCount);
    std::size_t next = 0;
    for (std::size_t application = 0; application < applications.size(); ++application) {
        const auto& bundle = measured[next++];
        std::vector<model::Location>& support = supportFiles[application];
        std::int64_t size = bundle ? bundle->size : 0;
        for (std::size_t file = 0; file < support.size(); ++file, ++next) {
            size += measured[next] ? measured[next]->size : 0;
        }
        const model::Location& location = applications[application];
        if (!bundle || location.name() == kOwnBundleName) {
            continue;
        }
        snapshot.items.push_back(model::CleanupItem{
            .id = location,
            .url = location,
            .name = location.path().stem().native(),
            .size = size,
            .category = model::CleanupCategory::installedApplications,
            .isSelected = false,
            .modifiedAt = bundle->modifiedAt,
            .relatedFiles = std::move(support),
            .operation = model::CleanupOperation::uninstallApplication(),
            .owner = {},
            .icon = {},
            .nameParts = {},
        });
    }

    const LeftoverSearch left(setup_);
    std::ranges::move(
        left.leftovers(home, installedIdentifiers, claimed, snapshot.inaccessibleCount),
        std::back_inserter(snapshot.items));
    std::ranges::move(left.installers(home, snapshot.inaccessibleCount),
                      std::back_inserter(snapshot.items));
    sortBySizeDescending(snapshot.items);
    return snapshot;
}

} // namespace sorvale::engine

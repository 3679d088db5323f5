#include "ApplicationBundles.h"
#include "DirectoryWalker.h"
#include "FinderOrder.h"
#include "ScanEngine.h"
#include "UnicodeText.h"
#include "model/Location.h"
#include "platform/BundleInfo.h"

#include <algorithm>
#include <array>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 1> kApplicationExtension{"app"};
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

// A name that stays one entry of the folder it is joined to. Identifiers come from the bundles
// themselves, so one like "../../Documents" must never reach a path.
bool isSingleName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
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

} // namespace

model::ScanSnapshot
ScanEngine::scanApplications(const fs::path& home,
                             const std::optional<std::vector<fs::path>>& applicationRoots) const {
    model::ScanSnapshot snapshot;
    const std::vector<fs::path> roots =
        applicationRoots.value_or(std::vector{systemPath("/Applications"), home / "Applications"});
    const std::vector<fs::path> applications =
        discoverApplications(roots, snapshot.inaccessibleCount);

    std::vector<fs::path> identifierSources = applications;
    if (!applicationRoots) {
        std::vector<fs::path> identifierOnlyRoots;
        for (std::string_view root : kSystemIdentifierOnlyRoots) {
            identifierOnlyRoots.push_back(systemPath(root));
        }
        identifierOnlyRoots.push_back(home / "Library/Application Support");
        std::ranges::move(discoverApplications(identifierOnlyRoots, snapshot.inaccessibleCount),
                          std::back_inserter(identifierSources));
    }
    std::set<std::string> installedIdentifiers;
    for (const fs::path& bundle : identifierSources) {
        installedIdentifiers.merge(applicationBundleIdentifiers(bundle));
    }

    const std::vector<LibraryEntry> libraryEntries = prefixMatchedLibraryEntries(home);
    std::set<fs::path> claimed;
    for (const fs::path& bundle : applications) {
        const auto measured = measureEntry(bundle, snapshot.inaccessibleCount);
        if (!measured) {
            continue;
        }
        const auto identifier = bundleIdentifier(bundle);
        const std::string name = bundle.stem().native();
        std::vector<fs::path> support = applicationSupportFiles(
            home, identifier ? std::optional(lowercased(*identifier)) : std::nullopt, name,
            libraryEntries);
        std::int64_t size = measured->size;
        for (const fs::path& file : support) {
            claimed.insert(file); // already standardized
            if (const auto supportFile = measureEntry(file, snapshot.inaccessibleCount)) {
                size += supportFile->size;
            }
        }
        snapshot.items.push_back(model::CleanupItem{
            .id = bundle,
            .url = bundle,
            .name = name,
            .size = size,
            .category = model::CleanupCategory::installedApplications,
            .modifiedAt = measured->modifiedAt,
            .relatedFiles = std::move(support),
            .operation = model::CleanupOperation::uninstallApplication(),
            .isSelected = false,
        });
    }

    std::ranges::move(
        discoverLeftovers(home, installedIdentifiers, claimed, snapshot.inaccessibleCount),
        std::back_inserter(snapshot.items));
    std::ranges::move(discoverInstallers(home, snapshot.inaccessibleCount),
                      std::back_inserter(snapshot.items));
    sortBySizeDescending(snapshot.items);
    return snapshot;
}

std::vector<fs::path> ScanEngine::discoverApplications(const std::vector<fs::path>& roots,
                                                       std::int64_t& inaccessible) const {
    std::vector<fs::path> applications;
    std::set<fs::path> seen;
    for (const fs::path& root : roots) {
        if (!platform::fileExists(root)) {
            continue;
        }
        const bool walked = findBundles(root, kApplicationExtension, [&](const fs::path& bundle) {
            fs::path location = model::standardized(bundle);
            if (seen.insert(location).second) {
                applications.push_back(std::move(location));
            }
        });
        if (!walked) {
            ++inaccessible;
        }
    }
    const FinderOrder finderOrder;
    std::stable_sort(applications.begin(), applications.end(),
                     [&](const fs::path& a, const fs::path& b) {
                         return finderOrder(a.filename().native(), b.filename().native());
                     });
    return applications;
}

std::set<std::string> ScanEngine::applicationBundleIdentifiers(const fs::path& bundle) const {
    std::set<std::string> identifiers;
    const auto addBundle = [&](const fs::path& owner) {
        const platform::BundleInfo info = platform::readBundleInfo(owner);
        if (info.identifier) {
            identifiers.insert(normalizedIdentifier(*info.identifier));
        }
        identifiers.merge(groupIdentifiers(platform::readBundleEntitlements(owner, info)));
    };
    addBundle(bundle);
    for (std::string_view folder : kEmbeddedBundleFolders) {
        (void)findBundles(bundle / folder, kEmbeddedBundleExtensions, addBundle);
    }
    return identifiers;
}

std::set<std::string> ScanEngine::signingOwnedIdentifiers(const fs::path& bundle) {
    return groupIdentifiers(platform::readBundleEntitlements(bundle));
}

std::vector<ScanEngine::LibraryEntry>
ScanEngine::prefixMatchedLibraryEntries(const fs::path& home) const {
    std::vector<LibraryEntry> entries;
    for (std::string_view folder : kPrefixMatchedFolders) {
        for (fs::path& entry : listDirectory(home / "Library" / folder, /*skipHiddenEntries=*/false)
                                   .value_or(std::vector<fs::path>{})) {
            std::string lowerName = lowercased(entry.filename().native());
            entries.push_back({std::move(lowerName), std::move(entry)});
        }
    }
    return entries;
}

std::vector<fs::path>
ScanEngine::applicationSupportFiles(const fs::path& home,
                                    const std::optional<std::string>& bundleIdentifier,
                                    std::string_view appName) const {
    return applicationSupportFiles(home, bundleIdentifier, appName,
                                   bundleIdentifier ? prefixMatchedLibraryEntries(home)
                                                    : std::vector<LibraryEntry>{});
}

std::vector<fs::path> ScanEngine::applicationSupportFiles(
    const fs::path& home, const std::optional<std::string>& bundleIdentifier,
    std::string_view appName, const std::vector<LibraryEntry>& libraryEntries) const {
    const fs::path library = home / "Library";
    std::vector<fs::path> candidates;
    const bool hasIdentifier = bundleIdentifier && isSingleName(*bundleIdentifier);
    if (hasIdentifier) {
        const std::string& id = *bundleIdentifier;
        candidates = {library / "Caches" / id,
                      library / "Containers" / id,
                      library / "Group Containers" / ("group." + id),
                      library / "Application Scripts" / id,
                      library / "HTTPStorages" / id,
                      library / "WebKit" / id,
                      library / "Preferences" / (id + ".plist"),
                      library / "Saved Application State" / (id + ".savedState"),
                      library / "Application Support" / id};
    }
    if (isSingleName(appName)) {
        for (std::string_view folder : {"Application Support", "Caches", "Logs"}) {
            candidates.push_back(library / folder / appName);
        }
    }

    // Ordered by the plain text of the path, as a listing for the user.
    std::set<std::string> found;
    for (const fs::path& candidate : candidates) {
        if (platform::fileExists(candidate)) {
            found.insert(model::standardized(candidate).native());
        }
    }
    if (hasIdentifier) {
        for (const LibraryEntry& entry : libraryEntries) {
            if (isOwnedEntryName(entry.lowerName, *bundleIdentifier)) {
                found.insert(model::standardized(entry.path).native());
            }
        }
    }
    return {found.begin(), found.end()};
}

} // namespace sorvale::engine

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "LinuxApplications.h"

#include "ApplicationBundles.h"
#include "Candidates.h"
#include "DesktopEntry.h"
#include "DpkgDatabase.h"
#include "FinderOrder.h"
#include "FlatpakInstallation.h"
#include "LeftoverSearch.h"
#include "SizeMeasurement.h"
#include "UnicodeText.h"
#include "platform/EntryNames.h"
#include "platform/EntryValues.h"
#include "platform/RunningApplications.h"
#include "platform/StandardLocations.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;
using model::CleanupOperation;

constexpr std::array<std::string_view, 1> kAppImageExtension{"appimage"};
// Where AppImages are kept, and how deep below each they are looked for.
struct AppImageFolder {
    std::string_view path;
    std::size_t depth;
};
constexpr std::array<AppImageFolder, 3> kAppImageFolders{{
    {"Applications", 2},
    {".local/bin", 1},
    {"Downloads", 1},
}};

// How Sorvale names itself: its application id, its package and its snap.
constexpr std::array<std::string_view, 2> kOwnNames{"example.sorvale.sorvale", "sorvale"};

bool isSorvale(std::string_view name) {
    const std::string lower = lowercased(name);
    return std::find(kOwnNames.begin(), kOwnNames.end(), lower) != kOwnNames.end();
}

// An AppImage of Sorvale's: named so, or the one this process runs from.
bool isOwnAppImage(const fs::path& file) {
    const std::string lower = lowercased(file.filename().native());
    if (lower.starts_with("sorvale") &&
        (lower.size() == 7 || lower[7] == '-' || lower[7] == '_' || lower[7] == '.')) {
        return true;
    }
    const char* running = std::getenv("APPIMAGE");
    return running != nullptr && fs::path(running).lexically_normal() == file.lexically_normal();
}

bool isDirectory(const ListedEntry& entry) {
    return entry.values && entry.values->type == platform::EntryType::directory;
}

std::string withoutSuffix(std::string_view name, std::string_view suffix) {
    return std::string(name.ends_with(suffix) ? name.substr(0, name.size() - suffix.size()) : name);
}

// What an AppImage is called when nothing declares it: its file name up to the version or
// architecture ("Obsidian-1.5.3.AppImage" is "Obsidian").
std::string appImageFileName(std::string_view file) {
    const std::string stem =
        withoutSuffix(file, file.substr(std::min(file.rfind('.'), file.size())));
    const std::size_t end = stem.find_first_of("-_");
    return end == 0 || end == std::string::npos ? stem : stem.substr(0, end);
}

// The id a desktop integration tool gave an AppImage's entry: "appimagekit_<hash>-Obsidian" and
// "appimagelauncher-…" prefixes removed.
std::string integratedEntryId(std::string_view fileName) {
    std::string id = withoutSuffix(fileName, ".desktop");
    for (std::string_view prefix : {"appimagekit_", "appimagelauncher_"}) {
        if (id.starts_with(prefix)) {
            const std::size_t dash = id.find('-', prefix.size());
            id = dash == std::string::npos ? std::string() : id.substr(dash + 1);
        }
    }
    return id;
}

} // namespace

model::ScanSnapshot LinuxApplications::scan(const fs::path& home) const {
    Scan scan{.home = home,
              .owners = ApplicationOwners(platform::runningProcesses()),
              .found = {},
              .claimed = {},
              .claimedNames = {},
              .flatpakIds = {},
              .packages = readDpkgStatus(setup_.systemPath("/var/lib/dpkg")),
              .inaccessible = 0};
    findFlatpaks(scan);
    findSnaps(scan);
    findAppImages(scan);
    findDebianApplications(scan);

    const FinderOrder finderOrder;
    std::stable_sort(scan.found.begin(), scan.found.end(),
                     [&](const Found& a, const Found& b) { return finderOrder(a.name, b.name); });

    // Everything is measured at once: each application's own entries, then its support files.
    std::vector<ListedEntry> entries;
    for (const Found& application : scan.found) {
        entries.insert(entries.end(), application.measured.begin(), application.measured.end());
        entries.insert(entries.end(), application.support.begin(), application.support.end());
    }
    const auto sizes = SizeMeasurement(setup_).measureEntries(entries, scan.inaccessible);
    model::ScanSnapshot snapshot;
    std::size_t next = 0;
    for (Found& application : scan.found) {
        std::int64_t size = application.knownSize;
        bool readable = true;
        for (std::size_t index = 0; index < application.measured.size(); ++index, ++next) {
            if (sizes[next]) {
                size += sizes[next]->size;
                if (index == 0 && !application.modifiedAt) {
                    application.modifiedAt = sizes[next]->modifiedAt;
                }
            } else if (index == 0) {
                readable = false;
            }
        }
        std::map<std::string, model::Location> related;
        for (ListedEntry& file : application.support) {
            if (sizes[next++]) {
                size += sizes[next - 1]->size;
            }
            related.try_emplace(std::string(file.location.bytes()), std::move(file.location));
        }
        if (!readable) {
            continue;
        }
        std::vector<model::Location> relatedFiles;
        for (auto& [path, file] : related) {
            relatedFiles.push_back(std::move(file));
        }
        snapshot.items.push_back(model::CleanupItem{
            .id = application.url,
            .url = application.url,
            .name = std::move(application.name),
            .size = size,
            .category = CleanupCategory::installedApplications,
            .isSelected = false,
            .modifiedAt = application.modifiedAt,
            .relatedFiles = std::move(relatedFiles),
            .operation = std::move(application.operation),
            .owner = std::move(application.owner),
            .icon = std::move(application.icon),
            .nameParts = {},
        });
    }

    const LeftoverSearch left(setup_);
    std::ranges::move(left.oldLeftovers(leftoverCandidates(scan), scan.claimed, scan.inaccessible),
                      std::back_inserter(snapshot.items));
    std::ranges::move(left.installers(home, scan.inaccessible, scan.claimed),
                      std::back_inserter(snapshot.items));
    snapshot.inaccessibleCount = scan.inaccessible;
    sortBySizeDescending(snapshot.items);
    return snapshot;
}

void LinuxApplications::claim(Scan& scan, Found& application, ListedEntry support) const {
    if (scan.claimed.insert(model::standardized(support.location.path())).second) {
        application.support.push_back(std::move(support));
    }
}

void LinuxApplications::addNamedFolders(Scan& scan, Found& application,
                                        const std::vector<std::string>& names) const {
    for (const std::string& name : names) {
        if (!platform::isSingleName(name)) {
            continue;
        }
        scan.claimedNames.insert(name);
        for (const fs::path& folder :
             {platform::configHomeFolder(scan.home), platform::dataHomeFolder(scan.home),
              platform::cacheHomeFolder(scan.home)}) {
            if (auto entry = findEntry(folder, name); entry && isDirectory(*entry)) {
                claim(scan, application, std::move(*entry));
            }
        }
    }
}

void LinuxApplications::findFlatpaks(Scan& scan) const {
    const std::array<std::pair<fs::path, std::string_view>, 2> installations{{
        {platform::dataHomeFolder(scan.home) / "flatpak", "user"},
        {setup_.systemPath("/var/lib/flatpak"), "system"},
    }};
    for (const auto& [installation, which] : installations) {
        const fs::path apps = installation / "app";
        auto listed = listDirectory(apps, /*skipHiddenEntries=*/true);
        if (!listed) {
            scan.inaccessible += platform::fileExists(apps) ? 1 : 0;
            continue;
        }
        for (ListedEntry& folder : *listed) {
            const std::string id(folder.location.name());
            if (!isDirectory(folder) || !platform::isSingleName(id)) {
                continue;
            }
            scan.flatpakIds.insert(id);
            if (isSorvale(id)) {
                continue;
            }
            auto deployment = currentDeployment(folder.location.path());
            if (!deployment) {
                std::int64_t ignored = 0;
                for (const DeployedRef& ref : deployedRefs(installation, "app", ignored)) {
                    if (ref.id == id && (deployment = activeDeployment(ref.folder))) {
                        break;
                    }
                }
            }
            std::optional<DesktopEntry> desktop;
            std::optional<fs::path> icon;
            if (deployment) {
                const fs::path exported = *deployment / "export/share";
                desktop = readDesktopEntry(exported / "applications" / (id + ".desktop"));
                icon = findIcon(desktop && !desktop->icon.empty() ? desktop->icon : id,
                                {exported / "icons"}, {}, setup_.systemRoot);
            }
            Found application;
            application.url = folder.location;
            application.name = desktop && !desktop->name.empty() ? desktop->name : flatpakName(id);
            application.measured.push_back(std::move(folder));
            application.operation =
                CleanupOperation::uninstallFlatpak(std::string(which) + "/" + id);
            application.owner = scan.owners.of(
                {.name = application.name, .executableNames = {}, .flatpakId = id, .snapName = {}});
            application.icon = icon ? model::Location(*icon) : model::Location();
            if (auto data = findEntry(scan.home, fs::path(".var/app") / id)) {
                claim(scan, application, std::move(*data));
            }
            scan.found.push_back(std::move(application));
        }
    }
}

void LinuxApplications::findSnaps(Scan& scan) const {
    // snapd writes each application of a snap a desktop entry "<snap>_<app>.desktop".
    const fs::path desktopFolder = setup_.systemPath("/var/lib/snapd/desktop/applications");
    auto entries = listDirectory(desktopFolder, /*skipHiddenEntries=*/true);
    if (!entries) {
        scan.inaccessible += platform::fileExists(desktopFolder) ? 1 : 0;
        return;
    }
    std::map<std::string, DesktopEntry> snaps;
    for (const ListedEntry& file : *entries) {
        const std::string_view name = file.location.name();
        const std::size_t separator = name.find('_');
        if (!name.ends_with(".desktop") || separator == std::string_view::npos) {
            continue;
        }
        auto desktop = readDesktopEntry(file.location.path());
        if (desktop && desktop->isVisibleApplication()) {
            // The first entry by name stands for the snap.
            snaps.try_emplace(std::string(name.substr(0, separator)), std::move(*desktop));
        }
    }
    auto revisions = listDirectory(setup_.systemPath("/var/lib/snapd/snaps"), true)
                         .value_or(std::vector<ListedEntry>{});
    for (auto& [snap, desktop] : snaps) {
        if (isSorvale(snap) || !platform::isSingleName(snap)) {
            continue;
        }
        // A snap is installed while it has a current revision.
        std::error_code error;
        const bool hasCurrent =
            !fs::read_symlink(setup_.systemPath("/snap") / snap / "current", error).empty();
        auto folder = findEntry(setup_.systemRoot, fs::path("snap") / snap);
        if (error || !hasCurrent || !folder) {
            continue;
        }
        Found application;
        application.url = folder->location;
        application.name = desktop.name.empty() ? snapName(snap) : desktop.name;
        application.modifiedAt =
            folder->values ? folder->values->contentModificationDate : std::nullopt;
        // What the snap occupies is its revisions' files; its folder is where they are mounted.
        for (const ListedEntry& file : revisions) {
            const std::string_view name = file.location.name();
            if (name.starts_with(snap + "_") && name.ends_with(".snap") &&
                name.find('_', snap.size() + 1) == std::string_view::npos) {
                application.measured.push_back(file);
            }
        }
        if (application.measured.empty()) {
            application.measured.push_back(*folder);
        }
        application.operation = CleanupOperation::uninstallSnap(snap);
        application.owner = scan.owners.of(
            {.name = application.name, .executableNames = {}, .flatpakId = {}, .snapName = snap});
        const auto icon = findIcon(desktop.icon, {}, {}, setup_.systemRoot);
        application.icon = icon ? model::Location(*icon) : model::Location();
        if (auto data = findEntry(scan.home, fs::path("snap") / snap)) {
            claim(scan, application, std::move(*data));
        }
        scan.found.push_back(std::move(application));
    }
}

void LinuxApplications::findAppImages(Scan& scan) const {
    // The entries desktop integration wrote, with the program each starts.
    const fs::path integrations = platform::dataHomeFolder(scan.home) / "applications";
    std::vector<std::pair<ListedEntry, DesktopEntry>> integrated;
    for (ListedEntry& file : listDirectory(integrations, /*skipHiddenEntries=*/true)
                                 .value_or(std::vector<ListedEntry>{})) {
        if (file.location.name().ends_with(".desktop")) {
            if (auto desktop = readDesktopEntry(file.location.path())) {
                integrated.emplace_back(std::move(file), std::move(*desktop));
            }
        }
    }
    for (const AppImageFolder& place : kAppImageFolders) {
        std::vector<ListedEntry> files;
        walkCounting(
            scan.home / place.path,
            WalkOptions{.skipHiddenEntries = true, .skipPackageContents = false},
            [&](const WalkEntry& entry) {
                if (entry.type() == platform::EntryType::regular &&
                    hasOneOfExtensions(entry.name(), kAppImageExtension)) {
                    files.push_back({entry.location(), entry.values()});
                }
                return entry.depth() < place.depth ? WalkAction::descend
                                                   : WalkAction::skipDescendants;
            },
            scan.inaccessible);
        for (ListedEntry& file : files) {
            const fs::path path = file.location.path();
            if (isOwnAppImage(path) || scan.claimed.contains(model::standardized(path))) {
                continue;
            }
            Found application;
            application.url = file.location;
            std::vector<std::string> names{appImageFileName(file.location.name())};
            std::string declaredName;
            for (auto& [entry, desktop] : integrated) {
                if (fs::path(desktop.program()).lexically_normal() != path.lexically_normal() &&
                    fs::path(desktop.tryExec).lexically_normal() != path.lexically_normal()) {
                    continue;
                }
                for (const std::string& name : {desktop.appImageName, desktop.appImageIdentifier,
                                                integratedEntryId(entry.location.name())}) {
                    if (!name.empty()) {
                        names.push_back(name);
                    }
                }
                if (declaredName.empty()) {
                    declaredName =
                        !desktop.appImageName.empty() ? desktop.appImageName : desktop.name;
                }
                if (auto icon = findIcon(
                        desktop.icon, {platform::dataHomeFolder(scan.home) / "icons"}, {}, "/")) {
                    if (icon->native().starts_with(scan.home.native() + "/")) {
                        application.icon = *icon;
                        if (auto iconEntry = findEntry(icon->parent_path(), icon->filename())) {
                            claim(scan, application, std::move(*iconEntry));
                        }
                    }
                }
                claim(scan, application, entry);
            }
            if (std::any_of(names.begin(), names.end(), isSorvale)) {
                continue;
            }
            application.name = declaredName.empty() ? names.front() : declaredName;
            scan.claimed.insert(model::standardized(path));
            application.measured.push_back(std::move(file));
            application.operation = CleanupOperation::uninstallAppImage();
            std::sort(names.begin(), names.end());
            names.erase(std::unique(names.begin(), names.end()), names.end());
            // The AppImage's runtime runs as the file itself, the application inside it as the
            // program it declares, which is named like the application.
            std::vector<std::string> executables{std::string(application.url.name())};
            executables.insert(executables.end(), names.begin(), names.end());
            application.owner = scan.owners.of({.name = application.name,
                                                .executableNames = std::move(executables),
                                                .flatpakId = {},
                                                .snapName = {}});
            addNamedFolders(scan, application, names);
            scan.found.push_back(std::move(application));
        }
    }
}

void LinuxApplications::findDebianApplications(Scan& scan) const {
    const fs::path dpkg = setup_.systemPath("/var/lib/dpkg");
    constexpr std::string_view kApplications = "/usr/share/applications/";
    for (const DpkgPackage& package : scan.packages) {
        if (!package.isInstalled() || package.isSystemPackage() || isSorvale(package.name)) {
            continue;
        }
        std::vector<std::string> entries = packageFiles(dpkg, package, kApplications);
        std::sort(entries.begin(), entries.end());
        for (const std::string& entryPath : entries) {
            const std::string_view fileName =
                std::string_view(entryPath).substr(kApplications.size());
            if (!fileName.ends_with(".desktop") || !platform::isSingleName(fileName)) {
                continue;
            }
            const std::string id = withoutSuffix(fileName, ".desktop");
            auto desktop = readDesktopEntry(setup_.systemPath(entryPath));
            auto file = findEntry(setup_.systemRoot, fs::path(entryPath).relative_path());
            if (!desktop || !desktop->isVisibleApplication() || !file || isSorvale(id)) {
                continue;
            }
            Found application;
            application.url = file->location;
            application.name = desktop->name.empty() ? id : desktop->name;
            application.modifiedAt =
                file->values ? file->values->contentModificationDate : std::nullopt;
            // The package's own files, as dpkg lists them; folders are shared with others.
            for (const std::string& installed : packageFiles(dpkg, package)) {
                const auto values = platform::readEntryValues(setup_.systemPath(installed));
                if (values && values->type == platform::EntryType::regular) {
                    application.knownSize += allocatedSize(*values);
                }
            }
            application.operation =
                CleanupOperation::uninstallDebianPackage(package.qualifiedName());
            application.owner = scan.owners.of(
                {.name = application.name,
                 .executableNames = {fs::path(desktop->program()).filename().native()},
                 .flatpakId = {},
                 .snapName = {}});
            const auto icon = findIcon(desktop->icon, {setup_.systemPath("/usr/share/icons")},
                                       setup_.systemPath("/usr/share/pixmaps"), setup_.systemRoot);
            application.icon = icon ? model::Location(*icon) : model::Location();
            addNamedFolders(scan, application, {id, package.name});
            scan.found.push_back(std::move(application));
            // One item per package: its first visible entry stands for it.
            break;
        }
    }
}

std::vector<ListedEntry> LinuxApplications::leftoverCandidates(Scan& scan) const {
    std::vector<ListedEntry> candidates;
    const auto listed = [&](const fs::path& folder) {
        auto entries = listDirectory(folder, /*skipHiddenEntries=*/true);
        if (!entries) {
            scan.inaccessible += platform::fileExists(folder) ? 1 : 0;
        }
        return entries.value_or(std::vector<ListedEntry>{});
    };
    // The data of Flatpak applications installed in neither installation.
    for (ListedEntry& data : listed(scan.home / ".var/app")) {
        if (!scan.flatpakIds.contains(std::string(data.location.name()))) {
            candidates.push_back(std::move(data));
        }
    }
    // The data of snaps no longer mounted.
    for (ListedEntry& data : listed(scan.home / "snap")) {
        if (!platform::fileExists(setup_.systemPath("/snap") / data.location.name())) {
            candidates.push_back(std::move(data));
        }
    }
    // The user folders of packages removed with their configuration kept.
    for (const DpkgPackage& package : scan.packages) {
        if (package.state != "config-files" || package.isSystemPackage() ||
            scan.claimedNames.contains(package.name) || !platform::isSingleName(package.name)) {
            continue;
        }
        for (const fs::path& folder :
             {platform::configHomeFolder(scan.home), platform::dataHomeFolder(scan.home),
              platform::cacheHomeFolder(scan.home)}) {
            if (auto entry = findEntry(folder, package.name); entry && isDirectory(*entry)) {
                candidates.push_back(std::move(*entry));
            }
        }
    }
    return candidates;
}

} // namespace sorvale::engine

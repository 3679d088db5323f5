// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "LinuxJunkScan.h"

#include "DirectoryWalker.h"
#include "SizeMeasurement.h"
#include "SystemStorage.h"
#include "UnicodeText.h"
#include "model/Translatable.h"
#include "platform/StandardLocations.h"

#include <algorithm>
#include <array>

namespace sorvale::engine {
namespace {

using model::CleanupCategory;
namespace fs = std::filesystem;

// Entries of the cache folder that belong to developer tools, in lower case.
constexpr std::array<std::string_view, 52> kDeveloperCacheNames{"bazel",
                                                                "black",
                                                                "bun",
                                                                "ccache",
                                                                "cargo",
                                                                "clangd",
                                                                "composer",
                                                                "conan",
                                                                "coursier",
                                                                "cypress",
                                                                "deno",
                                                                "electron",
                                                                "electron-builder",
                                                                "esbuild",
                                                                "go-build",
                                                                "golangci-lint",
                                                                "gopls",
                                                                "hatch",
                                                                "huggingface",
                                                                "jedi",
                                                                "jetbrains",
                                                                "mill",
                                                                "ms-playwright",
                                                                "ms-playwright-go",
                                                                "mypy",
                                                                "node",
                                                                "node-gyp",
                                                                "npm",
                                                                "nx",
                                                                "pdm",
                                                                "pip",
                                                                "pip-tools",
                                                                "pipenv",
                                                                "poetry",
                                                                "pre-commit",
                                                                "prisma",
                                                                "puppeteer",
                                                                "pylint",
                                                                "pypoetry",
                                                                "ruff",
                                                                "rust-analyzer",
                                                                "sbt",
                                                                "sccache",
                                                                "selenium",
                                                                "staticcheck",
                                                                "torch",
                                                                "turbo",
                                                                "typescript",
                                                                "uv",
                                                                "vcpkg",
                                                                "virtualenv",
                                                                "yarn"};

// Folders that Chromium-engine browsers and Electron applications keep caches and crash reports
// in, below their settings folder or one profile folder inside it. Their databases, local
// storage, cookies and preferences lie beside them and are never offered.
struct SettingsPlace {
    std::string_view path;
    bool isLog;
};
constexpr std::array<SettingsPlace, 15> kSettingsPlaces{{
    {"Cache", false},
    {"Code Cache", false},
    {"GPUCache", false},
    {"DawnCache", false},
    {"DawnGraphiteCache", false},
    {"DawnWebGPUCache", false},
    {"GraphiteDawnCache", false},
    {"GrShaderCache", false},
    {"ShaderCache", false},
    {"CachedData", false},
    {"Service Worker/CacheStorage", false},
    {"Service Worker/ScriptCache", false},
    {"Crashpad", true},
    {"Crash Reports", true},
    {"minidumps", true},
}};
// The deepest place: profile, "Service Worker", "CacheStorage" below the application folder.
constexpr std::size_t kSettingsDepthLimit = 4;

struct StoreRow {
    std::string_view path;
    std::string_view name;
    CleanupCategory category;
};

// Download stores of developer tools outside the cache folder, each offered whole. Maven's
// repository also holds what `mvn install` put there, which nothing downloads again.
constexpr std::array<StoreRow, 18> kDeveloperStores{{
    {".npm/_cacache", SORVALE_TRANSLATABLE("ItemNames", "npm cache"),
     CleanupCategory::developerCaches},
    {".cargo/registry/cache", SORVALE_TRANSLATABLE("ItemNames", "Cargo registry downloads"),
     CleanupCategory::developerCaches},
    {".cargo/registry/src", SORVALE_TRANSLATABLE("ItemNames", "Cargo registry sources"),
     CleanupCategory::developerCaches},
    {".cargo/registry/index", SORVALE_TRANSLATABLE("ItemNames", "Cargo registry index"),
     CleanupCategory::developerCaches},
    {".cargo/git", SORVALE_TRANSLATABLE("ItemNames", "Cargo Git checkouts"),
     CleanupCategory::developerCaches},
    {".gradle/caches", SORVALE_TRANSLATABLE("ItemNames", "Gradle caches"),
     CleanupCategory::developerCaches},
    {".gradle/wrapper/dists", SORVALE_TRANSLATABLE("ItemNames", "Gradle wrapper distributions"),
     CleanupCategory::developerCaches},
    {"go/pkg/mod", SORVALE_TRANSLATABLE("ItemNames", "Go module cache"),
     CleanupCategory::developerCaches},
    {".local/share/pnpm/store", SORVALE_TRANSLATABLE("ItemNames", "pnpm store"),
     CleanupCategory::developerCaches},
    {".nuget/packages", SORVALE_TRANSLATABLE("ItemNames", "NuGet packages"),
     CleanupCategory::developerCaches},
    {".bun/install/cache", SORVALE_TRANSLATABLE("ItemNames", "Bun cache"),
     CleanupCategory::developerCaches},
    {".conda/pkgs", SORVALE_TRANSLATABLE("ItemNames", "Conda packages"),
     CleanupCategory::developerCaches},
    {"miniconda3/pkgs", SORVALE_TRANSLATABLE("ItemNames", "Conda packages (miniconda3)"),
     CleanupCategory::developerCaches},
    {"anaconda3/pkgs", SORVALE_TRANSLATABLE("ItemNames", "Conda packages (anaconda3)"),
     CleanupCategory::developerCaches},
    {"miniforge3/pkgs", SORVALE_TRANSLATABLE("ItemNames", "Conda packages (miniforge3)"),
     CleanupCategory::developerCaches},
    {"mambaforge/pkgs", SORVALE_TRANSLATABLE("ItemNames", "Conda packages (mambaforge)"),
     CleanupCategory::developerCaches},
    {".m2/repository", SORVALE_TRANSLATABLE("ItemNames", "Maven local repository"),
     CleanupCategory::developerRepositories},
    {".android/cache", SORVALE_TRANSLATABLE("ItemNames", "Android SDK downloads"),
     CleanupCategory::developerCaches},
}};

// Crash reports that Mozilla's applications keep beside their profiles.
constexpr std::array<StoreRow, 2> kCrashReportFolders{{
    {".mozilla/firefox/Crash Reports", SORVALE_TRANSLATABLE("ItemNames", "Firefox crash reports"),
     CleanupCategory::logs},
    {".thunderbird/Crash Reports", SORVALE_TRANSLATABLE("ItemNames", "Thunderbird crash reports"),
     CleanupCategory::logs},
}};

template <std::size_t N>
bool isOneOf(std::string_view text, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), text) != names.end();
}

CleanupCategory classifyCacheEntry(std::string_view name) {
    const std::string lower = lowercased(name);
    if (lower == "thumbnails") {
        return CleanupCategory::thumbnails;
    }
    if (isBrowserFolder(lower)) {
        return CleanupCategory::browserCaches;
    }
    if (isOneOf(lower, kDeveloperCacheNames)) {
        return CleanupCategory::developerCaches;
    }
    return CleanupCategory::userCaches;
}

// The part of `path` below `root`, without a leading separator.
std::string_view below(const fs::path& root, const fs::path& path) {
    std::string_view inside = path.native();
    inside.remove_prefix(std::min(root.native().size(), inside.size()));
    inside.remove_prefix(std::min(inside.find_first_not_of('/'), inside.size()));
    return inside;
}

// Whether `inside` (below an application folder) is `place`, directly or in one profile folder.
bool isPlace(std::string_view inside, std::string_view place) {
    if (inside == place) {
        return true;
    }
    const std::size_t slash = inside.find('/');
    return slash != std::string_view::npos && inside.substr(slash + 1) == place;
}

// A maker of measured items named `name`, in `category`, owned by `owner`.
std::size_t namedMaker(Candidates& into, std::string name, CleanupCategory category,
                       model::OwnerReference owner = {}) {
    return into.addMaker([name = std::move(name), category, owner = std::move(owner)](
                             model::Location entry, const MeasuredEntry& measured) {
        model::CleanupItem item = measuredEntryItem(std::move(entry), measured, category);
        item.name = name;
        item.owner = owner;
        return item;
    });
}

// The same for items named in words of our own.
std::size_t namedMaker(Candidates& into, model::Message name, CleanupCategory category,
                       model::OwnerReference owner = {}) {
    return into.addMaker([name = std::move(name), category, owner = std::move(owner)](
                             model::Location entry, const MeasuredEntry& measured) {
        model::CleanupItem item = measuredEntryItem(std::move(entry), measured, category);
        item.setMadeName(name);
        item.owner = owner;
        return item;
    });
}

model::Message cacheOf(const model::ApplicationOwner& owner) {
    return model::itemName(SORVALE_TRANSLATABLE("ItemNames", "%1 cache"), {owner.name});
}

void addEntry(Candidates& into, const fs::path& root, const fs::path& path, std::size_t maker) {
    if (auto entry = findEntry(root, path)) {
        into.add(std::move(*entry), maker, /*keepEmpty=*/false);
    }
}

} // namespace

model::ScanSnapshot LinuxJunkScan::scan(const fs::path& home) const {
    const ApplicationOwners owners(platform::runningProcesses());
    Candidates found;
    appendCacheFolder(home, owners, found);
    appendSettingsCaches(
        platform::configHomeFolder(home),
        [&](std::string_view folder) {
            return SettingsOwner{std::string(folder), owners.ofFolder(folder),
                                 isBrowserFolder(folder)};
        },
        found);
    appendSandboxedApplications(home, owners, found);
    appendDeveloperStores(home, found);
    appendLogs(home, found);
    // The one Trash the Trash section lists too.
    found.addFolder(platform::trashFilesFolder(home), found.addMaker(CleanupCategory::trash));
    SystemStorage(setup_).appendTo(home, found);

    model::ScanSnapshot junk = std::move(found).measureDistinct(SizeMeasurement(setup_));
    sortBySizeDescending(junk.items);
    return junk;
}

void LinuxJunkScan::appendCacheFolder(const fs::path& home, const ApplicationOwners& owners,
                                      Candidates& into) const {
    into.addFolder(platform::cacheHomeFolder(home),
                   into.addMaker([&owners](model::Location entry, const MeasuredEntry& measured) {
                       const CleanupCategory category = classifyCacheEntry(entry.name());
                       model::OwnerReference owner = owners.ofFolder(entry.name());
                       model::CleanupItem item =
                           measuredEntryItem(std::move(entry), measured, category);
                       item.owner = std::move(owner);
                       return item;
                   }));
}

void LinuxJunkScan::appendSettingsCaches(const fs::path& settings, const SettingsOwnerOf& ownerOf,
                                         Candidates& into) const {
    walkCounting(
        settings, WalkOptions{},
        [&](const WalkEntry& entry) {
            if (entry.type() != platform::EntryType::directory) {
                return WalkAction::skipDescendants;
            }
            if (entry.depth() == 1) {
                return WalkAction::descend;
            }
            const std::string_view inside = below(settings, entry.path());
            const std::string_view application = inside.substr(0, inside.find('/'));
            const std::string_view place = inside.substr(application.size() + 1);
            const bool isLogFolder = entry.depth() == 2 && lowercased(entry.name()) == "logs";
            const auto found = std::find_if(
                kSettingsPlaces.begin(), kSettingsPlaces.end(),
                [&](const SettingsPlace& known) { return isPlace(place, known.path); });
            if (!isLogFolder && found == kSettingsPlaces.end()) {
                return entry.depth() < kSettingsDepthLimit ? WalkAction::descend
                                                           : WalkAction::skipDescendants;
            }
            if (entry.values()) {
                SettingsOwner owner = ownerOf(application);
                const CleanupCategory category =
                    isLogFolder || found->isLog
                        ? CleanupCategory::logs
                        : (owner.isBrowser ? CleanupCategory::browserCaches
                                           : CleanupCategory::applicationCaches);
                into.add(ListedEntry{entry.location(), entry.values()},
                         namedMaker(into, owner.name + " \u2014 " + std::string(place), category,
                                    std::move(owner.owner)),
                         /*keepEmpty=*/false);
            }
            return WalkAction::skipDescendants;
        },
        into.inaccessibleCount);
}

void LinuxJunkScan::appendSandboxedApplications(const fs::path& home,
                                                const ApplicationOwners& owners,
                                                Candidates& into) const {
    const fs::path flatpaks = home / ".var/app";
    if (auto applications = listDirectory(flatpaks, /*skipHiddenEntries=*/true)) {
        for (const ListedEntry& application : *applications) {
            const std::string id(application.location.name());
            const model::OwnerReference owner = owners.ofFlatpak(id);
            const bool isBrowser = isBrowserFlatpak(id);
            addEntry(into, flatpaks, fs::path(id) / "cache",
                     namedMaker(into, cacheOf(*owner.get()),
                                isBrowser ? CleanupCategory::browserCaches
                                          : CleanupCategory::applicationCaches,
                                owner));
            appendSettingsCaches(
                flatpaks / id / "config",
                [&](std::string_view) {
                    return SettingsOwner{owner->name, owner, isBrowser};
                },
                into);
        }
    } else if (platform::fileExists(flatpaks)) {
        ++into.inaccessibleCount;
    }

    const fs::path snaps = home / "snap";
    if (auto applications = listDirectory(snaps, /*skipHiddenEntries=*/true)) {
        for (const ListedEntry& application : *applications) {
            const std::string snap(application.location.name());
            const model::OwnerReference owner = owners.ofSnap(snap);
            addEntry(into, snaps, fs::path(snap) / "common/.cache",
                     namedMaker(into, cacheOf(*owner.get()),
                                isBrowserSnap(snap) ? CleanupCategory::browserCaches
                                                    : CleanupCategory::applicationCaches,
                                owner));
        }
    } else if (platform::fileExists(snaps)) {
        ++into.inaccessibleCount;
    }
}

void LinuxJunkScan::appendDeveloperStores(const fs::path& home, Candidates& into) const {
    for (const StoreRow& row : kDeveloperStores) {
        addEntry(into, home, row.path, namedMaker(into, model::itemName(row.name), row.category));
    }
}

void LinuxJunkScan::appendLogs(const fs::path& home, Candidates& into) const {
    for (const StoreRow& row : kCrashReportFolders) {
        addEntry(into, home, row.path, namedMaker(into, model::itemName(row.name), row.category));
    }
    const std::size_t logs = into.addMaker(CleanupCategory::logs);
    // The display server's own logs: the session's error log in the home folder, and Xorg's
    // logs when it runs without root rights.
    const auto addMatching = [&](const fs::path& folder, const auto& matches) {
        auto entries = listDirectory(folder, /*skipHiddenEntries=*/false);
        if (!entries) {
            into.inaccessibleCount += platform::fileExists(folder) ? 1 : 0;
            return;
        }
        for (ListedEntry& entry : *entries) {
            if (entry.values && entry.values->type == platform::EntryType::regular &&
                matches(entry.location.name())) {
                into.add(std::move(entry), logs, /*keepEmpty=*/false);
            }
        }
    };
    addMatching(home, [](std::string_view name) { return name.starts_with(".xsession-errors"); });
    addMatching(home / ".local/share/xorg", [](std::string_view name) {
        return name.ends_with(".log") || name.ends_with(".log.old");
    });
}

} // namespace sorvale::engine

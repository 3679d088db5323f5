// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "LeftoverSearch.h"

#include "ApplicationBundles.h"
#include "Candidates.h"
#include "DirectoryWalker.h"
#include "SizeMeasurement.h"
#include "UnicodeText.h"
#include "model/Location.h"

#include <algorithm>
#include <array>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;

struct LeftoverLocation {
    std::string_view path;
    // Entries are proposed only when untouched for two weeks; the others are named exactly by
    // their owner's identifier.
    bool requiresMinimumAge;
};

constexpr std::array<LeftoverLocation, 11> kLeftoverLocations{{
    {"Application Support", true},
    {"Caches", true},
    {"Preferences", true},
    {"Logs", true},
    {"Saved Application State", true},
    {"HTTPStorages", true},
    {"WebKit", true},
    {"LaunchAgents", true},
    {"Containers", false},
    {"Group Containers", false},
    {"Application Scripts", false},
}};
constexpr std::chrono::seconds kMinimumAge{1'209'600};
constexpr std::array<std::string_view, 4> kProtectedPrefixes{
    "com.apple.", "apple.", "group.com.apple.", "org.freedesktop."};
constexpr std::array<std::string_view, 4> kNameEndings{".savedstate", ".plist", ".cache", ".log"};

constexpr std::array<std::string_view, 2> kInstallerLocations{"Downloads", "Desktop"};
constexpr std::array<std::string_view, 5> kInstallerExtensions{"dmg", "pkg", "mpkg", "xip", "iso"};
// What installs software on a Linux desktop: packages, self-contained applications, installer
// scripts, Flatpak's references to an application or a repository, and disk images.
constexpr std::array<std::string_view, 8> kLinuxInstallerExtensions{
    "deb", "rpm", "appimage", "run", "flatpakref", "flatpakrepo", "snap", "iso"};
constexpr std::size_t kInstallerDepthLimit = 4;

// Owned when an installed identifier equals the candidate or either extends the other by
// further dotted pieces.
bool isOwned(const std::string& candidate, const std::set<std::string>& installed) {
    if (installed.contains(candidate)) {
        return true;
    }
    for (std::size_t dot = candidate.find('.'); dot != std::string::npos;
         dot = candidate.find('.', dot + 1)) {
        if (installed.contains(candidate.substr(0, dot))) {
            return true;
        }
    }
    const std::string longer = candidate + ".";
    const auto next = installed.lower_bound(longer);
    return next != installed.end() && next->starts_with(longer);
}

bool isProtected(std::string_view identifier) {
    return std::any_of(kProtectedPrefixes.begin(), kProtectedPrefixes.end(),
                       [&](std::string_view prefix) { return identifier.starts_with(prefix); });
}

// The identifier a Library entry's name stands for, if it looks like one.
std::optional<std::string> leftoverIdentifier(std::string_view name) {
    std::string identifier = lowercased(name);
    for (std::string_view ending : kNameEndings) {
        if (identifier.ends_with(ending)) {
            identifier.resize(identifier.size() - ending.size());
        }
    }
    if (identifier.starts_with("group.")) {
        identifier.erase(0, 6);
    }
    std::size_t pieces = 0;
    for (std::size_t start = 0; start <= identifier.size();) {
        const std::size_t end = std::min(identifier.find('.', start), identifier.size());
        const std::string_view piece = std::string_view(identifier).substr(start, end - start);
        if (!piece.empty()) {
            ++pieces;
            if (!hasOnlyLettersNumbersAnd(piece, "-_")) {
                return std::nullopt;
            }
        }
        start = end + 1;
    }
    if (pieces < 3) {
        return std::nullopt;
    }
    return identifier;
}

// Whether a listed entry may be proposed: readable, no link, dated, and when `cutOff` is given
// untouched since before it.
bool isProposable(const ListedEntry& entry, const std::optional<model::Date>& cutOff) {
    const auto& values = entry.values;
    return values && values->type != platform::EntryType::symbolicLink &&
           values->contentModificationDate &&
           (!cutOff || *values->contentModificationDate < *cutOff);
}

model::Date minimumAgeCutOff() {
    return std::chrono::system_clock::now() - kMinimumAge;
}

} // namespace

std::vector<model::CleanupItem>
LeftoverSearch::leftovers(const fs::path& home, const std::set<std::string>& installedIdentifiers,
                          const std::set<fs::path>& excluding, std::int64_t& inaccessible) const {
    const fs::path library = home / "Library";
    const model::Date cutOff = minimumAgeCutOff();
    std::vector<ListedEntry> leftovers;
    for (const LeftoverLocation& location : kLeftoverLocations) {
        const fs::path folder = library / location.path;
        if (!platform::fileExists(folder)) {
            continue;
        }
        auto entries = listDirectory(folder, /*skipHiddenEntries=*/true);
        if (!entries) {
            ++inaccessible;
            continue;
        }
        for (ListedEntry& entry : *entries) {
            if (excluding.contains(model::standardized(entry.location.path()))) {
                continue;
            }
            const auto identifier = leftoverIdentifier(entry.location.name());
            if (!identifier || isProtected(*identifier) ||
                isOwned(*identifier, installedIdentifiers)) {
                continue;
            }
            if (isProposable(entry,
                             location.requiresMinimumAge ? std::optional(cutOff) : std::nullopt)) {
                leftovers.push_back(std::move(entry));
            }
        }
    }
    return measuredItems(std::move(leftovers), CleanupCategory::appLeftovers, inaccessible);
}

std::vector<model::CleanupItem> LeftoverSearch::oldLeftovers(std::vector<ListedEntry> candidates,
                                                             const std::set<fs::path>& excluding,
                                                             std::int64_t& inaccessible) const {
    const model::Date cutOff = minimumAgeCutOff();
    std::erase_if(candidates, [&](const ListedEntry& entry) {
        return excluding.contains(model::standardized(entry.location.path())) ||
               !isProposable(entry, cutOff);
    });
    return measuredItems(std::move(candidates), CleanupCategory::appLeftovers, inaccessible);
}

std::vector<model::CleanupItem>
LeftoverSearch::installers(const fs::path& home, std::int64_t& inaccessible,
                           const std::set<fs::path>& excluding) const {
    std::vector<ListedEntry> installers;
    for (std::string_view location : kInstallerLocations) {
        walkCounting(
            home / location, WalkOptions{.skipHiddenEntries = true, .skipPackageContents = true},
            [&](const WalkEntry& entry) {
                if (entry.depth() >= kInstallerDepthLimit) {
                    return WalkAction::skipDescendants;
                }
                const bool isInstaller =
                    setup_.layout == model::HomeLayout::linuxDesktop
                        ? hasOneOfExtensions(entry.name(), kLinuxInstallerExtensions)
                        : hasOneOfExtensions(entry.name(), kInstallerExtensions);
                if (isInstaller && !excluding.contains(model::standardized(entry.path()))) {
                    installers.push_back({entry.location(), entry.values()});
                }
                return WalkAction::descend;
            },
            inaccessible);
    }
    return measuredItems(std::move(installers), CleanupCategory::installers, inaccessible);
}

std::vector<model::CleanupItem> LeftoverSearch::measuredItems(std::vector<ListedEntry> entries,
                                                              CleanupCategory category,
                                                              std::int64_t& inaccessible) const {
    Candidates found;
    const std::size_t maker = found.addMaker(category);
    for (ListedEntry& entry : entries) {
        found.add(std::move(entry), maker, /*keepEmpty=*/false);
    }
    model::ScanSnapshot measured = std::move(found).measure(SizeMeasurement(setup_));
    inaccessible += measured.inaccessibleCount;
    return std::move(measured.items);
}

} // namespace sorvale::engine

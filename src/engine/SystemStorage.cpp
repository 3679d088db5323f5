// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "SystemStorage.h"

#include "DirectoryWalker.h"
#include "FlatpakInstallation.h"
#include "SizeMeasurement.h"
#include "model/Translatable.h"
#include "platform/FileContents.h"
#include "platform/StandardLocations.h"

#include <algorithm>
#include <fnmatch.h>
#include <set>
#include <sstream>

namespace sorvale::engine {
namespace {

using model::CleanupCategory;
using model::CleanupOperation;
namespace fs = std::filesystem;

// Items keep their file's name unless `name` names them in words of our own.
std::size_t operationMaker(Candidates& into, CleanupCategory category, CleanupOperation operation,
                           std::optional<model::Message> name = std::nullopt) {
    return into.addMaker([=](model::Location entry, const MeasuredEntry& measured) {
        model::CleanupItem item = measuredEntryItem(std::move(entry), measured, category);
        item.operation = operation;
        if (name) {
            item.setMadeName(*name);
        }
        return item;
    });
}

// Far above any real repository configuration.
constexpr std::size_t kMostConfigBytes = 1 << 20;

// An archived journal file: "system@<id>.journal", or "….journal~" when it was closed unclean.
// The active files carry no "@" and stay.
bool isArchivedJournal(std::string_view name) {
    return name.find('@') != std::string_view::npos &&
           (name.ends_with(".journal") || name.ends_with(".journal~"));
}

// Patterns of refs the user pinned, or that were installed on purpose: "runtime/<id>/…".
std::vector<std::string> pinnedPatterns(const fs::path& installation) {
    std::vector<std::string> patterns;
    std::istringstream lines(
        platform::readRegularFile(installation / "repo/config", kMostConfigBytes).value_or(""));
    std::string line;
    constexpr std::string_view kPinned = "xa.pinned=";
    while (std::getline(lines, line)) {
        if (!line.starts_with(kPinned)) {
            continue;
        }
        std::istringstream list(line.substr(kPinned.size()));
        std::string pattern;
        while (std::getline(list, pattern, ';')) {
            if (!pattern.empty()) {
                patterns.push_back(pattern);
            }
        }
    }
    return patterns;
}

bool isPinned(const std::string& ref, const std::vector<std::string>& patterns) {
    const std::string full = "runtime/" + ref;
    return std::any_of(patterns.begin(), patterns.end(), [&](const std::string& pattern) {
        // A partial pattern ("runtime/org.some.Runtime") pins every arch and branch of it.
        return ::fnmatch(pattern.c_str(), full.c_str(), 0) == 0 ||
               (full.starts_with(pattern) && full[pattern.size()] == '/');
    });
}

// Whether `id` names an extension below `base`: "org.gnome.Platform.Locale" of
// "org.gnome.Platform".
bool extends(std::string_view id, std::string_view base) {
    return id.size() > base.size() && id.starts_with(base) && id[base.size()] == '.';
}

} // namespace

void SystemStorage::appendTo(const fs::path& home, Candidates& into) const {
    if (auto apt = findEntry(setup_.systemRoot, "var/cache/apt")) {
        into.add(std::move(*apt),
                 operationMaker(
                     into, CleanupCategory::packageCaches, CleanupOperation::cleanPackageCache(),
                     model::itemName(SORVALE_TRANSLATABLE("ItemNames", "APT package cache"))),
                 /*keepEmpty=*/false);
    }
    appendJournal(into);
    into.addFolder(
        setup_.systemPath("/var/crash"),
        operationMaker(into, CleanupCategory::systemLogs, CleanupOperation::deleteCrashReport()));
    appendUnusedRuntimes(setup_.systemPath("/var/lib/flatpak"), "system", into);
    appendUnusedRuntimes(platform::dataHomeFolder(home) / "flatpak", "user", into);
    appendSnapRevisions(into);
}

void SystemStorage::appendJournal(Candidates& into) const {
    auto journal = findEntry(setup_.systemRoot, "var/log/journal");
    if (!journal) {
        return;
    }
    std::int64_t size = 0;
    std::optional<model::Date> newest;
    walkCounting(
        setup_.systemPath("/var/log/journal"), WalkOptions{},
        [&](const WalkEntry& entry) {
            if (entry.type() == platform::EntryType::regular && isArchivedJournal(entry.name()) &&
                entry.values()) {
                size += allocatedSize(*entry.values());
                newest = std::max(newest, entry.values()->contentModificationDate);
            }
            return entry.depth() < 2 ? WalkAction::descend : WalkAction::skipDescendants;
        },
        into.inaccessibleCount);
    if (size < 1) {
        return;
    }
    model::CleanupItem item{
        .id = journal->location,
        .url = journal->location,
        .name = {},
        .size = size,
        .category = CleanupCategory::systemLogs,
        .isSelected = false,
        .modifiedAt = newest,
        .relatedFiles = {},
        .operation = CleanupOperation::vacuumJournal(),
        .owner = {},
        .icon = {},
        .nameParts = {},
    };
    item.setMadeName(model::itemName(SORVALE_TRANSLATABLE("ItemNames", "Archived journal files")));
    into.add(std::move(item));
}

void SystemStorage::appendUnusedRuntimes(const fs::path& installation, std::string_view which,
                                         Candidates& into) const {
    auto runtimeFolder = findEntry(installation, "runtime");
    if (!runtimeFolder) {
        return;
    }
    const std::vector<DeployedRef> runtimes =
        deployedRefs(installation, "runtime", into.inaccessibleCount);
    // Refs named by a deployment, ids whose extensions are in use ("<id>.Locale"), and the
    // extension points declared, whose own name may be an extension's too.
    std::set<std::string> usedRefs;
    std::vector<std::string> extendedIds;
    std::vector<std::string> extensionPoints;
    const auto use = [&](const DeployedRef& deployed) {
        const auto deployment = activeDeployment(deployed.folder);
        const FlatpakMetadata needs =
            deployment ? readFlatpakMetadata(*deployment) : FlatpakMetadata{};
        usedRefs.insert(needs.refs.begin(), needs.refs.end());
        extendedIds.push_back(deployed.id);
        extensionPoints.insert(extensionPoints.end(), needs.extensionPoints.begin(),
                               needs.extensionPoints.end());
    };
    for (const DeployedRef& app : deployedRefs(installation, "app", into.inaccessibleCount)) {
        use(app);
    }
    for (const DeployedRef& runtime : runtimes) {
        if (usedRefs.contains(runtime.ref)) {
            use(runtime);
        }
    }
    const std::vector<std::string> pins = pinnedPatterns(installation);
    std::vector<ListedEntry> unused;
    for (const DeployedRef& runtime : runtimes) {
        const bool isUsed =
            usedRefs.contains(runtime.ref) || isPinned(runtime.ref, pins) ||
            std::any_of(extendedIds.begin(), extendedIds.end(),
                        [&](const std::string& base) { return extends(runtime.id, base); }) ||
            std::any_of(extensionPoints.begin(), extensionPoints.end(),
                        [&](const std::string& point) {
                            return runtime.id == point || extends(runtime.id, point);
                        });
        if (!isUsed) {
            if (auto entry = findEntry(installation, fs::path("runtime") / runtime.ref)) {
                unused.push_back(std::move(*entry));
            }
        }
    }
    if (unused.empty()) {
        return;
    }
    model::CleanupItem item{
        .id = runtimeFolder->location,
        .url = runtimeFolder->location,
        .name = {},
        .size = 0,
        .category = CleanupCategory::unusedRuntimes,
        .isSelected = false,
        .modifiedAt = std::nullopt,
        .relatedFiles = {},
        .operation = CleanupOperation::removeUnusedRuntimes(std::string(which)),
        .owner = {},
        .icon = {},
        .nameParts = {},
    };
    item.setMadeName(model::itemName(
        which == "system"
            ? SORVALE_TRANSLATABLE("ItemNames", "Unused Flatpak runtimes (system-wide)")
            : SORVALE_TRANSLATABLE("ItemNames", "Unused Flatpak runtimes (this user)")));
    const auto measured = SizeMeasurement(setup_).measureEntries(unused, into.inaccessibleCount);
    for (std::size_t index = 0; index < unused.size(); ++index) {
        if (measured[index]) {
            item.size += measured[index]->size;
            item.modifiedAt = std::max(item.modifiedAt, measured[index]->modifiedAt);
            item.relatedFiles.push_back(std::move(unused[index].location));
        }
    }
    into.add(std::move(item));
}

void SystemStorage::appendSnapRevisions(Candidates& into) const {
    const fs::path snaps = setup_.systemPath("/var/lib/snapd/snaps");
    auto files = listDirectory(snaps, /*skipHiddenEntries=*/true);
    if (!files) {
        into.inaccessibleCount += platform::fileExists(snaps) ? 1 : 0;
        return;
    }
    for (ListedEntry& file : *files) {
        // "<snap>_<revision>.snap"; a parallel install's name holds a "_" of its own.
        std::string_view name = file.location.name();
        const std::size_t separator = name.rfind('_');
        if (!name.ends_with(".snap") || separator == std::string_view::npos || !file.values ||
            file.values->type != platform::EntryType::regular) {
            continue;
        }
        const std::string snap(name.substr(0, separator));
        const std::string revision(name.substr(
            separator + 1, name.size() - separator - 1 - std::string_view(".snap").size()));
        std::error_code error;
        const fs::path current =
            fs::read_symlink(setup_.systemPath("/snap") / snap / "current", error);
        // Without a current revision to keep, none is known to be old.
        if (error || current.empty() || current.native() == revision) {
            continue;
        }
        into.add(std::move(file),
                 operationMaker(into, CleanupCategory::snapRevisions,
                                CleanupOperation::removeSnapRevision(snap + "/" + revision),
                                model::itemName(SORVALE_TRANSLATABLE("ItemNames", "%1 revision %2"),
                                                {snap, revision})),
                 /*keepEmpty=*/false);
    }
}

} // namespace sorvale::engine

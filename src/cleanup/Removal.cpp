// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Removal.h"

#include "ItemResult.h"
#include "PackageUninstall.h"
#include "PermanentDeletion.h"
#include "ToolRemovals.h"
#include "Trash.h"
#include "Uninstall.h"
#include "UniversalThinning.h"
#include "platform/RunningApplications.h"

#include <algorithm>
#include <cerrno>

namespace sorvale::cleanup {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;
using model::CleanupItem;

constexpr std::string_view kMailIdentifier = "com.apple.mail";

bool isMailRunning() {
    const auto running = platform::runningApplications();
    return std::any_of(running.begin(), running.end(), [](const platform::RunningApplication& app) {
        return app.bundleIdentifier == kMailIdentifier;
    });
}

bool isRunning(const model::Location& bundle) {
    const fs::path location = model::standardized(bundle.path());
    const auto running = platform::runningApplications();
    return std::any_of(running.begin(), running.end(),
                       [&](const platform::RunningApplication& app) {
                           return model::standardized(app.bundle) == location;
                       });
}

// The processes running when the first item that has an owner is removed: reading them for
// every item would cost more than the removal itself.
class RunningProcesses {
public:
    const std::vector<platform::RunningProcess>& now() {
        if (!processes_) {
            processes_ = platform::runningProcesses();
        }
        return *processes_;
    }

private:
    std::optional<std::vector<platform::RunningProcess>> processes_;
};

// A file operation's error as the item's result: an item that is gone or changed is skipped.
ItemResult resultOf(const std::optional<platform::FileOperationError>& error) {
    if (!error) {
        return ItemResult::removed();
    }
    return error->code == ESTALE || error->code == ENOENT ? ItemResult::skipped(error->description)
                                                          : ItemResult::failed(error->description);
}

ItemResult resultOf(const std::optional<std::string>& failure) {
    return failure ? ItemResult::failed(*failure) : ItemResult::removed();
}

// Deletes an item of the Trash for good, and its record in the trash can it lies in.
ItemResult deleteFromTrash(const CleanupItem& item, const fs::path& home) {
    platform::FileOperationError error;
    const auto entry = reach(item.url, error);
    if (!entry) {
        return resultOf(error);
    }
    const TrashRecord record(*entry, item.url, home);
    const auto deletion = deletePermanently(*entry, item.url);
    if (!deletion) {
        record.forget();
    }
    return resultOf(deletion);
}

ItemResult removeByOperation(const engine::ScanEngine& engine, const CleanupItem& item,
                             const fs::path& home) {
    if (item.operation.isManagedXcodeOperation() || item.operation.isSystemToolOperation()) {
        return removeThroughTool(engine, item);
    }
    if (item.category == CleanupCategory::trash) {
        return deleteFromTrash(item, home);
    }
    return resultOf(moveToTrash(item.url, home));
}

ItemResult removeItem(const engine::ScanEngine& engine, const CleanupItem& item,
                      const fs::path& home, bool& needsAppManagementPermission,
                      RunningProcesses& running) {
    const bool ownerRuns = item.owner && platform::isRunning(*item.owner.get(), running.now());
    if (ownerRuns && item.category != CleanupCategory::installedApplications) {
        return ItemResult::skipped("Close " + item.owner->name + " before removing " +
                                   quotedName(item.url) + ": it is running.");
    }
    switch (item.category) {
    case CleanupCategory::mailDownloads:
        if (isMailRunning()) {
            return ItemResult::skipped("Quit Apple Mail before removing downloaded attachments.");
        }
        return removeByOperation(engine, item, home);
    case CleanupCategory::universalBinaries:
        if (isRunning(item.url)) {
            return ItemResult::skipped("Quit " + item.name + " before optimizing it.");
        }
        return resultOf(optimizeUniversalApplication(engine, item));
    case CleanupCategory::installedApplications:
        // A freedesktop application runs as its program or in its sandbox, not from a bundle.
        if (item.owner ? ownerRuns : isRunning(item.url)) {
            return ItemResult::skipped("Quit " + item.name + " before uninstalling it.");
        }
        if (item.operation.isPackageManagerUninstall()) {
            return uninstallThroughPackageManager(engine, item, home);
        }
        return uninstall(item, home, needsAppManagementPermission);
    default:
        return removeByOperation(engine, item, home);
    }
}

} // namespace

RemovalOutcome removeItems(const engine::ScanEngine& engine, const std::vector<CleanupItem>& items,
                           const fs::path& home, bool needsAppManagementPermission) {
    RemovalOutcome outcome;
    outcome.needsAppManagementPermission = needsAppManagementPermission;
    RunningProcesses running;
    for (const CleanupItem& item : items) {
        ItemResult result =
            removeItem(engine, item, home, outcome.needsAppManagementPermission, running);
        switch (result.kind) {
        case ItemResult::Kind::removed:
            ++outcome.removed;
            outcome.handled.insert(item.id);
            continue;
        case ItemResult::Kind::skipped:
            ++outcome.skipped;
            break;
        case ItemResult::Kind::failed:
            ++outcome.failed;
            break;
        }
        if (!outcome.firstMessage) {
            outcome.firstMessage = std::move(result.message);
        }
    }
    return outcome;
}

} // namespace sorvale::cleanup

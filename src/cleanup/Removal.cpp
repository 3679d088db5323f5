// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Removal.h"

#include "ItemResult.h"
#include "PackageUninstall.h"
#include "PermanentDeletion.h"
#include "PutBack.h"
#include "ToolRemovals.h"
#include "Trash.h"
#include "Uninstall.h"
#include "UniversalThinning.h"
#include "model/Translatable.h"
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
    return error->code == ESTALE || error->code == ENOENT ? ItemResult::skipped(error->message)
                                                          : ItemResult::failed(error->message);
}

ItemResult resultOf(const std::optional<model::Message>& failure) {
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
                             const fs::path& home, std::vector<model::Location>& placed) {
    if (item.operation.isManagedXcodeOperation() || item.operation.isSystemToolOperation()) {
        return removeThroughTool(engine, item);
    }
    if (item.category == CleanupCategory::trash) {
        return deleteFromTrash(item, home);
    }
    model::Location inTrash;
    const auto error = moveToTrash(item.url, home, &inTrash);
    if (!error) {
        placed.push_back(std::move(inTrash));
    }
    return resultOf(error);
}

ItemResult removeItem(const engine::ScanEngine& engine, const CleanupItem& item,
                      const fs::path& home, bool& needsAppManagementPermission,
                      RunningProcesses& running, std::vector<model::Location>& placed) {
    const bool ownerRuns = item.owner && platform::isRunning(*item.owner.get(), running.now());
    if (ownerRuns && item.category != CleanupCategory::installedApplications) {
        return ItemResult::skipped(model::Message{
            SORVALE_TRANSLATABLE("Messages",
                                 "Close %1 before removing \u201C%2\u201D: it is running."),
            {item.owner->name, std::string(item.url.name())}});
    }
    switch (item.category) {
    case CleanupCategory::mailDownloads:
        if (isMailRunning()) {
            return ItemResult::skipped(model::Message{
                SORVALE_TRANSLATABLE("Messages",
                                     "Quit Apple Mail before removing downloaded attachments."),
                {}});
        }
        return removeByOperation(engine, item, home, placed);
    case CleanupCategory::universalBinaries:
        if (isRunning(item.url)) {
            return ItemResult::skipped(model::Message{
                SORVALE_TRANSLATABLE("Messages", "Quit %1 before optimizing it."), {item.name}});
        }
        return resultOf(optimizeUniversalApplication(engine, item));
    case CleanupCategory::installedApplications:
        // A freedesktop application runs as its program or in its sandbox, not from a bundle.
        if (item.owner ? ownerRuns : isRunning(item.url)) {
            return ItemResult::skipped(model::Message{
                SORVALE_TRANSLATABLE("Messages", "Quit %1 before uninstalling it."), {item.name}});
        }
        if (item.operation.isPackageManagerUninstall()) {
            return uninstallThroughPackageManager(engine, item, home, &placed);
        }
        return uninstall(item, home, needsAppManagementPermission, &placed);
    default:
        return removeByOperation(engine, item, home, placed);
    }
}

} // namespace

RemovalOutcome removeItems(const engine::ScanEngine& engine, const std::vector<CleanupItem>& items,
                           const fs::path& home, bool needsAppManagementPermission) {
    RemovalOutcome outcome;
    outcome.needsAppManagementPermission = needsAppManagementPermission;
    RunningProcesses running;
    for (const CleanupItem& item : items) {
        std::vector<model::Location> placed;
        ItemResult result =
            removeItem(engine, item, home, outcome.needsAppManagementPermission, running, placed);
        switch (result.kind) {
        case ItemResult::Kind::removed:
            ++outcome.removed;
            outcome.handled.insert(item.id);
            if (!placed.empty()) {
                outcome.trashed.push_back({item.id, std::move(placed)});
            }
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
            outcome.firstMessageParts = std::move(result.parts);
        }
    }
    return outcome;
}

PutBackOutcome putBackItems(const std::vector<TrashedItem>& items) {
    PutBackOutcome outcome;
    for (const TrashedItem& item : items) {
        std::optional<platform::FileOperationError> error;
        for (auto entry = item.inTrash.rbegin(); entry != item.inTrash.rend() && !error; ++entry) {
            error = putBack(*entry);
        }
        if (!error) {
            outcome.restored.push_back(item.id);
            continue;
        }
        ++outcome.failed;
        if (!outcome.firstMessage) {
            outcome.firstMessage = error->description();
            outcome.firstMessageParts = error->message;
        }
    }
    return outcome;
}

} // namespace sorvale::cleanup

#include "Removal.h"

#include "model/Location.h"
#include "platform/RunningApplications.h"
#include "platform/Trash.h"

#include <algorithm>

namespace sorvale::store {
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

bool isRunning(const fs::path& bundle) {
    const fs::path location = model::standardized(bundle);
    const auto running = platform::runningApplications();
    return std::any_of(running.begin(), running.end(),
                       [&](const platform::RunningApplication& app) {
                           return model::standardized(app.bundle) == location;
                       });
}

// None when the item was removed, else the message that says why not.
using Result = std::optional<std::string>;

Result moveToTrashOrDelete(const CleanupItem& item, const fs::path& home) {
    const auto error = item.category == CleanupCategory::trash
                           ? platform::deletePermanently(item.url)
                           : platform::moveToTrash(item.url, home);
    return error ? Result(error->description) : std::nullopt;
}

Result removeByOperation(const engine::ScanEngine& engine, const CleanupItem& item,
                         const fs::path& home) {
    if (item.operation.isManagedXcodeOperation()) {
        return engine.performManagedCleanup(item);
    }
    return moveToTrashOrDelete(item, home);
}

// Moves the application's support files, then the bundle, to the Trash; the first failure
// leaves the rest in place.
Result uninstall(const CleanupItem& item, const fs::path& home,
                 bool& needsAppManagementPermission) {
    std::vector<fs::path> moves;
    for (const fs::path& file : item.relatedFiles) {
        if (platform::fileExists(file)) {
            moves.push_back(file);
        }
    }
    moves.push_back(item.url);
    for (const fs::path& location : moves) {
        if (const auto error = platform::moveToTrash(location, home)) {
            if (platform::isPermissionError(*error)) {
                needsAppManagementPermission = true;
                return "App Management permission is required to uninstall apps from "
                       "Applications. Open Permission Settings and enable Sorvale.";
            }
            return "Could not completely uninstall " + item.name + ": " + error->description;
        }
    }
    needsAppManagementPermission = false;
    return std::nullopt;
}

Result removeItem(const engine::ScanEngine& engine, const CleanupItem& item, const fs::path& home,
                  bool& needsAppManagementPermission) {
    switch (item.category) {
    case CleanupCategory::mailDownloads:
        if (isMailRunning()) {
            return "Quit Apple Mail before removing downloaded attachments.";
        }
        return removeByOperation(engine, item, home);
    case CleanupCategory::universalBinaries:
        if (isRunning(item.url)) {
            return "Quit " + item.name + " before optimizing it.";
        }
        return engine.optimizeUniversalApplication(item);
    case CleanupCategory::installedApplications:
        if (isRunning(item.url)) {
            return "Quit " + item.name + " before uninstalling it.";
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
    for (const CleanupItem& item : items) {
        if (auto message = removeItem(engine, item, home, outcome.needsAppManagementPermission)) {
            ++outcome.failures;
            if (!outcome.firstMessage) {
                outcome.firstMessage = std::move(message);
            }
        } else {
            outcome.handled.insert(item.id);
        }
    }
    return outcome;
}

std::string removalProgressLabel(const std::vector<CleanupItem>& items) {
    const auto any = [&](CleanupCategory category) {
        return std::any_of(items.begin(), items.end(),
                           [&](const CleanupItem& item) { return item.category == category; });
    };
    if (any(CleanupCategory::universalBinaries)) {
        return "Safely optimizing selected applications\u2026";
    }
    if (any(CleanupCategory::installedApplications)) {
        return "Uninstalling selected applications\u2026";
    }
    return "Applying cleanup\u2026";
}

std::string removalSummary(const RemovalOutcome& outcome, std::size_t itemCount) {
    const std::int64_t completed = static_cast<std::int64_t>(itemCount) - outcome.failures;
    if (outcome.failures == 0) {
        return "Completed " + std::to_string(completed) + (completed == 1 ? " item" : " items") +
               " successfully.";
    }
    return "Completed " + std::to_string(completed) + "; " + std::to_string(outcome.failures) +
           " skipped. " + outcome.firstMessage.value_or("");
}

} // namespace sorvale::store

#pragma once

#include "engine/ScanEngine.h"
#include "model/CleanupItem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace sorvale::store {

// What a removal did, for the store to apply on its own thread.
struct RemovalOutcome {
    // `id` of every item removed, optimised or uninstalled.
    std::set<std::filesystem::path> handled;
    // Items skipped or failed, and the message of the first of them.
    std::int64_t failures = 0;
    std::optional<std::string> firstMessage;
    // The App Management flag as the removal left it.
    bool needsAppManagementPermission = false;
};

// Removes `items` one after another, each by the path its category and operation call for:
// Mail attachments only while Mail is not running, universal applications optimised and
// installed applications uninstalled only while they are not running, Xcode's items through
// simctl, Trash items deleted for good and everything else moved to the Trash. Nothing stops it;
// every problem is counted. Runs off the main thread, on the engine's thread.
[[nodiscard]] RemovalOutcome removeItems(const engine::ScanEngine& engine,
                                         const std::vector<model::CleanupItem>& items,
                                         const std::filesystem::path& home,
                                         bool needsAppManagementPermission);

// The progress label while `items` are being removed.
[[nodiscard]] std::string removalProgressLabel(const std::vector<model::CleanupItem>& items);

// The line that reports a removal of `itemCount` items.
[[nodiscard]] std::string removalSummary(const RemovalOutcome& outcome, std::size_t itemCount);

} // namespace sorvale::store

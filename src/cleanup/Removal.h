// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/ScanEngine.h"
#include "model/CleanupItem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace sorvale::cleanup {

// What a removal did.
struct RemovalOutcome {
    // `id` of every item removed, optimised or uninstalled.
    std::unordered_set<model::Location> handled;
    std::int64_t removed = 0;
    // Not attempted: the item's application was running, the item is no longer what the scan
    // found, or a system tool was missing or not given the rights it needs.
    std::int64_t skipped = 0;
    // Attempted, and the system refused or a tool failed.
    std::int64_t failed = 0;
    // The message of the first item skipped or failed.
    std::optional<std::string> firstMessage;
    // The App Management flag as the removal left it.
    bool needsAppManagementPermission = false;
};

// Removes `items` one after another, each by the path its category and operation call for:
// nothing whose owning application runs, Mail attachments only while Mail is not running,
// universal applications optimised and installed applications uninstalled only while they are
// not running, Xcode's items through simctl, system storage through the system's own tools,
// Trash items deleted for good and everything else moved to the Trash. Every item is first
// checked to be the one the scan found. Nothing stops it; every problem is counted. Runs on the
// engine's thread.
[[nodiscard]] RemovalOutcome removeItems(const engine::ScanEngine& engine,
                                         const std::vector<model::CleanupItem>& items,
                                         const std::filesystem::path& home,
                                         bool needsAppManagementPermission);

} // namespace sorvale::cleanup

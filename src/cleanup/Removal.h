// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/ScanEngine.h"
#include "model/CleanupItem.h"
#include "model/Message.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace sorvale::cleanup {

// An item whose entries went to the Trash, and where each of them lies there, in the order they
// were moved.
struct TrashedItem {
    model::Location id;
    std::vector<model::Location> inTrash;
};

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
    // The message of the first item skipped or failed, and its parts where it has them.
    std::optional<std::string> firstMessage;
    std::optional<model::Message> firstMessageParts;
    // The App Management flag as the removal left it.
    bool needsAppManagementPermission = false;
    // The items removed by moving them to the Trash, which can be put back.
    std::vector<TrashedItem> trashed;
};

// What putting items back did.
struct PutBackOutcome {
    // `id` of every item whose entries all went back.
    std::vector<model::Location> restored;
    std::int64_t failed = 0;
    // The message of the first item that could not go back, and its parts.
    std::optional<std::string> firstMessage;
    std::optional<model::Message> firstMessageParts;
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

// Puts every entry of every item back where it came from (PutBack.h), an item's last moved entry
// first; an item stops at its first entry that cannot go back, and the others go on.
[[nodiscard]] PutBackOutcome putBackItems(const std::vector<TrashedItem>& items);

} // namespace sorvale::cleanup

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/Location.h"
#include "model/Message.h"
#include "platform/Descriptors.h"
#include "platform/EntryValues.h"
#include "platform/FileOperationError.h"

#include <optional>
#include <string>
#include <vector>

namespace sorvale::cleanup {

// An entry reached again the way the scan reached it, and found to be the very entry the scan
// saw: whatever changes it acts on `name` relative to `folder`, never through a path.
struct ReachedEntry {
    platform::Descriptor folder;
    model::FileIdentity folderIdentity;
    std::string name;
    platform::EntryValues values;
};

// Names for a message, each quoted, in a list: the quotes and the list's commas are the
// language's own. `names` must not be empty.
[[nodiscard]] model::Message quotedNames(const std::vector<std::string>& names);

// The error of an entry that is no longer the one the scan found.
[[nodiscard]] platform::FileOperationError changedAfterScan(const model::Location& location);

// Reaches the entry of `location` from its scanned root. None, with `error` set, when it cannot
// be reached, when it is gone (ENOENT) or when it is not the entry the scan found (ESTALE).
[[nodiscard]] std::optional<ReachedEntry> reach(const model::Location& location,
                                                platform::FileOperationError& error);

// Reaches whatever entry now has `location`'s name in the very folder where the scan found it,
// for a change that replaced the entry on purpose.
[[nodiscard]] std::optional<ReachedEntry> reachInFolder(const model::Location& location,
                                                        platform::FileOperationError& error);

// Whether the entry at `name` in the folder is still the one `entry` reached.
[[nodiscard]] bool isStill(const ReachedEntry& entry, int folder, const std::string& name);

} // namespace sorvale::cleanup

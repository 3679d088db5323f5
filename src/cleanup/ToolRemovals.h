// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ItemResult.h"
#include "engine/ScanEngine.h"
#include "model/CleanupItem.h"

#include <string>
#include <string_view>
#include <vector>

namespace sorvale::cleanup {

// Removes what only its own tool may remove: a simulator runtime or device, or the simulators'
// shared caches, through simctl; the package cache, the journal's archived files, unused Flatpak
// runtimes, an old snap revision or a crash report of another user's, through the system's tools,
// with administrator rights through pkexec where they need them. The item is first checked to be
// what the scan found. A tool that is missing and rights that were not granted skip the item; a
// tool that fails fails it, with the tool's own words.
[[nodiscard]] ItemResult removeThroughTool(const engine::ScanEngine& tools,
                                           const model::CleanupItem& item);

// Administrator rights are asked for through this tool.
inline constexpr std::string_view kPkexec = "/usr/bin/pkexec";

// The sentences that tell why a command removed nothing, each whole for what it removes: %1 is
// the tool's name, %2 the item's.
struct CommandTexts {
    // The tool is missing.
    std::string_view notInstalled;
    // pkexec is missing.
    std::string_view noPkexec;
    // The user did not grant the rights.
    std::string_view notGranted;
    // The tool failed and said nothing.
    std::string_view failed;
};

// One run of a system tool (an absolute path under the system root) for an item.
struct SystemCommand {
    std::string_view tool;
    std::vector<std::string> arguments;
    bool asAdministrator = false;
    const CommandTexts* texts = nullptr;
    // The item's name, for the texts that name it, and its parts when the scan named it in
    // words of its own.
    std::string name;
    model::NameParts nameParts;
};

// The texts of a command that removes one named item: "%2" stays bare or is quoted.
[[nodiscard]] const CommandTexts& namedItemTexts();
[[nodiscard]] const CommandTexts& quotedItemTexts();

// Runs `command`, through pkexec when it needs administrator rights. A missing tool, a missing
// pkexec and rights not granted skip; a tool that fails fails, with its own words.
[[nodiscard]] ItemResult runSystemCommand(const engine::ScanEngine& tools,
                                          const SystemCommand& command);

} // namespace sorvale::cleanup

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ItemResult.h"
#include "engine/ScanEngine.h"
#include "model/CleanupItem.h"

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

} // namespace sorvale::cleanup

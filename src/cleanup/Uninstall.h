// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ItemResult.h"
#include "model/CleanupItem.h"

#include <filesystem>

namespace sorvale::cleanup {

// Moves an application's support files, then its bundle, to the Trash. Every one of them is
// first reached and checked to be what the scan found; a support file that is gone is passed
// over, one that changed stops the uninstall before anything moved. The first move that fails
// leaves the rest in place, and the message names what already went to the Trash. A refusal by
// the system's permissions raises `needsAppManagementPermission`; a complete uninstall lowers it.
[[nodiscard]] ItemResult uninstall(const model::CleanupItem& item,
                                   const std::filesystem::path& home,
                                   bool& needsAppManagementPermission);

} // namespace sorvale::cleanup

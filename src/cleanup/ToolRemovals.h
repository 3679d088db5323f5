#pragma once

#include "engine/ScanEngine.h"
#include "model/CleanupItem.h"

#include <optional>
#include <string>

namespace sorvale::cleanup {

// Removes what only its own tool may remove (a simulator runtime or device, or the simulators'
// shared caches, through simctl); none on success, else the message to show.
[[nodiscard]] std::optional<std::string> removeThroughTool(const engine::ScanEngine& tools,
                                                           const model::CleanupItem& item);

} // namespace sorvale::cleanup

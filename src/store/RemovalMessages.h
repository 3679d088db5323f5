#pragma once

#include "cleanup/Removal.h"
#include "model/CleanupItem.h"

#include <string>
#include <vector>

namespace sorvale::store {

// The progress label while `items` are being removed.
[[nodiscard]] std::string removalProgressLabel(const std::vector<model::CleanupItem>& items);

// The line that reports a removal of `itemCount` items.
[[nodiscard]] std::string removalSummary(const cleanup::RemovalOutcome& outcome,
                                         std::size_t itemCount);

} // namespace sorvale::store

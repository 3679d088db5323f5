// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "cleanup/Removal.h"

#include <string>

namespace sorvale::store {

// The line that reports a removal of `itemCount` items.
[[nodiscard]] std::string removalSummary(const cleanup::RemovalOutcome& outcome,
                                         std::size_t itemCount);

} // namespace sorvale::store

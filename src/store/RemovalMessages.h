// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "cleanup/Removal.h"

#include <QString>

namespace sorvale::store {

// The line that reports a removal of `itemCount` items, translated; the first skip's or
// failure's own message follows as the cleanup wrote it.
[[nodiscard]] QString removalSummary(const cleanup::RemovalOutcome& outcome, std::size_t itemCount);
// The line that reports putting `itemCount` items back from the Trash, translated, with the
// first failure's own message as the cleanup wrote it.
[[nodiscard]] QString putBackSummary(const cleanup::PutBackOutcome& outcome, std::size_t itemCount);

} // namespace sorvale::store

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "RemovalMessages.h"

namespace sorvale::store {

std::string removalSummary(const cleanup::RemovalOutcome& outcome, std::size_t itemCount) {
    const std::int64_t failures = outcome.skipped + outcome.failed;
    const std::int64_t completed = static_cast<std::int64_t>(itemCount) - failures;
    if (failures == 0) {
        return "Completed " + std::to_string(completed) + (completed == 1 ? " item" : " items") +
               " successfully.";
    }
    return "Completed " + std::to_string(completed) + "; " + std::to_string(failures) +
           " skipped. " + outcome.firstMessage.value_or("");
}

} // namespace sorvale::store

#include "RemovalMessages.h"

#include <algorithm>

namespace sorvale::store {

using model::CleanupCategory;
using model::CleanupItem;

std::string removalProgressLabel(const std::vector<CleanupItem>& items) {
    const auto any = [&](CleanupCategory category) {
        return std::any_of(items.begin(), items.end(),
                           [&](const CleanupItem& item) { return item.category == category; });
    };
    if (any(CleanupCategory::universalBinaries)) {
        return "Safely optimizing selected applications\u2026";
    }
    if (any(CleanupCategory::installedApplications)) {
        return "Uninstalling selected applications\u2026";
    }
    return "Applying cleanup\u2026";
}

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

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/AppSection.h"
#include "model/CleanupCategory.h"
#include "model/CleanupGroup.h"

#include <optional>

namespace sorvale::store {

// Where the user is: the section on screen, and whether Smart Cleanup and Applications show
// their dashboard or their list, narrowed to a group or a category.
struct Navigation {
    model::AppSection section = model::AppSection::overview;
    model::CleanupPresentation cleanupPresentation = model::CleanupPresentation::summary;
    std::optional<model::CleanupGroup> focusedCleanupGroup = std::nullopt;
    model::ApplicationsPresentation applicationsPresentation =
        model::ApplicationsPresentation::summary;
    std::optional<model::CleanupCategory> focusedApplicationCategory = std::nullopt;

    bool operator==(const Navigation&) const = default;

    [[nodiscard]] bool reviewsCleanup() const {
        return cleanupPresentation == model::CleanupPresentation::review;
    }
    [[nodiscard]] bool reviewsApplications() const {
        return applicationsPresentation == model::ApplicationsPresentation::review;
    }
    // The group a selection of the section on screen stays within: the focused Smart Cleanup
    // group, on that section.
    [[nodiscard]] std::optional<model::CleanupGroup> selectionGroup() const {
        return section == model::AppSection::cleanup ? focusedCleanupGroup : std::nullopt;
    }
};

} // namespace sorvale::store

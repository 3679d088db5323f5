// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/AppSection.h"
#include "model/CleanupGroup.h"
#include "model/CleanupItem.h"
#include "model/ScanState.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace sorvale::store {

// The five results lists, one per section after the overview, each with its items, its state and
// the count of what its last scan could not read. Each has two revisions: one that any change
// moves on, and one that only a change of its contents moves on, which tells a list model new
// items from a new selection.
class ScanLists {
public:
    static constexpr std::size_t kCount = 5;

    // The list of `section`; none for the overview.
    [[nodiscard]] static std::optional<std::size_t> indexOf(model::AppSection section);
    [[nodiscard]] static model::AppSection sectionOf(std::size_t index);

    // Empty, and idle, for the overview.
    [[nodiscard]] const std::vector<model::CleanupItem>& items(model::AppSection section) const;
    [[nodiscard]] const model::ScanState& state(model::AppSection section) const;
    void setState(model::AppSection section, model::ScanState state);
    [[nodiscard]] std::int64_t inaccessibleCount(model::AppSection section) const;
    [[nodiscard]] const std::map<model::AppSection, std::int64_t>& inaccessibleCounts() const {
        return inaccessibleCounts_;
    }
    // Whether the folder the last scan of `section` searched could be opened.
    [[nodiscard]] model::FolderAccess folderAccess(model::AppSection section) const;

    [[nodiscard]] std::uint64_t revision(model::AppSection section) const;
    [[nodiscard]] std::uint64_t contentsRevision(model::AppSection section) const;

    // A scan's result takes the list's place.
    void replace(model::AppSection section, model::ScanSnapshot snapshot);
    enum class Change { selection, contents };
    // Applies `change` to a section's list as one change; `change` says whether it changed it.
    void change(model::AppSection section, Change kind,
                const std::function<bool(std::vector<model::CleanupItem>&)>& change);
    // Sets the selection of every item of the list to `select(item)`.
    void select(model::AppSection section,
                const std::function<bool(const model::CleanupItem&)>& select);

    // The items of the Smart Cleanup list in `group` (all of them for none), and their size.
    [[nodiscard]] std::vector<model::CleanupItem>
    junkItems(const std::optional<model::CleanupGroup>& group) const;
    [[nodiscard]] std::int64_t junkSize(const std::optional<model::CleanupGroup>& group) const;

private:
    std::array<std::vector<model::CleanupItem>, kCount> items_;
    std::array<model::ScanState, kCount> states_;
    std::array<std::uint64_t, kCount> revisions_{};
    std::array<std::uint64_t, kCount> contentsRevisions_{};
    std::map<model::AppSection, std::int64_t> inaccessibleCounts_;
    std::map<model::AppSection, model::FolderAccess> folderAccess_;
};

} // namespace sorvale::store

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/AppSection.h"
#include "model/CleanupItem.h"
#include "model/HomeLayout.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace sorvale::store {

// What the selection of one list amounts to, gathered in one pass over the list.
struct SelectionSummary {
    static_assert(model::EnumTraits<model::CleanupCategory>::count <= 64);

    // Which items are selected: their positions in the section's list at a contents revision.
    model::AppSection section = model::AppSection::overview;
    std::uint64_t contents = 0;
    std::vector<std::uint32_t> positions;
    std::int64_t size = 0;
    std::uint64_t categories = 0; // one bit per category of a selected item
    bool managedXcode = false;
    // Selected items that the system's own tools remove (with an administrator's rights) rather
    // than the Trash.
    std::size_t systemToolCount = 0;

    [[nodiscard]] static SelectionSummary of(model::AppSection section, std::uint64_t contents,
                                             const std::vector<model::CleanupItem>& items);

    [[nodiscard]] std::size_t count() const { return positions.size(); }
    [[nodiscard]] bool has(model::CleanupCategory category) const {
        return (categories & bit(category)) != 0;
    }
    [[nodiscard]] bool onlyOf(model::CleanupCategory category) const {
        return categories == bit(category);
    }
    [[nodiscard]] static std::uint64_t bit(model::CleanupCategory category) {
        return std::uint64_t{1} << static_cast<unsigned>(category);
    }
    // Two selections of different lists (or revisions) are the same only when both are empty:
    // a list's items are never those of another section, a new scan leaves nothing selected,
    // and a removal takes selected items away.
    [[nodiscard]] bool sameItems(const SelectionSummary& other) const;
};

// What the confirmation before a removal says.
struct Confirmation {
    QString title;
    QString message;
    // Only a selection of installed applications alone offers the App Management settings, and
    // only where the system has them.
    bool offersAppManagement = false;

    bool operator==(const Confirmation&) const = default;
};

// The one set of rules that says what a selection is: the title of the button that removes it,
// the confirmation before, and the progress label during the removal all follow from here.
namespace selection_rules {

[[nodiscard]] QString actionTitle(const SelectionSummary& selected);
// In the words of the home layout `layout`.
[[nodiscard]] Confirmation confirmation(const SelectionSummary& selected, model::HomeLayout layout);
[[nodiscard]] std::string progressLabel(const SelectionSummary& selected);

} // namespace selection_rules

} // namespace sorvale::store

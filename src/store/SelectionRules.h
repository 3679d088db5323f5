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
    // One of the items it names, and what will happen to it.
    struct Item {
        QString name;
        std::int64_t size = 0;
        QString action;

        bool operator==(const Item&) const = default;
    };

    QString title;
    QString message;
    // Only a selection of installed applications alone offers the App Management settings, and
    // only where the system has them.
    bool offersAppManagement = false;
    // The largest selected items, the number of the others, their total size, and what will
    // happen to them all, in one sentence.
    std::vector<Item> items;
    std::size_t more = 0;
    QString total;
    QString outcome;

    bool operator==(const Confirmation&) const = default;
};

// The one set of rules that says what a selection is: the title of the button that removes it,
// the confirmation before, and the progress label during the removal all follow from here,
// translated.
namespace selection_rules {

[[nodiscard]] QString actionTitle(const SelectionSummary& selected);
// In the words of the home layout `layout`.
[[nodiscard]] Confirmation confirmation(const SelectionSummary& selected, model::HomeLayout layout);
// The confirmation with the selected items of `items` named: the first `named` of them by size.
[[nodiscard]] Confirmation confirmation(const SelectionSummary& selected,
                                        const std::vector<model::CleanupItem>& items,
                                        model::HomeLayout layout, std::size_t named = 10);
// What removing `item` does to it, as the list beside its name says it: "moved to the Trash" in
// the words of the home layout `layout`.
[[nodiscard]] QString action(const model::CleanupItem& item, model::HomeLayout layout);
[[nodiscard]] QString progressLabel(const SelectionSummary& selected);

} // namespace selection_rules

} // namespace sorvale::store

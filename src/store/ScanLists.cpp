// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ScanLists.h"

namespace sorvale::store {

using model::AppSection;
using model::CleanupItem;

std::optional<std::size_t> ScanLists::indexOf(AppSection section) {
    if (section == AppSection::overview) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(section) - 1;
}

AppSection ScanLists::sectionOf(std::size_t index) {
    return static_cast<AppSection>(index + 1);
}

const std::vector<CleanupItem>& ScanLists::items(AppSection section) const {
    static const std::vector<CleanupItem> none;
    const auto index = indexOf(section);
    return index ? items_[*index] : none;
}

const model::ScanState& ScanLists::state(AppSection section) const {
    static const model::ScanState idle;
    const auto index = indexOf(section);
    return index ? states_[*index] : idle;
}

void ScanLists::setState(AppSection section, model::ScanState state) {
    if (const auto index = indexOf(section)) {
        states_[*index] = std::move(state);
    }
}

std::int64_t ScanLists::inaccessibleCount(AppSection section) const {
    const auto count = inaccessibleCounts_.find(section);
    return count != inaccessibleCounts_.end() ? count->second : 0;
}

model::FolderAccess ScanLists::folderAccess(AppSection section) const {
    const auto access = folderAccess_.find(section);
    return access != folderAccess_.end() ? access->second : model::FolderAccess::opened;
}

std::uint64_t ScanLists::revision(AppSection section) const {
    const auto index = indexOf(section);
    return index ? revisions_[*index] : 0;
}

std::uint64_t ScanLists::contentsRevision(AppSection section) const {
    const auto index = indexOf(section);
    return index ? contentsRevisions_[*index] : 0;
}

void ScanLists::replace(AppSection section, model::ScanSnapshot snapshot) {
    if (!indexOf(section)) {
        return;
    }
    inaccessibleCounts_[section] = snapshot.inaccessibleCount;
    folderAccess_[section] = snapshot.folderAccess;
    change(section, Change::contents, [&](std::vector<CleanupItem>& items) {
        const bool changed = items != snapshot.items;
        items = std::move(snapshot.items);
        return changed;
    });
}

void ScanLists::change(AppSection section, Change kind,
                       const std::function<bool(std::vector<CleanupItem>&)>& change) {
    if (const auto index = indexOf(section); index && change(items_[*index])) {
        ++revisions_[*index];
        if (kind == Change::contents) {
            ++contentsRevisions_[*index];
        }
    }
}

void ScanLists::select(AppSection section, const std::function<bool(const CleanupItem&)>& select) {
    change(section, Change::selection, [&](std::vector<CleanupItem>& items) {
        bool changed = false;
        for (CleanupItem& item : items) {
            const bool selected = select(item);
            changed = changed || selected != item.isSelected;
            item.isSelected = selected;
        }
        return changed;
    });
}

std::vector<CleanupItem>
ScanLists::junkItems(const std::optional<model::CleanupGroup>& group) const {
    std::vector<CleanupItem> inGroup;
    for (const CleanupItem& item : items(AppSection::cleanup)) {
        if (!group || model::group(item.category) == *group) {
            inGroup.push_back(item);
        }
    }
    return inGroup;
}

std::int64_t ScanLists::junkSize(const std::optional<model::CleanupGroup>& group) const {
    std::int64_t sum = 0;
    for (const CleanupItem& item : items(AppSection::cleanup)) {
        if (!group || model::group(item.category) == *group) {
            sum += item.size;
        }
    }
    return sum;
}

} // namespace sorvale::store

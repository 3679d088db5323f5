// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// The selection inside the displayed list, and the moves between the dashboards of Smart Cleanup
// and Applications and their lists.

#include "CleanupStore.h"
#include "StoreValues.h"

#include <algorithm>

namespace sorvale::store {

using model::AppSection;
using model::CleanupCategory;
using model::CleanupGroup;
using model::CleanupItem;

void CleanupStore::selectDisplayed(const std::function<bool(const CleanupItem&)>& select) {
    lists_.select(navigation_.section, select);
}

std::vector<CleanupItem> CleanupStore::selectedItemsOfDisplayedList() const {
    std::vector<CleanupItem> selected;
    std::copy_if(displayed().begin(), displayed().end(), std::back_inserter(selected),
                 [](const CleanupItem& item) { return item.isSelected; });
    return selected;
}

QVariantList CleanupStore::selectedItems() const {
    return toVariant(selectedItemsOfDisplayedList());
}

// The selection's values are read from the last announcement: every change announces itself
// before anything can read them, and a view reading them after a toggle must not walk a list of
// 100,000 items again for each one.
int CleanupStore::selectedCount() const {
    return static_cast<int>(shown_.selected.count());
}
qint64 CleanupStore::selectedSize() const {
    return shown_.selected.size;
}
qint64 CleanupStore::totalJunkSize() const {
    return shown_.totalJunkSize;
}
bool CleanupStore::hasPermanentSelection() const {
    return shown_.selected.has(CleanupCategory::trash);
}
bool CleanupStore::hasOptimizationSelection() const {
    return shown_.selected.has(CleanupCategory::universalBinaries);
}
bool CleanupStore::hasManagedXcodeSelection() const {
    return shown_.selected.managedXcode;
}
bool CleanupStore::hasMailSelection() const {
    return shown_.selected.has(CleanupCategory::mailDownloads);
}
bool CleanupStore::hasApplicationSelection() const {
    return shown_.selected.has(CleanupCategory::installedApplications);
}
QString CleanupStore::selectionActionTitle() const {
    return shown_.actionTitle;
}

QVariantList CleanupStore::items(const QString& group) const {
    const auto wanted = fromRawText<CleanupGroup>(group);
    return wanted ? toVariant(lists_.junkItems(wanted)) : QVariantList();
}

qint64 CleanupStore::size(const QString& group) const {
    const auto wanted = fromRawText<CleanupGroup>(group);
    return wanted ? lists_.junkSize(wanted) : 0;
}

void CleanupStore::toggle(const QString& key) {
    const std::string id = bytesOfItemKey(key);
    lists_.change(navigation_.section, ScanLists::Change::selection,
                  [&](std::vector<CleanupItem>& items) {
                      const auto item = std::find_if(
                          items.begin(), items.end(),
                          [&](const CleanupItem& candidate) { return candidate.id.bytes() == id; });
                      if (item == items.end()) {
                          return false;
                      }
                      item->isSelected = !item->isSelected;
                      return true;
                  });
    publish();
}

void CleanupStore::setSelection(const QStringList& keys, bool selected) {
    IdSet ids;
    for (const QString& key : keys) {
        ids.insert(bytesOfItemKey(key));
    }
    setSelectionOfIds(ids, selected);
}

void CleanupStore::setSelectionOfIds(const IdSet& ids, bool selected) {
    selectDisplayed([&](const CleanupItem& item) {
        return ids.contains(item.id.bytes()) ? selected : item.isSelected;
    });
    publish();
}

void CleanupStore::deselectAll() {
    selectDisplayed([](const CleanupItem&) { return false; });
    publish();
}

void CleanupStore::selectAll(const QString& category) {
    const auto scopeGroup = navigation_.selectionGroup();
    auto scopeCategory = fromRawText<CleanupCategory>(category);
    if (!scopeCategory && navigation_.section == AppSection::applications) {
        scopeCategory = navigation_.focusedApplicationCategory;
    }
    selectDisplayed([&](const CleanupItem& item) {
        if (scopeGroup && model::group(item.category) != *scopeGroup) {
            return false;
        }
        return !scopeCategory || item.category == *scopeCategory;
    });
    publish();
}

void CleanupStore::selectRecommended() {
    const auto scopeGroup = navigation_.selectionGroup();
    selectDisplayed([&](const CleanupItem& item) {
        return model::isRecommended(item.category, layout_) &&
               (!scopeGroup || model::group(item.category) == *scopeGroup);
    });
    publish();
}

void CleanupStore::quickClean(const QString& group) {
    if (fromRawText<CleanupGroup>(group) != CleanupGroup::systemJunk) {
        return;
    }
    selectDisplayed(
        [&](const CleanupItem& item) { return model::isRecommended(item.category, layout_); });
    showDeleteConfirmation_ = std::any_of(displayed().begin(), displayed().end(),
                                          [](const CleanupItem& item) { return item.isSelected; });
    publish();
}

void CleanupStore::review(const QString& group) {
    navigation_.section = AppSection::cleanup;
    if (!navigation_.reviewsCleanup()) {
        selectDisplayed([](const CleanupItem&) { return false; });
    }
    navigation_.focusedCleanupGroup = fromRawText<CleanupGroup>(group);
    navigation_.cleanupPresentation = model::CleanupPresentation::review;
    publish();
}

void CleanupStore::showCleanupSummary() {
    selectDisplayed([](const CleanupItem&) { return false; });
    navigation_.focusedCleanupGroup.reset();
    navigation_.cleanupPresentation = model::CleanupPresentation::summary;
    publish();
}

void CleanupStore::reviewApplications(const QString& category) {
    navigation_.section = AppSection::applications;
    if (!navigation_.reviewsApplications()) {
        selectDisplayed([](const CleanupItem&) { return false; });
    }
    navigation_.focusedApplicationCategory = fromRawText<CleanupCategory>(category);
    navigation_.applicationsPresentation = model::ApplicationsPresentation::review;
    publish();
}

void CleanupStore::showApplicationsSummary() {
    selectDisplayed([](const CleanupItem&) { return false; });
    navigation_.focusedApplicationCategory.reset();
    navigation_.applicationsPresentation = model::ApplicationsPresentation::summary;
    publish();
}

void CleanupStore::back() {
    if (navigation_.section == AppSection::cleanup) {
        showCleanupSummary();
    } else if (navigation_.section == AppSection::applications) {
        showApplicationsSummary();
    }
}

} // namespace sorvale::store

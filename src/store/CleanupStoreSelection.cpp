// The selection inside the displayed list, the presentation of the Smart Cleanup and
// Applications sections, and the values derived from the selection.

#include "CleanupStore.h"
#include "StoreValues.h"

#include <algorithm>
#include <numeric>

namespace sorvale::store {

namespace fs = std::filesystem;
using model::AppSection;
using model::CleanupCategory;
using model::CleanupGroup;
using model::CleanupItem;

namespace {

std::int64_t totalSize(const std::vector<CleanupItem>& items) {
    return std::accumulate(
        items.begin(), items.end(), std::int64_t{0},
        [](std::int64_t sum, const CleanupItem& item) { return sum + item.size; });
}

bool isInGroup(const CleanupItem& item, CleanupGroup group) {
    return model::group(item.category) == group;
}

} // namespace

void CleanupStore::mutateItemsArray(AppSection section, ItemChange kind,
                                    const std::function<bool(std::vector<CleanupItem>&)>& change) {
    if (const auto index = listIndex(section); index && change(lists_[*index])) {
        ++revisions_[*index];
        if (kind == ItemChange::contents) {
            ++contentsRevisions_[*index];
        }
    }
}

std::uint64_t CleanupStore::contentsRevision(AppSection section) const {
    const auto index = listIndex(section);
    return index ? contentsRevisions_[*index] : 0;
}

void CleanupStore::selectDisplayedItems(const std::function<bool(const CleanupItem&)>& select) {
    mutateItemsArray(selection_, ItemChange::selection, [&](std::vector<CleanupItem>& items) {
        bool changed = false;
        for (CleanupItem& item : items) {
            const bool selected = select(item);
            changed = changed || selected != item.isSelected;
            item.isSelected = selected;
        }
        return changed;
    });
}

void CleanupStore::deselectDisplayedItems() {
    selectDisplayedItems([](const CleanupItem&) { return false; });
}

std::vector<CleanupItem> CleanupStore::selectedItemsOfDisplayedList() const {
    std::vector<CleanupItem> selected;
    std::copy_if(displayed().begin(), displayed().end(), std::back_inserter(selected),
                 [](const CleanupItem& item) { return item.isSelected; });
    return selected;
}

CleanupStore::SelectionSummary CleanupStore::selectionSummary() const {
    SelectionSummary summary;
    summary.section = selection_;
    summary.contents = contentsRevision(selection_);
    const auto& items = displayed();
    for (std::size_t position = 0; position < items.size(); ++position) {
        const CleanupItem& item = items[position];
        if (!item.isSelected) {
            continue;
        }
        summary.positions.push_back(static_cast<std::uint32_t>(position));
        summary.size += item.size;
        summary.categories |= 1U << static_cast<unsigned>(item.category);
        summary.managedXcode = summary.managedXcode || item.operation.isManagedXcodeOperation();
    }
    return summary;
}

QVariantList CleanupStore::selectedItems() const {
    return toVariant(selectedItemsOfDisplayedList());
}

// The selection's values are read from the last announcement: every change announces itself
// before anything can read them, and a view reading them after a toggle must not walk a list of
// 100,000 items again for each one.
int CleanupStore::selectedCount() const {
    return static_cast<int>(published_.selectedItems.positions.size());
}

qint64 CleanupStore::selectedSize() const {
    return published_.selectedSize;
}

qint64 CleanupStore::totalJunkSize() const {
    return totalSize(itemsOf(AppSection::cleanup));
}

QVariantList CleanupStore::items(const QString& group) const {
    const auto wanted = fromRawText<CleanupGroup>(group);
    std::vector<CleanupItem> inGroup;
    if (wanted) {
        std::copy_if(lists_[0].begin(), lists_[0].end(), std::back_inserter(inGroup),
                     [&](const CleanupItem& item) { return isInGroup(item, *wanted); });
    }
    return toVariant(inGroup);
}

qint64 CleanupStore::size(const QString& group) const {
    const auto wanted = fromRawText<CleanupGroup>(group);
    std::int64_t sum = 0;
    for (const CleanupItem& item : lists_[0]) {
        if (wanted && isInGroup(item, *wanted)) {
            sum += item.size;
        }
    }
    return sum;
}

bool CleanupStore::hasPermanentSelection() const {
    return published_.hasPermanentSelection;
}

bool CleanupStore::hasOptimizationSelection() const {
    return published_.hasOptimizationSelection;
}

bool CleanupStore::hasManagedXcodeSelection() const {
    return published_.hasManagedXcodeSelection;
}

bool CleanupStore::hasMailSelection() const {
    return published_.hasMailSelection;
}

bool CleanupStore::hasApplicationSelection() const {
    return published_.hasApplicationSelection;
}

bool CleanupStore::selectionIsOnly(CleanupCategory category) const {
    return published_.selectedItems.onlyOf(category);
}

QString CleanupStore::selectionActionTitle() const {
    return published_.selectionActionTitle;
}

QString CleanupStore::actionTitle(const SelectionSummary& selected) {
    struct OnlyRule {
        CleanupCategory category;
        const char* title;
    };
    static constexpr std::array<OnlyRule, 5> kOnlyRules{{
        {CleanupCategory::universalBinaries, "Optimize Selected"},
        {CleanupCategory::mailDownloads, "Remove Attachments"},
        {CleanupCategory::installedApplications, "Uninstall Selected"},
        {CleanupCategory::appLeftovers, "Remove Leftovers"},
        {CleanupCategory::installers, "Remove Installers"},
    }};
    for (const OnlyRule& rule : kOnlyRules) {
        if (selected.onlyOf(rule.category)) {
            return rule.title;
        }
    }
    if (selected.has(CleanupCategory::universalBinaries) || selected.has(CleanupCategory::trash) ||
        selected.managedXcode) {
        return "Apply Selected";
    }
    return "Move to Trash";
}

void CleanupStore::toggle(const QString& key) {
    const std::string id = bytesOfItemKey(key);
    mutateItemsArray(selection_, ItemChange::selection, [&](std::vector<CleanupItem>& items) {
        const auto item =
            std::find_if(items.begin(), items.end(),
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
    selectDisplayedItems([&](const CleanupItem& item) {
        return ids.contains(item.id.bytes()) ? selected : item.isSelected;
    });
    publish();
}

void CleanupStore::deselectAll() {
    deselectDisplayedItems();
    publish();
}

void CleanupStore::selectAll(const QString& category) {
    const auto scopeGroup = selection_ == AppSection::cleanup ? focusedCleanupGroup_ : std::nullopt;
    auto scopeCategory = fromRawText<CleanupCategory>(category);
    if (!scopeCategory && selection_ == AppSection::applications) {
        scopeCategory = focusedApplicationCategory_;
    }
    selectDisplayedItems([&](const CleanupItem& item) {
        if (scopeGroup && !isInGroup(item, *scopeGroup)) {
            return false;
        }
        return !scopeCategory || item.category == *scopeCategory;
    });
    publish();
}

void CleanupStore::selectRecommended() {
    const auto scopeGroup = selection_ == AppSection::cleanup ? focusedCleanupGroup_ : std::nullopt;
    selectDisplayedItems([&](const CleanupItem& item) {
        return model::isRecommended(item.category) && (!scopeGroup || isInGroup(item, *scopeGroup));
    });
    publish();
}

void CleanupStore::quickClean(const QString& group) {
    if (fromRawText<CleanupGroup>(group) != CleanupGroup::systemJunk) {
        return;
    }
    selectDisplayedItems(
        [](const CleanupItem& item) { return model::isRecommended(item.category); });
    showDeleteConfirmation_ = std::any_of(displayed().begin(), displayed().end(),
                                          [](const CleanupItem& item) { return item.isSelected; });
    publish();
}

void CleanupStore::review(const QString& group) {
    selection_ = AppSection::cleanup;
    if (cleanupPresentation_ != model::CleanupPresentation::review) {
        deselectDisplayedItems();
    }
    focusedCleanupGroup_ = fromRawText<CleanupGroup>(group);
    cleanupPresentation_ = model::CleanupPresentation::review;
    publish();
}

void CleanupStore::showCleanupSummary() {
    deselectDisplayedItems();
    focusedCleanupGroup_.reset();
    cleanupPresentation_ = model::CleanupPresentation::summary;
    publish();
}

void CleanupStore::reviewApplications(const QString& category) {
    selection_ = AppSection::applications;
    if (applicationsPresentation_ != model::ApplicationsPresentation::review) {
        deselectDisplayedItems();
    }
    focusedApplicationCategory_ = fromRawText<CleanupCategory>(category);
    applicationsPresentation_ = model::ApplicationsPresentation::review;
    publish();
}

void CleanupStore::showApplicationsSummary() {
    deselectDisplayedItems();
    focusedApplicationCategory_.reset();
    applicationsPresentation_ = model::ApplicationsPresentation::summary;
    publish();
}

} // namespace sorvale::store

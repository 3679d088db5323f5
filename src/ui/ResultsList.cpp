// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ResultsList.h"

#include "ModelTables.h"
#include "NameSearch.h"
#include "QmlSingletons.h"
#include "store/ItemFacts.h"
#include "store/ModelTexts.h"
#include "store/StoreValues.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace sorvale::ui {

namespace fs = std::filesystem;
using model::AppSection;
using model::CleanupCategory;
using model::CleanupItem;
using model::SortOrder;
using store::displayText;
using store::fromRawText;
using store::rawText;

namespace {

QString text(std::string_view value) {
    return displayText(value);
}

QString dateText(const model::Date& date) {
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(date.time_since_epoch()).count();
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(milliseconds).date(),
                              QLocale::ShortFormat);
}

} // namespace

ResultsList::ResultsList(store::CleanupStore& store, QObject* parent)
    : QAbstractListModel(parent)
    , store_(&store) {
    using S = store::CleanupStore;
    for (const auto signal :
         {&S::selectionChanged, &S::displayedItemsChanged, &S::focusedCleanupGroupChanged,
          &S::focusedApplicationCategoryChanged, &S::cleanupPresentationChanged,
          &S::applicationsPresentationChanged}) {
        connect(&store, signal, this, &ResultsList::refresh);
    }
    refresh();
}

ResultsList* ResultsList::create(QQmlEngine*, QJSEngine*) {
    return new ResultsList(*StoreSingleton::instance);
}

const std::vector<CleanupItem>& ResultsList::items() const {
    static const std::vector<CleanupItem> none;
    return store_ ? store_->itemsOf(scope_.section) : none;
}

const CleanupItem* ResultsList::itemAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return nullptr;
    }
    const std::size_t index = base_[rows_[static_cast<std::size_t>(row)]].index;
    return index < items().size() ? &items()[index] : nullptr;
}

int ResultsList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QHash<int, QByteArray> ResultsList::roleNames() const {
    return {{KeyRole, "key"},
            {NameRole, "name"},
            {FolderRole, "folder"},
            {SizeRole, "size"},
            {CategoryRole, "category"},
            {SymbolRole, "symbol"},
            {TintRole, "tint"},
            {IsSelectedRole, "isSelected"},
            {DetailRole, "detail"},
            {RelatedFilesRole, "relatedFiles"},
            {RelatedCountRole, "relatedCount"},
            {IconSourceRole, "iconSource"},
            {CloseFirstRole, "closeFirst"},
            {PackageKindRole, "packageKind"}};
}

QVariant ResultsList::data(const QModelIndex& index, int role) const {
    const CleanupItem* item = index.isValid() ? itemAt(index.row()) : nullptr;
    if (item == nullptr) {
        return {};
    }
    switch (role) {
    case KeyRole:
        return store::itemKey(item->id);
    case NameRole:
        return store::nameText(*item);
    case FolderRole:
        return text(item->url.folder());
    case SizeRole:
        return QVariant::fromValue<qint64>(item->size);
    case CategoryRole:
        return rawText(item->category);
    case SymbolRole:
        return text(model::icon(item->category));
    case TintRole:
        return rawText(model::tint(item->category));
    case IsSelectedRole:
        return item->isSelected;
    case DetailRole:
        if (item->category == CleanupCategory::universalBinaries) {
            return tr("potential savings");
        }
        return item->modifiedAt ? dateText(*item->modifiedAt) : QString();
    case RelatedFilesRole: {
        QVariantList files;
        for (const model::Location& file : item->relatedFiles) {
            files.append(QVariantMap{{"name", text(file.name())}, {"folder", text(file.folder())}});
        }
        return files;
    }
    case RelatedCountRole:
        return static_cast<int>(item->relatedFiles.size());
    case IconSourceRole: {
        if (!hasIconFile(*item,
                         facts_.at(scope_.section).iconFiles[base_[rows_[index.row()]].index])) {
            return QString();
        }
        // Hexadecimal keeps every byte of the path through the image URL.
        const model::Location icon = store::applicationIconLocation(*item);
        return QStringLiteral("image://appicon/") +
               QString::fromLatin1(
                   QByteArray(icon.bytes().data(), static_cast<qsizetype>(icon.bytes().size()))
                       .toHex());
    }
    case CloseFirstRole:
        return item->owner && item->owner->runningAtScan
                   ? tr("Close %1 first").arg(text(item->owner->name))
                   : QString();
    case PackageKindRole:
        return store::packageKind(*item);
    default:
        return {};
    }
}

bool ResultsList::hasIconFile(const CleanupItem& item, IconFile& known) {
    if (known == IconFile::unknown) {
        known = store::hasApplicationIcon(item) ? IconFile::present : IconFile::absent;
    }
    return known == IconFile::present;
}

QString ResultsList::selectedCategory() const {
    return rawText(selectedCategory_);
}

QString ResultsList::sortOrder() const {
    return rawText(sortOrder_);
}

QStringList ResultsList::sortOrders() {
    QStringList values;
    for (const SortOrder order : model::allCases<SortOrder>()) {
        values.append(rawText(order));
    }
    return values;
}

QStringList ResultsList::sortOrderLabels() {
    QStringList labels;
    for (const SortOrder order : model::allCases<SortOrder>()) {
        labels.append(store::labelText(order));
    }
    return labels;
}

void ResultsList::setSearchText(const QString& text) {
    if (text == searchText_) {
        return;
    }
    searchText_ = text;
    emit searchTextChanged();
    resetRows();
}

void ResultsList::setSelectedCategory(const QString& category) {
    const auto value = fromRawText<CleanupCategory>(category);
    if (value == selectedCategory_ || (!value && !category.isEmpty())) {
        return;
    }
    selectedCategory_ = value;
    emit selectedCategoryChanged();
    resetRows();
}

void ResultsList::setSortOrder(const QString& order) {
    const auto value = fromRawText<SortOrder>(order);
    if (!value || *value == sortOrder_) {
        return;
    }
    sortOrder_ = *value;
    emit sortOrderChanged();
    resetRows();
}

QVariantList ResultsList::categories() const {
    QVariantList list;
    const QString layout = rawText(store_ ? store_->layout() : model::hostLayout());
    for (const CategoryFigures& figures : categoryFigures_) {
        const QString category = rawText(figures.category);
        QVariantMap entry = ModelTables::category(category, layout);
        entry.insert("category", category);
        entry.insert("size", QVariant::fromValue<qint64>(figures.size));
        entry.insert("selectedSize", QVariant::fromValue<qint64>(figures.selectedSize));
        entry.insert("selectedCount", figures.selectedCount);
        list.append(entry);
    }
    return list;
}

void ResultsList::setRowsSelected(bool selected) {
    if (!store_) {
        return;
    }
    store::CleanupStore::IdSet ids;
    ids.reserve(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (const CleanupItem* item = itemAt(static_cast<int>(row))) {
            ids.emplace(item->id.bytes());
        }
    }
    store_->setSelectionOfIds(ids, selected);
}

ResultsList::Scope ResultsList::currentScope() const {
    Scope scope;
    if (!store_) {
        return scope;
    }
    scope.section = store_->section();
    scope.contents = store_->contentsRevision(scope.section);
    if (scope.section == AppSection::cleanup) {
        scope.group = fromRawText<model::CleanupGroup>(store_->focusedCleanupGroup());
    }
    if (scope.section == AppSection::applications) {
        scope.category = fromRawText<CleanupCategory>(store_->focusedApplicationCategory());
    }
    return scope;
}

bool ResultsList::showsList(AppSection section) const {
    switch (section) {
    case AppSection::cleanup:
        return store_->cleanupPresentation() == "review";
    case AppSection::applications:
        return store_->applicationsPresentation() == "review";
    default:
        return true;
    }
}

void ResultsList::refresh() {
    const Scope scope = currentScope();
    const bool showsList = store_ && this->showsList(scope.section);
    // As a newly opened list would: no search in another section or once the list gave way to
    // its summary, and every category in another focus.
    const bool leftList = scope.section == scope_.section && showedList_ && !showsList;
    const bool newSection = scope.section != scope_.section;
    const bool newFocus = scope.group != scope_.group || scope.category != scope_.category;
    showedList_ = showsList;
    bool filtersCleared = false;
    if (newSection || leftList) {
        filtersCleared |= clearSearch();
    }
    if (newSection || newFocus || leftList) {
        filtersCleared |= clearCategory();
    }
    if (scope != scope_) {
        rebuildBase(scope);
    } else if (filtersCleared) {
        resetRows();
    } else {
        updateSelection();
    }
}

bool ResultsList::clearSearch() {
    if (searchText_.isEmpty()) {
        return false;
    }
    searchText_.clear();
    emit searchTextChanged();
    return true;
}

bool ResultsList::clearCategory() {
    if (!selectedCategory_) {
        return false;
    }
    selectedCategory_.reset();
    emit selectedCategoryChanged();
    return true;
}

void ResultsList::rebuildBase(const Scope& scope) {
    beginResetModel();
    scope_ = scope;
    base_.clear();
    orders_ = {};
    const auto& list = items();
    base_.reserve(list.size());
    for (std::size_t index = 0; index < list.size(); ++index) {
        const CleanupItem& item = list[index];
        if ((scope.group && model::group(item.category) != scope.group) ||
            (scope.category && item.category != *scope.category)) {
            continue;
        }
        base_.push_back(
            {item.size, static_cast<std::uint32_t>(index), item.category, item.isSelected});
    }
    // New contents have their facts worked out now, while the list is made, rather than on a
    // later click on "Name".
    updateContentsFacts();
    rows_ = filteredRows();
    endResetModel();
    rowsShown();
}

void ResultsList::updateContentsFacts() {
    ContentsFacts& facts = facts_[scope_.section];
    const auto& list = items();
    facts.names.update(scope_.contents, list);
    if (facts.contents != scope_.contents || facts.iconFiles.size() != list.size()) {
        facts.contents = scope_.contents;
        facts.iconFiles.assign(list.size(), IconFile::unknown);
    }
}

void ResultsList::updateSelection() {
    const auto& list = items();
    std::optional<int> first;
    int last = -1;
    for (std::size_t position = 0; position < base_.size(); ++position) {
        BaseItem& item = base_[position];
        if (item.index >= list.size() || list[item.index].isSelected == item.isSelected) {
            continue;
        }
        item.isSelected = list[item.index].isSelected;
        if (const int row = rowOfBase_[position]; row >= 0) {
            first = std::min(first.value_or(row), row);
            last = std::max(last, row);
        }
    }
    if (first) {
        emit dataChanged(index(*first), index(last), {IsSelectedRole});
    }
    updateFigures();
}

const std::vector<std::uint32_t>& ResultsList::ordered(SortOrder order) {
    auto& cached = orders_[static_cast<std::size_t>(order)];
    if (cached) {
        return *cached;
    }
    std::vector<std::uint32_t> positions(base_.size());
    std::iota(positions.begin(), positions.end(), 0U);
    const auto& list = items();
    switch (order) {
    case SortOrder::size:
        std::stable_sort(positions.begin(), positions.end(), [&](std::uint32_t a, std::uint32_t b) {
            return base_[a].size > base_[b].size;
        });
        break;
    case SortOrder::name: {
        std::vector<std::uint32_t> indices(base_.size());
        std::transform(base_.begin(), base_.end(), indices.begin(),
                       [](const BaseItem& item) { return item.index; });
        facts_.at(scope_.section).names.sort(positions, indices, list);
        break;
    }
    case SortOrder::modified:
        // Undated items count as the distant past.
        std::stable_sort(positions.begin(), positions.end(), [&](std::uint32_t a, std::uint32_t b) {
            const auto& left = list[base_[a].index].modifiedAt;
            const auto& right = list[base_[b].index].modifiedAt;
            return left && (!right || *left > *right);
        });
        break;
    }
    cached = std::move(positions);
    return *cached;
}

std::vector<std::uint32_t> ResultsList::filteredRows() {
    std::vector<std::uint32_t> rows;
    const NameSearch search(searchText_);
    const auto& list = items();
    for (const std::uint32_t position : ordered(sortOrder_)) {
        const BaseItem& item = base_[position];
        if ((!selectedCategory_ || item.category == *selectedCategory_) &&
            search.matches(list[item.index])) {
            rows.push_back(position);
        }
    }
    return rows;
}

void ResultsList::resetRows() {
    beginResetModel();
    rows_ = filteredRows();
    endResetModel();
    rowsShown();
}

void ResultsList::rowsShown() {
    rowOfBase_.assign(base_.size(), -1);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        rowOfBase_[rows_[row]] = static_cast<std::int32_t>(row);
    }
    updateFigures();
}

void ResultsList::updateFigures() {
    const std::int64_t size =
        std::accumulate(base_.begin(), base_.end(), std::int64_t{0},
                        [](std::int64_t sum, const BaseItem& item) { return sum + item.size; });
    if (size != baseSize_ || base_.size() != baseCount_) {
        baseSize_ = size;
        baseCount_ = base_.size();
        emit baseFiguresChanged();
    }

    std::vector<CategoryFigures> categories;
    for (const BaseItem& item : base_) {
        auto found = std::find_if(categories.begin(), categories.end(), [&](const auto& entry) {
            return entry.category == item.category;
        });
        if (found == categories.end()) {
            found = categories.insert(categories.end(), {item.category});
        }
        found->size += item.size;
        found->selectedSize += item.isSelected ? item.size : 0;
        found->selectedCount += item.isSelected ? 1 : 0;
    }
    // By title as shown, in the language shown.
    std::sort(categories.begin(), categories.end(), [](const auto& a, const auto& b) {
        return store::titleText(a.category).localeAwareCompare(store::titleText(b.category)) < 0;
    });
    if (categories != categoryFigures_) {
        categoryFigures_ = std::move(categories);
        emit categoriesChanged();
    }

    RowFigures rowFigures{.size = 0, .allSelected = !rows_.empty(), .count = count()};
    for (const std::uint32_t row : rows_) {
        rowFigures.size += base_[row].size;
        rowFigures.allSelected = rowFigures.allSelected && base_[row].isSelected;
    }
    if (rowFigures != rowFigures_) {
        rowFigures_ = rowFigures;
        emit rowFiguresChanged();
    }
}

} // namespace sorvale::ui

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "NameOrder.h"
#include "model/CleanupCategory.h"
#include "model/SortOrder.h"
#include "store/CleanupStore.h"

#include <QAbstractListModel>
#include <QJSEngine>
#include <QPointer>
#include <QQmlEngine>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvale::ui {

// The results list of the section on screen. Its base items are the store's displayed items,
// narrowed to the focused Smart Cleanup group or Applications category; its rows are the base
// items that pass the category filter and the name search, in the chosen order. The figures the
// list's controls show are properties that follow the store.
//
// The search text is cleared whenever the section changes or its list gives way to its summary,
// and the category filter also when the focus changes; the order is kept. Items are read from the
// store, never copied: a row holds only what filtering and sorting need, so that a list of
// 100,000 items stays small and quick.
class ResultsList : public QAbstractListModel {
    Q_OBJECT
    QML_NAMED_ELEMENT(Results)
    QML_SINGLETON
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    // The raw value of the category shown alone; "" for all categories.
    Q_PROPERTY(QString selectedCategory READ selectedCategory WRITE setSelectedCategory NOTIFY
                   selectedCategoryChanged)
    // One of sortOrders.
    Q_PROPERTY(QString sortOrder READ sortOrder WRITE setSortOrder NOTIFY sortOrderChanged)
    Q_PROPERTY(QStringList sortOrders READ sortOrders CONSTANT)
    // What the sort picker shows for each of sortOrders.
    Q_PROPERTY(QStringList sortOrderLabels READ sortOrderLabels CONSTANT)
    // The categories of the base items, by translated title: [{category, title, subtitle, symbol,
    // tint, size, selectedSize, selectedCount}], sizes over the base items.
    Q_PROPERTY(QVariantList categories READ categories NOTIFY categoriesChanged)
    Q_PROPERTY(int baseCount READ baseCount NOTIFY baseFiguresChanged)
    Q_PROPERTY(qint64 baseSize READ baseSize NOTIFY baseFiguresChanged)
    Q_PROPERTY(int count READ count NOTIFY rowFiguresChanged)
    Q_PROPERTY(qint64 rowsSize READ rowsSize NOTIFY rowFiguresChanged)
    // There are rows and every one is selected.
    Q_PROPERTY(bool allRowsSelected READ allRowsSelected NOTIFY rowFiguresChanged)

public:
    enum Role {
        KeyRole = Qt::UserRole + 1, // the store's key of the item
        NameRole,
        FolderRole, // the parent folder's path, as text
        SizeRole,
        CategoryRole,
        SymbolRole,
        TintRole,
        IsSelectedRole,
        DetailRole,       // "potential savings", the modification date, or ""
        RelatedFilesRole, // [{name, folder}]
        RelatedCountRole,
        IconSourceRole, // the application's own icon, or "" for the category symbol
        // "Close Firefox first" when the application the item belongs to ran at the scan (its
        // removal would skip the item while it runs); else "".
        CloseFirstRole,
        // "Flatpak", "Snap", "AppImage" or "Debian package" for an application installed so;
        // else "".
        PackageKindRole,
    };
    Q_ENUM(Role)

    explicit ResultsList(store::CleanupStore& store, QObject* parent = nullptr);
    // One list per QML engine, over the application's store.
    static ResultsList* create(QQmlEngine* engine, QJSEngine*);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] QString searchText() const { return searchText_; }
    void setSearchText(const QString& text);
    [[nodiscard]] QString selectedCategory() const;
    void setSelectedCategory(const QString& category);
    [[nodiscard]] QString sortOrder() const;
    void setSortOrder(const QString& order);
    [[nodiscard]] static QStringList sortOrders();
    [[nodiscard]] static QStringList sortOrderLabels();
    [[nodiscard]] QVariantList categories() const;
    [[nodiscard]] int baseCount() const { return static_cast<int>(baseCount_); }
    [[nodiscard]] qint64 baseSize() const { return baseSize_; }
    [[nodiscard]] int count() const { return static_cast<int>(rows_.size()); }
    [[nodiscard]] qint64 rowsSize() const { return rowFigures_.size; }
    [[nodiscard]] bool allRowsSelected() const { return rowFigures_.allSelected; }

    // Selects or deselects exactly the items of the rows.
    Q_INVOKABLE void setRowsSelected(bool selected);

signals:
    void searchTextChanged();
    void selectedCategoryChanged();
    void sortOrderChanged();
    void categoriesChanged();
    void baseFiguresChanged();
    void rowFiguresChanged();

private:
    // What the base items are drawn from; a change of any part rebuilds them.
    struct Scope {
        model::AppSection section = model::AppSection::overview;
        std::uint64_t contents = 0;
        std::optional<model::CleanupGroup> group;
        std::optional<model::CleanupCategory> category;
        bool operator==(const Scope&) const = default;
    };
    struct BaseItem {
        std::int64_t size;
        std::uint32_t index; // in the store's list
        model::CleanupCategory category;
        bool isSelected;
    };
    enum class IconFile : std::uint8_t { unknown, present, absent };
    // What is worked out once for each contents of a section's list rather than on every
    // rebuild: the names' order, and which applications have an icon file, learnt when a row
    // first shows.
    struct ContentsFacts {
        std::uint64_t contents = 0;
        NameOrder names;
        mutable std::vector<IconFile> iconFiles;
    };
    struct CategoryFigures {
        model::CleanupCategory category;
        std::int64_t size = 0;
        std::int64_t selectedSize = 0;
        int selectedCount = 0;
        bool operator==(const CategoryFigures&) const = default;
    };
    struct RowFigures {
        std::int64_t size = 0;
        bool allSelected = false;
        int count = 0;
        bool operator==(const RowFigures&) const = default;
    };

    [[nodiscard]] Scope currentScope() const;
    // Whether the section shows its list (Smart Cleanup and Applications also have a summary).
    [[nodiscard]] bool showsList(model::AppSection section) const;
    [[nodiscard]] const std::vector<model::CleanupItem>& items() const;
    // Looked up the first time the row shows: an Info.plist read per application is too slow to
    // make for every row of a new list.
    [[nodiscard]] static bool hasIconFile(const model::CleanupItem& item, IconFile& known);
    [[nodiscard]] const model::CleanupItem* itemAt(int row) const;

    // Follows the store: new base items when the scope changed, new rows when the filters were
    // cleared, else a new selection.
    void refresh();
    bool clearSearch();
    bool clearCategory();
    void rebuildBase(const Scope& scope);
    // Works out the facts of the section's list unless its contents have them already.
    void updateContentsFacts();
    void updateSelection();
    // The rows for the current filters and order.
    [[nodiscard]] std::vector<std::uint32_t> filteredRows();
    [[nodiscard]] const std::vector<std::uint32_t>& ordered(model::SortOrder order);
    void resetRows();
    // Maps the base items to their rows and updates the figures.
    void rowsShown();
    void updateFigures();

    QPointer<store::CleanupStore> store_;
    Scope scope_;
    bool showedList_ = false;
    QString searchText_;
    std::optional<model::CleanupCategory> selectedCategory_;
    model::SortOrder sortOrder_ = model::SortOrder::size;

    std::vector<BaseItem> base_;
    // The base items in each order, made when the order is first asked for.
    std::array<std::optional<std::vector<std::uint32_t>>,
               model::EnumTraits<model::SortOrder>::count>
        orders_;
    std::map<model::AppSection, ContentsFacts> facts_;
    std::vector<std::uint32_t> rows_;     // positions in base_
    std::vector<std::int32_t> rowOfBase_; // -1 when filtered out

    std::size_t baseCount_ = 0;
    std::int64_t baseSize_ = 0;
    std::vector<CategoryFigures> categoryFigures_;
    RowFigures rowFigures_;
};

} // namespace sorvale::ui

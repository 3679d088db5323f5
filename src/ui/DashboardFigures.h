// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "store/CleanupStore.h"

#include <QJSEngine>
#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <cstdint>

namespace sorvale::ui {

// The counts and sizes the dashboards show, summed over the store's Smart Cleanup and
// Applications lists whenever their items (not merely their selection) change.
class DashboardFigures : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Figures)
    QML_SINGLETON
    Q_PROPERTY(int junkCount READ junkCount NOTIFY junkChanged)
    // Every Smart Cleanup group in order: [{group, title, subtitle, symbol, count, size}].
    Q_PROPERTY(QVariantList groups READ groups NOTIFY junkChanged)
    // The three application categories in order: [{category, count, size}].
    Q_PROPERTY(
        QVariantList applicationCategories READ applicationCategories NOTIFY applicationsChanged)
    Q_PROPERTY(qint64 applicationsSize READ applicationsSize NOTIFY applicationsChanged)

public:
    explicit DashboardFigures(store::CleanupStore& store, QObject* parent = nullptr);
    // One per QML engine, over the application's store.
    static DashboardFigures* create(QQmlEngine* engine, QJSEngine*);

    [[nodiscard]] int junkCount() const { return junkCount_; }
    [[nodiscard]] QVariantList groups() const { return groups_; }
    [[nodiscard]] QVariantList applicationCategories() const { return applicationCategories_; }
    [[nodiscard]] qint64 applicationsSize() const { return applicationsSize_; }

signals:
    void junkChanged();
    void applicationsChanged();

private:
    // Sums a list again when its contents, not merely its selection, changed since the last sum.
    void followList(model::AppSection section, std::uint64_t& revision,
                    void (DashboardFigures::*sum)(), void (DashboardFigures::*changed)());
    void sumJunk();
    void sumApplications();

    QPointer<store::CleanupStore> store_;
    std::uint64_t junkRevision_ = 0;
    std::uint64_t applicationsRevision_ = 0;
    int junkCount_ = 0;
    QVariantList groups_;
    QVariantList applicationCategories_;
    qint64 applicationsSize_ = 0;
};

} // namespace sorvale::ui

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "DashboardFigures.h"

#include "QmlSingletons.h"
#include "store/StoreValues.h"

#include <array>

namespace sorvale::ui {

using model::AppSection;
using model::CleanupCategory;
using model::CleanupItem;
using store::displayText;
using store::rawText;

namespace {

struct Figures {
    int count = 0;
    std::int64_t size = 0;

    void add(const CleanupItem& item) {
        ++count;
        size += item.size;
    }
    [[nodiscard]] QVariantMap toVariant() const {
        return {{"count", count}, {"size", QVariant::fromValue<qint64>(size)}};
    }
};

constexpr std::array kApplicationCategories{CleanupCategory::installedApplications,
                                            CleanupCategory::appLeftovers,
                                            CleanupCategory::installers};

} // namespace

DashboardFigures::DashboardFigures(store::CleanupStore& store, QObject* parent)
    : QObject(parent)
    , store_(&store) {
    connect(&store, &store::CleanupStore::junkItemsChanged, this, [this] {
        followList(AppSection::cleanup, junkRevision_, &DashboardFigures::sumJunk,
                   &DashboardFigures::junkChanged);
    });
    connect(&store, &store::CleanupStore::applicationItemsChanged, this, [this] {
        followList(AppSection::applications, applicationsRevision_,
                   &DashboardFigures::sumApplications, &DashboardFigures::applicationsChanged);
    });
    junkRevision_ = store.contentsRevision(AppSection::cleanup);
    applicationsRevision_ = store.contentsRevision(AppSection::applications);
    sumJunk();
    sumApplications();
}

DashboardFigures* DashboardFigures::create(QQmlEngine*, QJSEngine*) {
    return new DashboardFigures(*StoreSingleton::instance);
}

void DashboardFigures::followList(AppSection section, std::uint64_t& revision,
                                  void (DashboardFigures::*sum)(),
                                  void (DashboardFigures::*changed)()) {
    if (const auto now = store_->contentsRevision(section); now != revision) {
        revision = now;
        (this->*sum)();
        emit(this->*changed)();
    }
}

void DashboardFigures::sumJunk() {
    const auto& items = store_->itemsOf(AppSection::cleanup);
    std::array<Figures, model::EnumTraits<model::CleanupGroup>::count> figures{};
    for (const CleanupItem& item : items) {
        if (const auto group = model::group(item.category)) {
            figures[static_cast<std::size_t>(*group)].add(item);
        }
    }
    junkCount_ = static_cast<int>(items.size());
    groups_.clear();
    for (const auto group : model::allCases<model::CleanupGroup>()) {
        if (!model::occursIn(group, store_->layout())) {
            continue;
        }
        QVariantMap entry = figures[static_cast<std::size_t>(group)].toVariant();
        entry.insert({{"group", rawText(group)},
                      {"title", displayText(model::title(group))},
                      {"subtitle", displayText(model::subtitle(group))},
                      {"symbol", displayText(model::symbol(group))}});
        groups_.append(entry);
    }
}

void DashboardFigures::sumApplications() {
    std::array<Figures, kApplicationCategories.size()> figures{};
    Figures all;
    for (const CleanupItem& item : store_->itemsOf(AppSection::applications)) {
        all.add(item);
        for (std::size_t index = 0; index < kApplicationCategories.size(); ++index) {
            if (item.category == kApplicationCategories[index]) {
                figures[index].add(item);
            }
        }
    }
    applicationsSize_ = all.size;
    applicationCategories_.clear();
    for (std::size_t index = 0; index < kApplicationCategories.size(); ++index) {
        QVariantMap entry = figures[index].toVariant();
        entry.insert("category", rawText(kApplicationCategories[index]));
        applicationCategories_.append(entry);
    }
}

} // namespace sorvale::ui

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ItemFacts.h"

#include "platform/BundleInfo.h"
#include "platform/EntryValues.h"
#include "platform/FileContents.h"

#include <QCoreApplication>

namespace sorvale::store {

NameSortKeys nameSortKeys(std::size_t count,
                          const std::function<std::string_view(std::size_t)>& nameAt) {
    return engine::FinderOrder::sortKeys(count, nameAt);
}

namespace {

// Named as its translation context.
struct ItemFactsTexts {
    Q_DECLARE_TR_FUNCTIONS(ItemFactsTexts)
};

// Far above any real icon.
constexpr std::size_t kMostIconBytes = 64 << 20;

} // namespace

bool hasApplicationIcon(const model::CleanupItem& item) {
    if (item.category != model::CleanupCategory::installedApplications) {
        return false;
    }
    if (!item.icon.empty()) {
        const auto values = platform::readEntryValues(item.icon.path());
        return values && values->type == platform::EntryType::regular;
    }
    return platform::bundleIconFile(item.url.path()).has_value();
}

model::Location applicationIconLocation(const model::CleanupItem& item) {
    return item.icon.empty() ? item.url : item.icon;
}

std::optional<std::string> applicationIcon(const std::filesystem::path& bundleOrIcon) {
    if (platform::bundleIconFile(bundleOrIcon)) {
        return platform::readBundleIcon(bundleOrIcon);
    }
    return platform::readRegularFile(bundleOrIcon, kMostIconBytes);
}

QString packageKind(const model::CleanupItem& item) {
    switch (item.operation.kind()) {
    case model::CleanupOperation::Kind::uninstallFlatpak:
        return QStringLiteral("Flatpak");
    case model::CleanupOperation::Kind::uninstallSnap:
        return QStringLiteral("Snap");
    case model::CleanupOperation::Kind::uninstallAppImage:
        return QStringLiteral("AppImage");
    case model::CleanupOperation::Kind::uninstallDebianPackage:
        return ItemFactsTexts::tr("Debian package");
    default:
        return {};
    }
}

} // namespace sorvale::store

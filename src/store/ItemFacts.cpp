// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ItemFacts.h"

#include "platform/BundleInfo.h"

namespace sorvale::store {

NameSortKeys nameSortKeys(std::size_t count,
                          const std::function<std::string_view(std::size_t)>& nameAt) {
    return engine::FinderOrder::sortKeys(count, nameAt);
}

bool hasApplicationIcon(const model::CleanupItem& item) {
    return item.category == model::CleanupCategory::installedApplications &&
           platform::bundleIconFile(item.url.path()).has_value();
}

std::optional<std::string> applicationIcon(const std::filesystem::path& bundle) {
    return platform::readBundleIcon(bundle);
}

} // namespace sorvale::store

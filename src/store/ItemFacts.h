// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/FinderOrder.h"
#include "model/CleanupItem.h"

#include <QString>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace sorvale::store {

// What the interface learns of items beyond their fields, worked out by the layers below the
// store: the keys that put names in the file manager's order, and an application's own icon.

using NameSortKeys = engine::FinderOrder::SortKeys;
[[nodiscard]] NameSortKeys nameSortKeys(std::size_t count,
                                        const std::function<std::string_view(std::size_t)>& nameAt);

// Whether an installed application has an icon of its own, where it is (the bundle, or the icon
// file its desktop entry names), and the bytes of that icon file.
[[nodiscard]] bool hasApplicationIcon(const model::CleanupItem& item);
[[nodiscard]] model::Location applicationIconLocation(const model::CleanupItem& item);
[[nodiscard]] std::optional<std::string> applicationIcon(const std::filesystem::path& bundleOrIcon);

// How an installed application was installed, as its row's badge says: "Flatpak", "Snap",
// "AppImage", "Debian package", translated; empty for an application bundle and any other item.
[[nodiscard]] QString packageKind(const model::CleanupItem& item);

} // namespace sorvale::store

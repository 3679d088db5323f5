// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "RawValue.h"

#include <cstdint>

namespace sorvale::model {

// The groups of the Smart Cleanup summary. Which categories belong to a group is recorded on
// the category (see `group` and `categories` in CleanupCategory.h).
enum class CleanupGroup : std::uint8_t {
    systemJunk,
    xcode,
    universalBinaries,
    mail,
    backups,
    trash,
    system,
};

template <>
struct EnumTraits<CleanupGroup> {
    static constexpr std::size_t count = 7;
    static std::string_view rawValue(CleanupGroup group);
};

[[nodiscard]] std::string_view title(CleanupGroup group);
[[nodiscard]] std::string_view subtitle(CleanupGroup group);
[[nodiscard]] std::string_view symbol(CleanupGroup group);

} // namespace sorvale::model

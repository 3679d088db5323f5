// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "SortOrder.h"

#include "Translatable.h"

#include <array>

namespace sorvale::model {

std::string_view EnumTraits<SortOrder>::rawValue(SortOrder order) {
    static constexpr std::array<std::string_view, EnumTraits<SortOrder>::count> kLabels{
        SORVALE_TRANSLATABLE("SortOrder", "Size"), SORVALE_TRANSLATABLE("SortOrder", "Name"),
        SORVALE_TRANSLATABLE("SortOrder", "Modified")};
    return kLabels[static_cast<std::size_t>(order)];
}

} // namespace sorvale::model

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "SortOrder.h"

#include <array>

namespace sorvale::model {

std::string_view EnumTraits<SortOrder>::rawValue(SortOrder order) {
    static constexpr std::array<std::string_view, EnumTraits<SortOrder>::count> kLabels{
        "Size", "Name", "Modified"};
    return kLabels[static_cast<std::size_t>(order)];
}

} // namespace sorvale::model

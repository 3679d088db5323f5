// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Tint.h"

#include <array>

namespace sorvale::model {

std::string_view EnumTraits<Tint>::rawValue(Tint tint) {
    static constexpr std::array<std::string_view, count> names{
        "mint", "green", "blue", "cyan", "orange", "teal", "indigo", "gray", "purple", "pink"};
    return names[static_cast<std::size_t>(tint)];
}

} // namespace sorvale::model

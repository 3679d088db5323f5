// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace sorvale::model {

// Each enumeration of the model specialises this with `count` (its cases are 0..count-1 in
// declaration order) and `rawValue`, the case name that other tools and settings store.
template <class E>
struct EnumTraits;

template <class E>
[[nodiscard]] constexpr auto allCases() {
    return []<std::size_t... I>(std::index_sequence<I...>) {
        return std::array<E, sizeof...(I)>{static_cast<E>(I)...};
    }
    (std::make_index_sequence<EnumTraits<E>::count>{});
}

template <class E>
[[nodiscard]] std::string_view rawValue(E value) {
    return EnumTraits<E>::rawValue(value);
}

// Case-sensitive: "Trash" is not the raw value of `trash`.
template <class E>
[[nodiscard]] std::optional<E> fromRawValue(std::string_view text) {
    for (E value : allCases<E>()) {
        if (EnumTraits<E>::rawValue(value) == text) {
            return value;
        }
    }
    return std::nullopt;
}

} // namespace sorvale::model

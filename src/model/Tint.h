// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "RawValue.h"

#include <cstdint>

namespace sorvale::model {

// The platform's standard named colours that categories are tinted with.
enum class Tint : std::uint8_t {
    mint,
    green,
    blue,
    cyan,
    orange,
    teal,
    indigo,
    gray,
    purple,
    pink
};

template <>
struct EnumTraits<Tint> {
    static constexpr std::size_t count = 10;
    static std::string_view rawValue(Tint tint);
};

} // namespace sorvale::model

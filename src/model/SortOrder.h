// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "RawValue.h"

#include <cstdint>

namespace sorvale::model {

// How the results list is ordered. The raw values are also the labels of the sort picker.
enum class SortOrder : std::uint8_t {
    size,     // larger first
    name,     // Finder order of the names
    modified, // newer first, undated last
};

template <>
struct EnumTraits<SortOrder> {
    static constexpr std::size_t count = 3;
    static std::string_view rawValue(SortOrder order);
};

} // namespace sorvale::model

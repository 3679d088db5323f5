// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sorvale::model {

// A byte count as the platform's file-style byte-count formatter writes it: decimal units,
// "Zero KB", "1 byte", whole kilobytes, megabytes to one decimal place and larger units to two,
// rounded half to even on the exact integer. Every figure the user sees goes through here.
[[nodiscard]] std::string formatByteCount(std::int64_t bytes);

// The same figure in parts, for a writer in another language: its number, with the digits after
// the decimal separator apart (trailing zeros dropped), and its unit.
struct ByteCountParts {
    enum class Kind : std::uint8_t {
        zero,  // "Zero KB"
        bytes, // `whole` bytes
        units, // `whole`.`fraction` `unit`
    };
    Kind kind = Kind::zero;
    bool negative = false;
    std::uint64_t whole = 0;
    std::string fraction;
    std::string_view unit; // "KB" to "EB"; empty unless `units`
};

[[nodiscard]] ByteCountParts byteCountParts(std::int64_t bytes);

} // namespace sorvale::model

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ByteCountFormat.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sorvale::model {
namespace {

// Exabytes hold every signed 64-bit count, and keep every power of ten below in 64 bits.
constexpr std::array<std::string_view, 6> kUnits{"KB", "MB", "GB", "TB", "PB", "EB"};

constexpr unsigned fractionDigits(std::size_t unit) {
    return unit == 0 ? 0 : unit == 1 ? 1 : 2;
}

constexpr std::uint64_t power10(unsigned exponent) {
    std::uint64_t result = 1;
    while (exponent-- > 0) {
        result *= 10;
    }
    return result;
}

// `magnitude` / 1000^(unit+1), scaled by 10^digits and rounded half to even.
std::uint64_t scaledRounded(std::uint64_t magnitude, std::size_t unit) {
    const std::uint64_t divisor =
        power10(3 * static_cast<unsigned>(unit + 1) - fractionDigits(unit));
    std::uint64_t quotient = magnitude / divisor;
    const std::uint64_t twiceRemainder = 2 * (magnitude % divisor);
    if (twiceRemainder > divisor || (twiceRemainder == divisor && quotient % 2 == 1)) {
        ++quotient;
    }
    return quotient;
}

} // namespace

std::string formatByteCount(std::int64_t bytes) {
    if (bytes == 0) {
        return "Zero KB";
    }
    const std::string sign = bytes < 0 ? "-" : "";
    // Computed without negating INT64_MIN.
    const std::uint64_t magnitude = bytes < 0 ? static_cast<std::uint64_t>(-(bytes + 1)) + 1
                                              : static_cast<std::uint64_t>(bytes);
    if (magnitude < 1000) {
        return sign + std::to_string(magnitude) + (magnitude == 1 ? " byte" : " bytes");
    }

    std::size_t unit = 0;
    while (unit + 1 < kUnits.size() && magnitude >= power10(3 * static_cast<unsigned>(unit + 2))) {
        ++unit;
    }
    std::uint64_t scaled = scaledRounded(magnitude, unit);
    // 999,950 bytes round to 1,000.0 KB; they are written as the next unit instead.
    if (unit + 1 < kUnits.size() && scaled >= 1000 * power10(fractionDigits(unit))) {
        ++unit;
        scaled = scaledRounded(magnitude, unit);
    }

    const unsigned digits = fractionDigits(unit);
    const std::uint64_t scale = power10(digits);
    std::string text = std::to_string(scaled / scale);
    std::string fraction = std::to_string(scaled % scale);
    fraction.insert(0, digits - std::min<std::size_t>(digits, fraction.size()), '0');
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (digits > 0 && !fraction.empty()) {
        text += "." + fraction;
    }
    return sign + text + " " + std::string(kUnits[unit]);
}

} // namespace sorvale::model

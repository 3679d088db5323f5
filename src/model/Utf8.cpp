// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Utf8.h"

namespace sorvale::model {

Utf8Sequence nextUtf8Sequence(std::string_view bytes, std::size_t offset) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(offset);
    if (lead < 0x80) {
        return {1, true};
    }
    std::size_t length = 0;
    unsigned char secondLow = 0x80;
    unsigned char secondHigh = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        secondHigh = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return {1, false};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const std::size_t at = offset + i;
        const unsigned char low = i == 1 ? secondLow : 0x80;
        const unsigned char high = i == 1 ? secondHigh : 0xBF;
        if (at >= bytes.size() || byte(at) < low || byte(at) > high) {
            return {i, false};
        }
    }
    return {length, true};
}

std::string toValidUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t offset = 0; offset < bytes.size();) {
        const Utf8Sequence sequence = nextUtf8Sequence(bytes, offset);
        if (sequence.valid) {
            text.append(bytes.substr(offset, sequence.length));
        } else {
            text.append("\xEF\xBF\xBD");
        }
        offset += sequence.length;
    }
    return text;
}

} // namespace sorvale::model

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "UnicodeText.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>

namespace sorvale::engine {

std::string lowercased(std::string_view text) {
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        std::string lower(text);
        for (char& c : lower) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return lower;
    }
    std::string lower;
    icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())))
        .toLower(icu::Locale::getRoot())
        .toUTF8String(lower);
    return lower;
}

bool hasOnlyLettersNumbersAnd(std::string_view text, std::string_view punctuation) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t offset = 0; offset < length;) {
        UChar32 character = 0;
        U8_NEXT(bytes, offset, length, character);
        if (character < 0) {
            return false;
        }
        const auto mask = U_GET_GC_MASK(character);
        const bool letterOrNumber = (mask & (U_GC_L_MASK | U_GC_N_MASK)) != 0;
        const bool allowed = character < 0x80 && punctuation.find(static_cast<char>(character)) !=
                                                     std::string_view::npos;
        if (!letterOrNumber && !allowed) {
            return false;
        }
    }
    return true;
}

} // namespace sorvale::engine

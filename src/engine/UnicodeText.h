// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace sorvale::engine {

// `text` in lower case by the Unicode rules; bytes that are not UTF-8 become U+FFFD.
[[nodiscard]] std::string lowercased(std::string_view text);

// Whether every character of `text` is a Unicode letter or number, or one of `punctuation`.
// Text that is not UTF-8 never is.
[[nodiscard]] bool hasOnlyLettersNumbersAnd(std::string_view text, std::string_view punctuation);

} // namespace sorvale::engine

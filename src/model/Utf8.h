// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sorvale::model {

// File names and tool output are bytes; these helpers turn them into text only for display.

struct Utf8Sequence {
    // Bytes taken: a whole well-formed character, or the longest ill-formed run that a decoder
    // replaces with one U+FFFD (at least 1).
    std::size_t length;
    bool valid;
};

// The sequence that starts at `offset`, which must be inside `bytes`.
[[nodiscard]] Utf8Sequence nextUtf8Sequence(std::string_view bytes, std::size_t offset);

// `bytes` with each ill-formed sequence replaced by U+FFFD.
[[nodiscard]] std::string toValidUtf8(std::string_view bytes);

} // namespace sorvale::model

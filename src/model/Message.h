// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvale::model {

// A sentence for the user, kept in parts so that the window can say it in another language: its
// English pattern with %1, %2, … (marked SORVALE_TRANSLATABLE in the context kMessageContext)
// and the texts that fill them. What has no window, such as the CLI, takes its English.
struct Message {
    Message() = default;
    Message(std::string_view englishPattern, std::vector<std::string> texts = {},
            std::vector<Message> quoted = {})
        : pattern(englishPattern)
        , arguments(std::move(texts))
        , sentences(std::move(quoted)) {}

    std::string_view pattern;
    std::vector<std::string> arguments;
    // Whole sentences that fill the places after the arguments' (%N for N beyond them), said in
    // the same language as the pattern: the reason a removal quotes.
    std::vector<Message> sentences;

    // The pattern with each %N replaced by argument N, in one pass: an argument that holds "%2"
    // stays as it is.
    [[nodiscard]] std::string english() const;

    bool operator==(const Message&) const = default;
};

inline constexpr const char* kMessageContext = "Messages";

} // namespace sorvale::model

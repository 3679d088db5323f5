// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvale::model {

// The translation contexts of the model's sentences and of the names scans give items.
inline constexpr std::string_view kMessageContext = "Messages";
inline constexpr std::string_view kItemNameContext = "ItemNames";

// A sentence for the user, kept in parts so that the window can say it in another language: its
// English pattern with %1, %2, … (marked SORVALE_TRANSLATABLE in its context, kMessageContext
// unless said otherwise) and the texts that fill them. What has no window, such as the CLI, takes
// its English.
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
    std::string_view context = kMessageContext;

    // The pattern with each %N replaced by argument N, in one pass: an argument that holds "%2"
    // stays as it is.
    [[nodiscard]] std::string english() const;

    bool operator==(const Message&) const = default;
};

// The name a scan gives an item in words of its own, such as "%1 cache" (marked
// SORVALE_TRANSLATABLE in kItemNameContext); `texts` are file or application names.
[[nodiscard]] inline Message itemName(std::string_view englishPattern,
                                      std::vector<std::string> texts = {}) {
    Message name(englishPattern, std::move(texts));
    name.context = kItemNameContext;
    return name;
}

} // namespace sorvale::model

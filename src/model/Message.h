// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvale::model {

// A sentence for the user, kept in parts so that the window can say it in another language: its
// English pattern with %1, %2, … (marked SORVALE_TRANSLATABLE in the context kMessageContext)
// and the texts that fill them. What has no window, such as the CLI, takes its English.
struct Message {
    std::string_view pattern;
    std::vector<std::string> arguments;

    // The pattern with each %N replaced by argument N, in one pass: an argument that holds "%2"
    // stays as it is.
    [[nodiscard]] std::string english() const;

    bool operator==(const Message&) const = default;
};

inline constexpr const char* kMessageContext = "Messages";

} // namespace sorvale::model

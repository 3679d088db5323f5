// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Message.h"

namespace sorvale::model {

std::string Message::english() const {
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        if (c == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' &&
            pattern[at + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[at + 1] - '1');
            if (index < arguments.size()) {
                text += arguments[index];
                ++at;
                continue;
            }
            if (index - arguments.size() < sentences.size()) {
                text += sentences[index - arguments.size()].english();
                ++at;
                continue;
            }
        }
        text += c;
    }
    return text;
}

} // namespace sorvale::model

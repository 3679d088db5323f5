// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include <optional>
#include <string>

namespace sorvale::cleanup {

// How the removal of one item ended, and the message a skip or a failure comes with.
struct ItemResult {
    enum class Kind { removed, skipped, failed };
    Kind kind = Kind::removed;
    // In English, as the CLI and the logs say it.
    std::string message;
    // The same message in parts, for the window to translate.
    std::optional<model::Message> parts;

    // Two results are alike when they end the same way and say the same in every language: a
    // message that the window cannot translate differs from one in parts with the same English.
    bool operator==(const ItemResult&) const = default;

    [[nodiscard]] static ItemResult removed() { return {}; }
    // A text that is not a sentence of ours, such as a tool's own output.
    [[nodiscard]] static ItemResult skipped(std::string message) {
        return {Kind::skipped, std::move(message), std::nullopt};
    }
    [[nodiscard]] static ItemResult skipped(model::Message message) {
        return {Kind::skipped, message.english(), std::move(message)};
    }
    [[nodiscard]] static ItemResult failed(std::string message) {
        return {Kind::failed, std::move(message), std::nullopt};
    }
    [[nodiscard]] static ItemResult failed(model::Message message) {
        return {Kind::failed, message.english(), std::move(message)};
    }
};

} // namespace sorvale::cleanup

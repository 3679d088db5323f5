// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace sorvale::cleanup {

// How the removal of one item ended, and the message a skip or a failure comes with.
struct ItemResult {
    enum class Kind { removed, skipped, failed };
    Kind kind = Kind::removed;
    std::string message;

    bool operator==(const ItemResult&) const = default;

    [[nodiscard]] static ItemResult removed() { return {}; }
    [[nodiscard]] static ItemResult skipped(std::string message) {
        return {Kind::skipped, std::move(message)};
    }
    [[nodiscard]] static ItemResult failed(std::string message) {
        return {Kind::failed, std::move(message)};
    }
};

} // namespace sorvale::cleanup

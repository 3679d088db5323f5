// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvale::platform {

// A parsed property list (XML or binary) whose top level is a dictionary. Only the lookups the
// application needs are offered; anything of an unexpected type reads as absent.
class PropertyList {
public:
    // None when `bytes` is not a property list or its top level is not a dictionary.
    [[nodiscard]] static std::optional<PropertyList> parse(std::string_view bytes);

    // The text stored under `key`.
    [[nodiscard]] std::optional<std::string> string(const char* key) const;
    // The texts stored under `key` when it holds an array of texts only; empty otherwise.
    [[nodiscard]] std::vector<std::string> strings(const char* key) const;

private:
    struct Free {
        void operator()(void* root) const;
    };
    explicit PropertyList(void* root)
        : root_(root) {}

    std::unique_ptr<void, Free> root_;
};

} // namespace sorvale::platform

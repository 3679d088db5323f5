// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/AppSection.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

namespace sorvale::store {

// The Full Disk Access gate in front of the protected scans (Smart Cleanup, Applications): a
// scan asked for waits for the access check, starts once access is granted, and otherwise leaves
// its section showing the prompt until a later check finds access.
class AccessGate {
public:
    // Calls `answer` (from any thread) with whether the user's protected data can be read.
    using Check =
        std::function<void(const std::filesystem::path& home, std::function<void(bool)> answer)>;
    // Delivers a function to the thread the gate lives on.
    using Deliver = std::function<void(std::function<void()>)>;

    struct State {
        std::optional<bool> granted;
        std::optional<model::AppSection> promptSection;
        std::optional<model::AppSection> checkingSection;

        bool operator==(const State&) const = default;
    };

    AccessGate(Check check, Deliver deliver);

    [[nodiscard]] const State& state() const { return state_; }

    // Asks for the protected scan of `section`: it starts through `begin` once a check grants
    // access, and `changed` is called after every change of the gate's state.
    void request(model::AppSection section, const std::filesystem::path& home);
    // Checks again, as a return to the application does; a waiting scan starts if access is now
    // granted.
    void refresh(const std::filesystem::path& home);

    std::function<void(model::AppSection)> begin;
    std::function<void()> changed;

private:
    Check check_;
    Deliver deliver_;
    State state_;
    std::optional<model::AppSection> pending_;
    // A check is cancelled by starting another: only the latest generation's answer is used.
    std::uint64_t generation_ = 0;
};

} // namespace sorvale::store

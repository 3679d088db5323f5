// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "AccessGate.h"

namespace sorvale::store {

AccessGate::AccessGate(Check check, Deliver deliver)
    : check_(std::move(check))
    , deliver_(std::move(deliver)) {}

void AccessGate::request(model::AppSection section, const std::filesystem::path& home) {
    pending_ = section;
    state_.promptSection.reset();
    // The scan waits for the same check a return to the application runs.
    refresh(home);
}

void AccessGate::refresh(const std::filesystem::path& home) {
    if (pending_) {
        state_.checkingSection = pending_;
    }
    const std::uint64_t generation = ++generation_;
    check_(home, [this, generation](bool granted) {
        deliver_([this, generation, granted] {
            if (generation != generation_) {
                return; // a newer check replaced this one
            }
            state_.granted = granted;
            state_.checkingSection.reset();
            if (granted) {
                state_.promptSection.reset();
                if (const auto waiting = std::exchange(pending_, std::nullopt)) {
                    begin(*waiting);
                }
            } else if (pending_) {
                state_.promptSection = pending_;
            }
            changed();
        });
    });
    changed();
}

} // namespace sorvale::store

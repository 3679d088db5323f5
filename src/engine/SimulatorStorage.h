// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "Candidates.h"
#include "EngineSetup.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace sorvale::engine {

// What Xcode's simulators keep: one item per device folder, the deletable runtimes that simctl
// lists, and the shared caches of the whole system as one item. Devices and runtimes are removed
// through simctl, never as files.
class SimulatorStorage {
public:
    explicit SimulatorStorage(const EngineSetup& setup)
        : setup_(setup) {}

    // Devices, then runtimes, then the shared caches.
    void appendTo(const std::filesystem::path& home, Candidates& into) const;

private:
    [[nodiscard]] std::vector<model::CleanupItem> runtimes() const;
    // The runtimes of simctl's JSON listing; none unless the whole output is one JSON object.
    [[nodiscard]] std::vector<model::CleanupItem> parseRuntimes(std::string_view listing) const;

    const EngineSetup& setup_;
};

} // namespace sorvale::engine

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "EngineSetup.h"
#include "ScanEngine.h"

#include <string>
#include <string_view>
#include <vector>

namespace sorvale::engine {

// Runs the tools under the system root: no shell, both output streams read through one pipe
// while the tool runs, and xcrun pointed at the Xcode to use.
class ToolRunner {
public:
    explicit ToolRunner(const EngineSetup& setup)
        : setup_(setup) {}

    // Runs `executable` (an absolute path, resolved under the system root) with `arguments` and
    // waits for it.
    [[nodiscard]] ToolResult run(std::string_view executable,
                                 const std::vector<std::string>& arguments) const;

private:
    const EngineSetup& setup_;
};

} // namespace sorvale::engine

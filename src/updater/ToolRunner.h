// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sorvale::updater {

// How one run of a command-line tool ended.
struct ToolRun {
    enum class Ending { exited, notStarted, timedOut, cancelled };
    Ending ending = Ending::notStarted;
    // The exit status when the tool exited; a tool ended by a signal counts as status 128 + signal.
    int status = -1;
    // Standard output and standard error together, as the tool wrote them.
    std::string output;
    // Why the tool could not be started (an errno value).
    int startError = 0;
};

// Runs `tool` (an absolute path) with `arguments`, no shell in between, reading its output while
// it runs so that a talkative tool never stalls on a full pipe. The tool and everything it started
// are killed when it runs longer than `timeLimit` or when `cancelled` answers true (asked about
// ten times a second). Blocks the calling thread: call it off the main thread.
[[nodiscard]] ToolRun runTool(const std::filesystem::path& tool,
                              const std::vector<std::string>& arguments,
                              std::chrono::milliseconds timeLimit,
                              const std::function<bool()>& cancelled);

// Starts `tool` with `arguments` in a session of its own and does not wait for it; it outlives this
// process. Zero on success, else the errno value of the failure.
[[nodiscard]] int startDetached(const std::filesystem::path& tool,
                                const std::vector<std::string>& arguments);

} // namespace sorvale::updater

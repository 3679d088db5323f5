// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/ApplicationOwner.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvale::platform {

// An application bundle with a running process.
struct RunningApplication {
    std::filesystem::path bundle;
    std::optional<std::string> bundleIdentifier;

    bool operator==(const RunningApplication&) const = default;
};

// Every application bundle whose executable some process of this user runs: here, each
// /proc/<pid>/exe inside a "*.app" folder, named by the nearest such folder above it.
[[nodiscard]] std::vector<RunningApplication> runningApplications();

// The sandbox a process runs in, as its control group names it.
struct Sandbox {
    // "org.mozilla.firefox" of a scope "app-flatpak-org.mozilla.firefox-2345.scope".
    std::string flatpakId;
    // "firefox" of a scope "snap.firefox.firefox-<uuid>.scope".
    std::string snapName;

    bool operator==(const Sandbox&) const = default;
};

// The sandbox that the text of /proc/<pid>/cgroup places a process in.
[[nodiscard]] Sandbox sandboxOf(std::string_view controlGroups);

// A process whose executable could be read: every process of this user's but this one.
struct RunningProcess {
    // As the process sees it: inside a sandbox, a path of the sandbox's.
    std::filesystem::path executable;
    Sandbox sandbox;
};

[[nodiscard]] std::vector<RunningProcess> runningProcesses();

// Whether some process of `processes` is `owner`: by its sandbox, or by its executable's file
// name compared without case or punctuation.
[[nodiscard]] bool isRunning(const model::ApplicationOwner& owner,
                             const std::vector<RunningProcess>& processes);

} // namespace sorvale::platform

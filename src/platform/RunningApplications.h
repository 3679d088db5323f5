#pragma once

#include <filesystem>
#include <optional>
#include <string>
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

} // namespace sorvale::platform

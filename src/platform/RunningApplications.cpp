// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "RunningApplications.h"

#include "BundleInfo.h"
#include "EntryNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <set>
#include <unistd.h>

namespace sorvale::platform {
namespace {

namespace fs = std::filesystem;

std::optional<fs::path> executableOf(const std::string& pid) {
    std::array<char, 4096> target{};
    const std::string link = "/proc/" + pid + "/exe";
    const ssize_t length = ::readlink(link.c_str(), target.data(), target.size());
    if (length <= 0 || static_cast<std::size_t>(length) == target.size()) {
        return std::nullopt;
    }
    std::string path(target.data(), static_cast<std::size_t>(length));
    // The kernel marks an executable replaced since the process started.
    constexpr std::string_view kDeleted = " (deleted)";
    if (path.ends_with(kDeleted)) {
        path.resize(path.size() - kDeleted.size());
    }
    return fs::path(path);
}

std::string controlGroupsOf(const std::string& pid) {
    std::ifstream file("/proc/" + pid + "/cgroup", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Calls `visit` with the id and executable of every process whose executable can be read.
template <class Visit>
void forEachProcess(Visit visit) {
    DIR* processes = ::opendir("/proc");
    if (processes == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(processes)) {
        const std::string pid = entry->d_name;
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(), ::isdigit)) {
            continue;
        }
        if (auto executable = executableOf(pid)) {
            visit(pid, std::move(*executable));
        }
    }
    ::closedir(processes);
}

// An executable's name as compared: lower case letters and digits only, so "Discord" and
// "discord", "signal-desktop" and "Signal Desktop" agree.
std::string comparable(std::string_view name) {
    std::string kept;
    for (const char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            kept.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        }
    }
    return kept;
}

} // namespace

std::vector<RunningApplication> runningApplications() {
    std::set<fs::path> bundles;
    forEachProcess([&](const std::string&, const fs::path& executable) {
        for (fs::path folder = executable.parent_path(); folder.has_relative_path();
             folder = folder.parent_path()) {
            if (hasExtension(folder.filename().native(), "app")) {
                bundles.insert(folder);
                break;
            }
        }
    });
    std::vector<RunningApplication> running;
    for (const fs::path& bundle : bundles) {
        running.push_back({bundle, readBundleInfo(bundle).identifier});
    }
    return running;
}

Sandbox sandboxOf(std::string_view controlGroups) {
    Sandbox sandbox;
    std::size_t start = 0;
    while (start < controlGroups.size()) {
        std::size_t end = controlGroups.find('\n', start);
        if (end == std::string_view::npos) {
            end = controlGroups.size();
        }
        std::string_view line = controlGroups.substr(start, end - start);
        start = end + 1;
        std::string_view scope = line.substr(line.rfind('/') + 1);
        if (scope.ends_with(".scope")) {
            scope.remove_suffix(std::string_view(".scope").size());
        }
        if (scope.starts_with("app-flatpak-")) {
            scope.remove_prefix(std::string_view("app-flatpak-").size());
            // The scope ends in "-<number>"; an application id may hold dashes of its own.
            const std::size_t dash = scope.rfind('-');
            if (dash != std::string_view::npos &&
                std::all_of(scope.begin() + static_cast<std::ptrdiff_t>(dash) + 1, scope.end(),
                            ::isdigit)) {
                scope = scope.substr(0, dash);
            }
            sandbox.flatpakId = scope;
        } else if (scope.starts_with("snap.")) {
            scope.remove_prefix(std::string_view("snap.").size());
            sandbox.snapName = scope.substr(0, scope.find('.'));
        }
    }
    return sandbox;
}

std::vector<RunningProcess> runningProcesses() {
    const std::string self = std::to_string(::getpid());
    std::vector<RunningProcess> running;
    forEachProcess([&](const std::string& pid, fs::path executable) {
        if (pid != self) {
            running.push_back({std::move(executable), sandboxOf(controlGroupsOf(pid))});
        }
    });
    return running;
}

bool isRunning(const model::ApplicationOwner& owner, const std::vector<RunningProcess>& processes) {
    std::vector<std::string> executables;
    for (const std::string& name : owner.executableNames) {
        if (std::string kept = comparable(name); !kept.empty()) {
            executables.push_back(std::move(kept));
        }
    }
    const std::string snapFolder = "/snap/" + owner.snapName + "/";
    return std::any_of(processes.begin(), processes.end(), [&](const RunningProcess& process) {
        if (!owner.flatpakId.empty() && process.sandbox.flatpakId == owner.flatpakId) {
            return true;
        }
        if (!owner.snapName.empty() && (process.sandbox.snapName == owner.snapName ||
                                        process.executable.native().starts_with(snapFolder))) {
            return true;
        }
        const std::string executable = comparable(process.executable.filename().native());
        return std::find(executables.begin(), executables.end(), executable) != executables.end();
    });
}

} // namespace sorvale::platform

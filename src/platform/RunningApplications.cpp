#include "RunningApplications.h"

#include "BundleInfo.h"
#include "EntryNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <dirent.h>
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

} // namespace

std::vector<RunningApplication> runningApplications() {
    std::set<fs::path> bundles;
    if (DIR* processes = ::opendir("/proc")) {
        while (const dirent* entry = ::readdir(processes)) {
            const std::string pid = entry->d_name;
            if (pid.empty() || !std::all_of(pid.begin(), pid.end(), ::isdigit)) {
                continue;
            }
            const auto executable = executableOf(pid);
            for (fs::path folder = executable ? executable->parent_path() : fs::path{};
                 folder.has_relative_path(); folder = folder.parent_path()) {
                if (hasExtension(folder.filename().native(), "app")) {
                    bundles.insert(folder);
                    break;
                }
            }
        }
        ::closedir(processes);
    }
    std::vector<RunningApplication> running;
    for (const fs::path& bundle : bundles) {
        running.push_back({bundle, readBundleInfo(bundle).identifier});
    }
    return running;
}

} // namespace sorvale::platform

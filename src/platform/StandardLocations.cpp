// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "StandardLocations.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace sorvale::platform {
namespace {

std::filesystem::path absoluteEnvironmentPath(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return {};
    }
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path{};
}

// A freedesktop.org base folder: the variable's absolute path, else its default below the home.
std::filesystem::path baseFolder(const char* variable, const std::filesystem::path& home,
                                 const char* fallback) {
    std::filesystem::path folder = absoluteEnvironmentPath(variable);
    return folder.empty() ? home / fallback : folder;
}

} // namespace

std::filesystem::path homeFolder() {
    if (auto home = absoluteEnvironmentPath("HOME"); !home.empty()) {
        return home;
    }
    if (const passwd* entry = ::getpwuid(::getuid());
        entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "/";
}

std::filesystem::path dataHomeFolder(const std::filesystem::path& home) {
    return baseFolder("XDG_DATA_HOME", home, ".local/share");
}

std::filesystem::path cacheHomeFolder(const std::filesystem::path& home) {
    return baseFolder("XDG_CACHE_HOME", home, ".cache");
}

std::filesystem::path configHomeFolder(const std::filesystem::path& home) {
    return baseFolder("XDG_CONFIG_HOME", home, ".config");
}

std::filesystem::path trashFilesFolder(const std::filesystem::path& home) {
#ifdef __APPLE__
    return home / ".Trash";
#else
    return dataHomeFolder(home) / "Trash/files";
#endif
}

} // namespace sorvale::platform

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
    std::filesystem::path dataHome = absoluteEnvironmentPath("XDG_DATA_HOME");
    return dataHome.empty() ? home / ".local/share" : dataHome;
}

std::filesystem::path trashFilesFolder(const std::filesystem::path& home) {
#ifdef __APPLE__
    return home / ".Trash";
#else
    return dataHomeFolder(home) / "Trash/files";
#endif
}

} // namespace sorvale::platform

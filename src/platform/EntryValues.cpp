#include "EntryValues.h"

#include "Descriptors.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace sorvale::platform {
namespace {

EntryType typeOf(mode_t mode) {
    if (S_ISREG(mode)) {
        return EntryType::regular;
    }
    if (S_ISDIR(mode)) {
        return EntryType::directory;
    }
    if (S_ISLNK(mode)) {
        return EntryType::symbolicLink;
    }
    return EntryType::other;
}

model::Date modificationDate(const struct stat& status) {
#ifdef __APPLE__
    const timespec& time = status.st_mtimespec;
#else
    const timespec& time = status.st_mtim;
#endif
    const auto sinceEpoch =
        std::chrono::seconds(time.tv_sec) + std::chrono::nanoseconds(time.tv_nsec);
    return model::Date(std::chrono::duration_cast<model::Date::duration>(sinceEpoch));
}

EntryValues valuesOf(const struct stat& status) {
    // POSIX reports allocation in 512-byte units whatever the file system's block size.
    const auto allocated = static_cast<std::int64_t>(status.st_blocks) * 512;
    const auto logical = static_cast<std::int64_t>(status.st_size);
    return EntryValues{
        typeOf(status.st_mode),  identityOf(status), allocated, allocated, logical, logical,
        modificationDate(status)};
}

} // namespace

std::optional<EntryValues> readEntryValues(const std::filesystem::path& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return valuesOf(status);
}

std::optional<EntryValues> readEntryValues(int directory, const char* name) {
    struct stat status {};
    if (::fstatat(directory, name, &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return std::nullopt;
    }
    return valuesOf(status);
}

bool fileExists(const std::filesystem::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0;
}

} // namespace sorvale::platform

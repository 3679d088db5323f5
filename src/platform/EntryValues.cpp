// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "EntryValues.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/sysmacros.h>
#endif

namespace sorvale::platform {
namespace {

EntryType typeOf(unsigned mode) {
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

model::Date dateOf(std::int64_t seconds, std::int64_t nanoseconds) {
    const auto sinceEpoch = std::chrono::seconds(seconds) + std::chrono::nanoseconds(nanoseconds);
    return model::Date(std::chrono::duration_cast<model::Date::duration>(sinceEpoch));
}

// POSIX reports allocation in 512-byte units whatever the file system's block size.
EntryValues valuesOf(unsigned mode, model::FileIdentity identity, std::int64_t blocks,
                     std::int64_t length, model::Date modified) {
    const std::int64_t allocated = blocks * 512;
    return EntryValues{typeOf(mode), identity, mode & 07777U, allocated,
                       allocated,    length,   length,        modified};
}

// The values of `name` in `folder`, or of what `folder` has open when `name` is empty.
std::optional<EntryValues> read(int folder, const char* name) {
    const int flags = *name == '\0' ? AT_EMPTY_PATH : AT_SYMLINK_NOFOLLOW;
#ifdef __linux__
    // statx tells the moment an inode was made: an inode number reused by a new file is then
    // told apart from the file the number belonged to.
    struct statx status {};
    if (::statx(folder, name, flags, STATX_BASIC_STATS | STATX_BTIME, &status) != 0) {
        return std::nullopt;
    }
    const std::int64_t birth =
        (status.stx_mask & STATX_BTIME) != 0
            ? static_cast<std::int64_t>(status.stx_btime.tv_sec) * 1'000'000'000 +
                  status.stx_btime.tv_nsec
            : 0;
    const model::FileIdentity identity{makedev(status.stx_dev_major, status.stx_dev_minor),
                                       status.stx_ino, birth};
    return valuesOf(status.stx_mode, identity, static_cast<std::int64_t>(status.stx_blocks),
                    static_cast<std::int64_t>(status.stx_size),
                    dateOf(status.stx_mtime.tv_sec, status.stx_mtime.tv_nsec));
#else
    struct stat status {};
    if (::fstatat(folder, name, &status, flags) != 0) {
        return std::nullopt;
    }
    const model::FileIdentity identity{
        static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino),
        static_cast<std::int64_t>(status.st_birthtimespec.tv_sec) * 1'000'000'000 +
            status.st_birthtimespec.tv_nsec};
    return valuesOf(status.st_mode, identity, status.st_blocks, status.st_size,
                    dateOf(status.st_mtimespec.tv_sec, status.st_mtimespec.tv_nsec));
#endif
}

} // namespace

std::optional<EntryValues> readEntryValues(const std::filesystem::path& path) {
    return read(AT_FDCWD, path.c_str());
}

std::optional<EntryValues> readEntryValues(int directory, const char* name) {
    return read(directory, name);
}

std::optional<EntryValues> readOpenEntryValues(int fd) {
    return read(fd, "");
}

bool fileExists(const std::filesystem::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0;
}

std::optional<std::filesystem::path> linkWithinFolder(const std::filesystem::path& folder,
                                                      std::string_view link, std::size_t parts) {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(folder / link, error);
    if (error || target.empty() || target.is_absolute()) {
        return std::nullopt;
    }
    std::size_t count = 0;
    for (const std::filesystem::path& part : target) {
        if (part.empty() || part == "." || part == "..") {
            return std::nullopt;
        }
        ++count;
    }
    if (count != parts) {
        return std::nullopt;
    }
    return folder / target;
}

} // namespace sorvale::platform

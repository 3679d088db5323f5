#include "Trash.h"

#include "StandardLocations.h"
#include "model/Location.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace sorvale::platform {
namespace {

namespace fs = std::filesystem;

// Typographic quotes, as the rest of the interface writes names.
std::string quoted(const fs::path& item) {
    return "\u201C" + item.filename().native() + "\u201D";
}

FileOperationError trashError(const fs::path& item, int code) {
    return {code,
            quoted(item) + " couldn\u2019t be moved to the Trash: " + std::strerror(code) + "."};
}

FileOperationError deletionError(const fs::path& item, int code) {
    return {code, quoted(item) + " couldn\u2019t be deleted: " + std::strerror(code) + "."};
}

// Paths in .trashinfo files are percent-encoded: every byte but the unreserved ones and "/".
std::string percentEncoded(std::string_view bytes) {
    static constexpr std::string_view kUnreserved = "-_.!~*'()/";
    static constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            (byte >= '0' && byte <= '9') || kUnreserved.find(c) != std::string_view::npos) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0xF];
        }
    }
    return encoded;
}

std::string localDeletionDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::array<char, 32> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%S", &local);
    return {text.data(), length};
}

struct TrashCan {
    fs::path files;
    fs::path info;
    // Paths are recorded relative to this folder; absolute when it is empty.
    fs::path top;
};

// A folder of ours: made (mode 0700) when missing, and refused when it is a link or not a folder.
bool ensureOwnFolder(const fs::path& folder) {
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return false;
    }
    struct stat status {};
    return ::lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::optional<TrashCan> trashCanAt(const fs::path& trash, fs::path top) {
    if (!ensureOwnFolder(trash) || !ensureOwnFolder(trash / "files") ||
        !ensureOwnFolder(trash / "info")) {
        return std::nullopt;
    }
    return TrashCan{trash / "files", trash / "info", std::move(top)};
}

std::optional<dev_t> deviceOf(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? std::optional(status.st_dev) : std::nullopt;
}

// The mount point above `item`: its highest ancestor still on `device`.
fs::path topOfFileSystem(const fs::path& item, dev_t device) {
    fs::path top = item.parent_path();
    while (top.has_relative_path() && deviceOf(top.parent_path()) == device) {
        top = top.parent_path();
    }
    return top;
}

std::optional<TrashCan> trashCanFor(const fs::path& item, dev_t device, const fs::path& home) {
    const fs::path homeTrash = dataHomeFolder(home) / "Trash";
    std::error_code ignored;
    fs::create_directories(homeTrash.parent_path(), ignored);
    if (deviceOf(homeTrash.parent_path()) == device) {
        return trashCanAt(homeTrash, {});
    }
    const fs::path top = topOfFileSystem(item, device);
    const std::string uid = std::to_string(::getuid());
    // A shared .Trash is trusted only as a real folder with the sticky bit.
    struct stat shared {};
    if (::lstat((top / ".Trash").c_str(), &shared) == 0 && S_ISDIR(shared.st_mode) &&
        (shared.st_mode & S_ISVTX) != 0) {
        if (auto can = trashCanAt(top / ".Trash" / uid, top)) {
            return can;
        }
    }
    return trashCanAt(top / (".Trash-" + uid), top);
}

// "report.pdf", then "report.2.pdf", "report.3.pdf", …
std::string candidateName(const fs::path& name, int attempt) {
    if (attempt == 1) {
        return name.native();
    }
    const std::string number = "." + std::to_string(attempt);
    const fs::path extension = name.extension();
    return extension.empty() || name.stem().empty()
               ? name.native() + number
               : name.stem().native() + number + extension.native();
}

} // namespace

std::optional<FileOperationError> moveToTrash(const fs::path& item, const fs::path& home) {
    const fs::path location = model::standardized(fs::absolute(item));
    struct stat status {};
    if (!location.has_relative_path() || ::lstat(location.c_str(), &status) != 0) {
        return trashError(location, location.has_relative_path() ? errno : EINVAL);
    }
    const auto can = trashCanFor(location, status.st_dev, home);
    if (!can) {
        return trashError(location, EXDEV);
    }
    const std::string recordedPath =
        can->top.empty() ? location.native() : location.lexically_relative(can->top).native();
    const std::string info = "[Trash Info]\nPath=" + percentEncoded(recordedPath) +
                             "\nDeletionDate=" + localDeletionDate() + "\n";

    for (int attempt = 1;; ++attempt) {
        const std::string name = candidateName(location.filename(), attempt);
        const fs::path infoFile = can->info / (name + ".trashinfo");
        // The info file is created first and exclusively: it reserves the name.
        const int fd =
            ::open(infoFile.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return trashError(location, errno);
        }
        const bool written =
            ::write(fd, info.data(), info.size()) == static_cast<ssize_t>(info.size());
        ::close(fd);
        struct stat taken {};
        if (written && ::lstat((can->files / name).c_str(), &taken) == 0) {
            ::unlink(infoFile.c_str());
            continue;
        }
        if (written && ::rename(location.c_str(), (can->files / name).c_str()) == 0) {
            return std::nullopt;
        }
        const int error = written ? errno : EIO;
        ::unlink(infoFile.c_str());
        return trashError(location, error);
    }
}

std::optional<FileOperationError> deletePermanently(const fs::path& item) {
    struct stat status {};
    if (::lstat(item.c_str(), &status) != 0) {
        return deletionError(item, errno);
    }
    int firstError = 0;
    const auto failed = [&](int error) {
        if (firstError == 0) {
            firstError = error;
        }
    };
    if (S_ISDIR(status.st_mode)) {
        struct Level {
            int fd;
            std::vector<std::string> names;
            std::string name; // in the level below
        };
        std::vector<Level> stack;
        const auto push = [&](int fd, std::string name) {
            Level level{fd, {}, std::move(name)};
            const int listing = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
            if (DIR* dir = listing < 0 ? nullptr : ::fdopendir(listing)) {
                while (const dirent* entry = ::readdir(dir)) {
                    if (std::strcmp(entry->d_name, ".") != 0 &&
                        std::strcmp(entry->d_name, "..") != 0) {
                        level.names.emplace_back(entry->d_name);
                    }
                }
                ::closedir(dir);
            } else {
                failed(errno);
                if (listing >= 0) {
                    ::close(listing);
                }
            }
            stack.push_back(std::move(level));
        };
        const int root = ::open(item.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (root < 0) {
            return deletionError(item, errno);
        }
        push(root, {});
        while (!stack.empty()) {
            Level& level = stack.back();
            if (level.names.empty()) {
                const std::string name = level.name;
                ::close(level.fd);
                stack.pop_back();
                if (!stack.empty() &&
                    ::unlinkat(stack.back().fd, name.c_str(), AT_REMOVEDIR) != 0) {
                    failed(errno);
                }
                continue;
            }
            const std::string name = std::move(level.names.back());
            level.names.pop_back();
            struct stat entry {};
            if (::fstatat(level.fd, name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
                failed(errno);
            } else if (!S_ISDIR(entry.st_mode)) {
                if (::unlinkat(level.fd, name.c_str(), 0) != 0) {
                    failed(errno);
                }
            } else if (entry.st_dev != status.st_dev) {
                failed(EXDEV); // a mount point: what lies beyond is not ours to delete
            } else if (const int fd = ::openat(level.fd, name.c_str(),
                                               O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                       fd < 0) {
                failed(errno);
            } else {
                push(fd, name);
            }
        }
        if (::rmdir(item.c_str()) != 0) {
            failed(errno);
        }
    } else if (::unlink(item.c_str()) != 0) {
        failed(errno);
    }
    if (firstError != 0) {
        return deletionError(item, firstError);
    }
    if (item.parent_path().filename() == "files") {
        const fs::path info =
            item.parent_path().parent_path() / "info" / (item.filename().native() + ".trashinfo");
        ::unlink(info.c_str());
    }
    return std::nullopt;
}

} // namespace sorvale::platform

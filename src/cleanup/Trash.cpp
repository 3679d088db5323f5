// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Trash.h"

#include "model/Translatable.h"
#include "platform/StandardLocations.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace sorvale::cleanup {
namespace {

namespace fs = std::filesystem;
using platform::Descriptor;
using platform::FileOperationError;

FileOperationError trashError(const model::Location& location, int code) {
    return {code,
            {SORVALE_TRANSLATABLE("Messages",
                                  "\u201C%1\u201D couldn\u2019t be moved to the Trash: %2."),
             {std::string(location.name()), std::strerror(code)}}};
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

std::optional<std::uint64_t> deviceOf(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0
               ? std::optional(static_cast<std::uint64_t>(status.st_dev))
               : std::nullopt;
}

// The mount point above `item`: its highest ancestor still on `device`.
fs::path topOfFileSystem(const fs::path& item, std::uint64_t device) {
    fs::path top = item.parent_path();
    while (top.has_relative_path() && deviceOf(top.parent_path()) == device) {
        top = top.parent_path();
    }
    return top;
}

fs::path homeTrash(const fs::path& home) {
    return platform::dataHomeFolder(home) / "Trash";
}

// The trash cans that may hold items of `device`, the one to use first; `top` is the folder
// their records are relative to, empty for absolute records.
struct TrashCanPlace {
    fs::path trash;
    fs::path top;
};

std::vector<TrashCanPlace> trashCanPlaces(const fs::path& item, std::uint64_t device,
                                          const fs::path& home) {
    const fs::path own = homeTrash(home);
    if (deviceOf(own.parent_path()) == device) {
        return {{own, {}}};
    }
    const fs::path top = topOfFileSystem(item, device);
    const std::string uid = std::to_string(::getuid());
    std::vector<TrashCanPlace> places;
    // A shared .Trash is trusted only as a real folder with the sticky bit.
    struct stat shared {};
    if (::lstat((top / ".Trash").c_str(), &shared) == 0 && S_ISDIR(shared.st_mode) &&
        (shared.st_mode & S_ISVTX) != 0) {
        places.push_back({top / ".Trash" / uid, top});
    }
    places.push_back({top / (".Trash-" + uid), top});
    return places;
}

// A folder of ours inside `parent`: made (mode 0700) when missing, refused when it is a link.
Descriptor ownFolder(int parent, const char* name) {
    if (::mkdirat(parent, name, 0700) != 0 && errno != EEXIST) {
        return Descriptor();
    }
    return Descriptor(::openat(parent, name, platform::realFolderFlags()));
}

struct TrashCan {
    Descriptor files;
    Descriptor info;
    fs::path top;
    fs::path filesPath;
};

std::optional<TrashCan> openTrashCan(const TrashCanPlace& place) {
    Descriptor parent(
        ::open(place.trash.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!parent) {
        return std::nullopt;
    }
    Descriptor trash = ownFolder(parent.get(), place.trash.filename().c_str());
    if (!trash) {
        return std::nullopt;
    }
    Descriptor files = ownFolder(trash.get(), "files");
    Descriptor info = ownFolder(trash.get(), "info");
    if (!files || !info) {
        return std::nullopt;
    }
    return TrashCan{std::move(files), std::move(info), place.top, place.trash / "files"};
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

std::string recordedPath(const model::Location& location, const fs::path& top) {
    const fs::path absolute = model::standardized(fs::absolute(location.path()));
    return top.empty() ? absolute.native() : absolute.lexically_relative(top).native();
}

} // namespace

int renameWithoutReplacing(int fromFolder, const char* from, int toFolder, const char* to) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL) {
        return errno;
    }
    // The file system cannot promise it: test first, as well as can be done.
#endif
    struct stat taken {};
    if (::fstatat(toFolder, to, &taken, AT_SYMLINK_NOFOLLOW) == 0) {
        return EEXIST;
    }
    return ::renameat(fromFolder, from, toFolder, to) == 0 ? 0 : errno;
}

std::optional<FileOperationError> moveToTrash(const ReachedEntry& entry,
                                              const model::Location& location, const fs::path& home,
                                              model::Location* placed) {
    const fs::path path = fs::absolute(location.path());
    // The home trash is made where the user's data folder is missing.
    std::error_code ignored;
    fs::create_directories(homeTrash(home).parent_path(), ignored);
    std::optional<TrashCan> can;
    for (const TrashCanPlace& place : trashCanPlaces(path, entry.values.identity.device, home)) {
        if ((can = openTrashCan(place))) {
            break;
        }
    }
    const model::FileIdentity filesIdentity =
        can ? platform::identityOf(can->files.get()).value_or(model::FileIdentity{})
            : model::FileIdentity{};
    if (!can || filesIdentity.device != entry.values.identity.device) {
        return trashError(location, EXDEV);
    }
    const std::string info =
        "[Trash Info]\nPath=" + percentEncoded(recordedPath(location, can->top)) +
        "\nDeletionDate=" + localDeletionDate() + "\n";

    for (int attempt = 1;; ++attempt) {
        const std::string name = candidateName(entry.name, attempt);
        const std::string infoName = name + ".trashinfo";
        // The record is created first and exclusively: it reserves the name.
        const int fd = ::openat(can->info.get(), infoName.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return trashError(location, errno);
        }
        const bool written =
            ::write(fd, info.data(), info.size()) == static_cast<ssize_t>(info.size());
        ::close(fd);
        const int error = written ? renameWithoutReplacing(entry.folder.get(), entry.name.c_str(),
                                                           can->files.get(), name.c_str())
                                  : EIO;
        if (error == EEXIST) {
            ::unlinkat(can->info.get(), infoName.c_str(), 0);
            continue;
        }
        if (error != 0) {
            ::unlinkat(can->info.get(), infoName.c_str(), 0);
            return trashError(location, error);
        }
        // Something may have taken the entry's place between the check and the move: what was
        // moved is put back unless it is the entry itself.
        if (!isStill(entry, can->files.get(), name)) {
            if (renameWithoutReplacing(can->files.get(), name.c_str(), entry.folder.get(),
                                       entry.name.c_str()) == 0) {
                ::unlinkat(can->info.get(), infoName.c_str(), 0);
            }
            return changedAfterScan(location);
        }
        if (placed != nullptr) {
            const std::string files = can->filesPath.native();
            *placed = model::Location(
                files + "/" + name,
                std::make_shared<const model::FolderSighting>(model::FolderSighting{
                    static_cast<std::uint32_t>(files.size()), filesIdentity, filesIdentity}),
                entry.values.identity);
        }
        return std::nullopt;
    }
}

std::optional<FileOperationError> moveToTrash(const model::Location& location, const fs::path& home,
                                              model::Location* placed) {
    FileOperationError error;
    const auto entry = reach(location, error);
    if (!entry) {
        return error;
    }
    return moveToTrash(*entry, location, home, placed);
}

TrashRecord::TrashRecord(const ReachedEntry& entry, const model::Location& location,
                         const fs::path& home) {
    const fs::path path = fs::absolute(location.path());
    for (const TrashCanPlace& place : trashCanPlaces(path, entry.values.identity.device, home)) {
        Descriptor trash(::open(place.trash.c_str(), platform::realFolderFlags()));
        if (!trash) {
            continue;
        }
        const Descriptor files(::openat(trash.get(), "files", platform::realFolderFlags()));
        if (files && platform::identityOf(files.get()) == std::optional(entry.folderIdentity)) {
            info_ = Descriptor(::openat(trash.get(), "info", platform::realFolderFlags()));
            name_ = entry.name + ".trashinfo";
            return;
        }
    }
}

void TrashRecord::forget() const {
    if (info_) {
        ::unlinkat(info_.get(), name_.c_str(), 0);
    }
}

} // namespace sorvale::cleanup

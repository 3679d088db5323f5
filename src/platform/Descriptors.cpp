// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Descriptors.h"

#include "EntryValues.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvale::platform {

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

Descriptor::~Descriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::optional<model::FileIdentity> identityOf(int fd) {
    const auto values = readOpenEntryValues(fd);
    return values ? std::optional(values->identity) : std::nullopt;
}

int realFolderFlags() {
    return O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
}

std::optional<EntryFolder> openEntryFolder(const std::string& root, std::string_view below,
                                           int& error) {
    Descriptor folder(::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const auto rootIdentity = folder ? identityOf(folder.get()) : std::nullopt;
    if (!rootIdentity) {
        error = errno;
        return std::nullopt;
    }
    std::string name;
    for (std::size_t start = 0; start < below.size();) {
        const std::size_t end = std::min(below.find('/', start), below.size());
        if (end > start) {
            const std::string_view component = below.substr(start, end - start);
            if (component == "." || component == "..") {
                error = EINVAL;
                return std::nullopt;
            }
            if (!name.empty()) {
                Descriptor next(::openat(folder.get(), name.c_str(), realFolderFlags()));
                if (!next) {
                    error = errno;
                    return std::nullopt;
                }
                folder = std::move(next);
            }
            name.assign(component);
        }
        start = end + 1;
    }
    if (name.empty()) {
        error = EINVAL;
        return std::nullopt;
    }
    const auto folderIdentity = identityOf(folder.get());
    if (!folderIdentity) {
        error = errno;
        return std::nullopt;
    }
    return EntryFolder{std::move(folder), *rootIdentity, *folderIdentity, std::move(name)};
}

} // namespace sorvale::platform

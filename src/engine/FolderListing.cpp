// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "FolderListing.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace sorvale::engine {

void FolderListing::add(const char* name, unsigned char type) {
    if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) {
        return;
    }
    entries_.push_back({names_.size(), type});
    names_.append(name, std::strlen(name) + 1);
}

int FolderListing::read(int fd, std::vector<char>& buffer) {
#ifdef __linux__
    for (;;) {
        const ssize_t count = ::getdents64(fd, buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (count == 0) {
            return 0;
        }
        for (ssize_t offset = 0; offset < count;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + offset);
            add(entry->d_name, entry->d_type);
            offset += entry->d_reclen;
        }
    }
#else
    (void)buffer;
    const int duplicate = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    DIR* stream = duplicate < 0 ? nullptr : ::fdopendir(duplicate);
    if (stream == nullptr) {
        const int error = errno;
        if (duplicate >= 0) {
            ::close(duplicate);
        }
        return error;
    }
    int error = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(stream);
        if (entry == nullptr) {
            error = errno;
            break;
        }
        add(entry->d_name, entry->d_type);
    }
    ::closedir(stream);
    return error;
#endif
}

} // namespace sorvale::engine

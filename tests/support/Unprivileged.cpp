// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace sorvale::test::detail {
constexpr uid_t kNobody = 65534;

namespace {

bool dropRoot() {
    if (::geteuid() != 0) {
        return true;
    }
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 &&
           ::geteuid() == kNobody;
}

} // namespace

} // namespace sorvale::test::detail

namespace sorvale::test {

void giveToUnprivilegedUser(const std::filesystem::path& path) {
    if (::geteuid() != 0) {
        return;
    }
    ::lchown(path.c_str(), detail::kNobody, detail::kNobody);
    if (std::filesystem::is_directory(std::filesystem::symlink_status(path))) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
            ::lchown(entry.path().c_str(), detail::kNobody, detail::kNobody);
        }
    }
}

} // namespace sorvale::test

namespace sorvale::test::detail {

bool runInUnprivilegedChild(const std::function<void(void*)>& body, void* answer,
                            std::size_t size) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return false;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        ::close(fds[0]);
        if (!dropRoot()) {
            ::_exit(3);
        }
        std::vector<char> result(size);
        body(result.data());
        const bool written = ::write(fds[1], result.data(), size) == static_cast<ssize_t>(size);
        ::_exit(written ? 0 : 4);
    }
    ::close(fds[1]);
    std::size_t received = 0;
    auto* bytes = static_cast<char*>(answer);
    while (received < size) {
        const ssize_t count = ::read(fds[0], bytes + received, size - received);
        if (count <= 0) {
            break;
        }
        received += static_cast<std::size_t>(count);
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return received == size && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace sorvale::test::detail

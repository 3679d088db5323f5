// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "FixtureTree.h"

#include <array>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvale::test {

FixtureTree::FixtureTree(std::filesystem::path root)
    : root_(std::move(root)) {
    std::filesystem::create_directories(root_);
}

std::filesystem::path FixtureTree::file(const std::filesystem::path& relative, std::size_t bytes) {
    const auto path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::string block(4096, 'x');
    for (std::size_t written = 0; written < bytes; written += block.size()) {
        out.write(block.data(),
                  static_cast<std::streamsize>(std::min(block.size(), bytes - written)));
    }
    if (!out) {
        throw std::runtime_error("cannot write " + path.native());
    }
    return path;
}

std::filesystem::path FixtureTree::allocatedFile(const std::filesystem::path& relative,
                                                 std::int64_t bytes) {
    const auto path = file(relative);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    const bool allocated = fd >= 0 && ::posix_fallocate(fd, 0, bytes) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    if (!allocated) {
        throw std::runtime_error("cannot allocate " + path.native());
    }
    return path;
}

void FixtureTree::age(const std::filesystem::path& relative, int days) {
    const auto then = std::chrono::system_clock::now() - std::chrono::hours(24 * days);
    const timespec time{std::chrono::system_clock::to_time_t(then), 0};
    const std::array<timespec, 2> times{time, time};
    if (::utimensat(AT_FDCWD, (root_ / relative).c_str(), times.data(), AT_SYMLINK_NOFOLLOW) != 0) {
        throw std::runtime_error("cannot set the time of " + (root_ / relative).native());
    }
}

std::filesystem::path FixtureTree::sparseFile(const std::filesystem::path& relative,
                                              std::int64_t length) {
    const auto path = file(relative);
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(length));
    return path;
}

std::filesystem::path FixtureTree::folder(const std::filesystem::path& relative) {
    const auto path = root_ / relative;
    std::filesystem::create_directories(path);
    return path;
}

std::filesystem::path FixtureTree::script(const std::filesystem::path& relative,
                                          std::string_view body) {
    const auto path = file(relative);
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    std::filesystem::permissions(path, std::filesystem::perms(0755));
    return path;
}

std::filesystem::path FixtureTree::symlink(const std::filesystem::path& relative,
                                           const std::filesystem::path& target) {
    const auto path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::filesystem::create_symlink(target, path);
    return path;
}

std::filesystem::path FixtureTree::hardLink(const std::filesystem::path& relative,
                                            const std::filesystem::path& existing) {
    const auto path = root_ / relative;
    std::filesystem::create_directories(path.parent_path());
    std::filesystem::create_hard_link(existing, path);
    return path;
}

void FixtureTree::makeInaccessible(const std::filesystem::path& relative) {
    const auto path = root_ / relative;
    std::filesystem::permissions(path, std::filesystem::perms::none);
    inaccessible_.push_back(path);
}

std::int64_t allocatedBytes(const std::filesystem::path& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        throw std::runtime_error("cannot stat " + path.native());
    }
    return static_cast<std::int64_t>(status.st_blocks) * 512;
}

std::string contents(const std::filesystem::path& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

} // namespace sorvale::test

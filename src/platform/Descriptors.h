// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/Location.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace sorvale::platform {

// An open file descriptor, closed when it goes out of scope.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd)
        : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept
        : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor();

    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The identity of what `fd` has open; none when it cannot be read, with errno set.
[[nodiscard]] std::optional<model::FileIdentity> identityOf(int fd);

// Flags for opening a folder that must be a real folder, never a link to one.
[[nodiscard]] int realFolderFlags();

// The folder that holds an entry, reached from the scanned root the way a walk reaches it.
struct EntryFolder {
    Descriptor folder;
    model::FileIdentity rootIdentity;
    model::FileIdentity folderIdentity;
    // The entry's name in that folder.
    std::string name;
};

// Opens the folder holding the entry `below` (names separated by "/") of the scanned root
// `root`: the root as named, so a link the user set up there is followed, then every folder on
// the way with openat, none of them through a link. None when a step fails, with `error` set.
[[nodiscard]] std::optional<EntryFolder> openEntryFolder(const std::string& root,
                                                         std::string_view below, int& error);

} // namespace sorvale::platform

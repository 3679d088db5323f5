// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace sorvale::model {

// What a file system calls one object, whatever its name: its device and its inode, and the
// moment the inode was made (nanoseconds since 1970; 0 where the file system does not say), so
// that an inode number reused by a new file does not pass for the old one.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t birth = 0;

    bool operator==(const FileIdentity&) const = default;
};

// What every entry a scan found in one folder shares: the scanned root it was reached from
// (the location's first `rootLength` bytes name it; it may itself be a symbolic link the user set
// up, while every folder below it was a real folder, never a link), and the identities of that
// root and of the folder.
struct FolderSighting {
    std::uint32_t rootLength = 0;
    FileIdentity root;
    FileIdentity folder;

    bool operator==(const FolderSighting&) const = default;
};

// How a scan reached an entry, so that whatever changes the disk later acts on that very entry
// or on nothing.
struct Sighting {
    FolderSighting folder;
    FileIdentity entry;

    bool operator==(const Sighting&) const = default;
};

// A place in the file system, held as its bytes: no encoding is assumed and no parsed copy of
// its components is kept. Copies share one immutable buffer, so an item's id and url, and the
// lists that hold an item, cost one buffer between them; the entries of one folder share its
// part of their sightings. Converts to std::filesystem::path only where a system call or a path
// operation needs one.
class Location {
public:
    Location() = default;
    Location(std::string_view bytes, std::shared_ptr<const FolderSighting> folder = nullptr,
             const FileIdentity& entry = {});
    Location(const char* bytes)
        : Location(std::string_view(bytes)) {}
    Location(const std::string& bytes)
        : Location(std::string_view(bytes)) {}
    Location(const std::filesystem::path& path)
        : Location(std::string_view(path.native())) {}

    Location(const Location& other) noexcept;
    Location(Location&& other) noexcept;
    Location& operator=(const Location& other) noexcept;
    Location& operator=(Location&& other) noexcept;
    ~Location();

    [[nodiscard]] std::string_view bytes() const;
    // The bytes followed by a NUL, for system calls.
    [[nodiscard]] const char* c_str() const;
    [[nodiscard]] std::filesystem::path path() const { return std::string(bytes()); }
    [[nodiscard]] bool empty() const { return bytes().empty(); }
    // The last component, as std::filesystem::path::filename() gives it.
    [[nodiscard]] std::string_view name() const;
    // Everything before the last component, as std::filesystem::path::parent_path() gives it.
    [[nodiscard]] std::string_view folder() const;
    // How the scan reached it; none for a place no scan has seen.
    [[nodiscard]] std::optional<Sighting> sighting() const;

    // One place is one location, however the scans that saw it reached it: the bytes alone are
    // compared.
    friend bool operator==(const Location& a, const Location& b) { return a.bytes() == b.bytes(); }
    friend bool operator<(const Location& a, const Location& b) { return a.bytes() < b.bytes(); }

private:
    struct Buffer;
    void release() noexcept;

    Buffer* buffer_ = nullptr;
};

// The bytes, as they are.
std::ostream& operator<<(std::ostream& out, const Location& location);

// The form in which locations are compared: "." and ".." removed lexically, symbolic links left
// unresolved, and no trailing separator (so "a/b/" and "a/b" are one location).
[[nodiscard]] std::filesystem::path standardized(const std::filesystem::path& location);
// The same form of a location's bytes; most locations have it already and are only copied.
[[nodiscard]] std::string standardizedBytes(std::string_view location);

} // namespace sorvale::model

template <>
struct std::hash<sorvale::model::Location> {
    std::size_t operator()(const sorvale::model::Location& location) const noexcept {
        return std::hash<std::string_view>{}(location.bytes());
    }
};

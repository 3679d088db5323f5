// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sorvale::test {

// Builds real files, folders and links below a root folder.
class FixtureTree {
public:
    explicit FixtureTree(std::filesystem::path root);
    virtual ~FixtureTree() = default;
    FixtureTree(const FixtureTree&) = delete;
    FixtureTree& operator=(const FixtureTree&) = delete;

    [[nodiscard]] const std::filesystem::path& root() const { return root_; }
    [[nodiscard]] std::filesystem::path operator/(const std::filesystem::path& relative) const {
        return root_ / relative;
    }

    // A file holding `bytes` bytes of data (so blocks are really allocated); parents are made.
    std::filesystem::path file(const std::filesystem::path& relative, std::size_t bytes = 0);
    // A file whose `bytes` are allocated on disk without being written (quick at any size).
    std::filesystem::path allocatedFile(const std::filesystem::path& relative, std::int64_t bytes);
    // A file of `length` logical bytes with no data blocks at all.
    std::filesystem::path sparseFile(const std::filesystem::path& relative, std::int64_t length);
    std::filesystem::path folder(const std::filesystem::path& relative);
    // An executable shell script, standing in for a tool.
    std::filesystem::path script(const std::filesystem::path& relative, std::string_view body);
    std::filesystem::path symlink(const std::filesystem::path& relative,
                                  const std::filesystem::path& target);
    std::filesystem::path hardLink(const std::filesystem::path& relative,
                                   const std::filesystem::path& existing);
    // Sets the modification time of `relative` (not through a link) to `days` days ago.
    void age(const std::filesystem::path& relative, int days);
    // Takes every permission away; a TempTree restores it before it removes itself.
    void makeInaccessible(const std::filesystem::path& relative);

protected:
    std::filesystem::path root_;
    std::vector<std::filesystem::path> inaccessible_;
};

// Allocated bytes of one file as the system reports them (blocks of 512 bytes).
[[nodiscard]] std::int64_t allocatedBytes(const std::filesystem::path& path);

// The whole contents of a file; empty when it cannot be read.
[[nodiscard]] std::string contents(const std::filesystem::path& path);

} // namespace sorvale::test

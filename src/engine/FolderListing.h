// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sorvale::engine {

// The entries of one folder as a single read of it found them, "." and ".." left out.
class FolderListing {
public:
    [[nodiscard]] std::size_t size() const { return entries_.size(); }
    [[nodiscard]] const char* name(std::size_t index) const {
        return names_.data() + entries_[index].nameOffset;
    }
    // The listing's type for the entry (a DT_ value), DT_UNKNOWN where the file system says none.
    [[nodiscard]] unsigned char type(std::size_t index) const { return entries_[index].type; }

    // Reads every entry of the open folder `fd`, `buffer` being room for the system's answers;
    // 0, or the error that stopped the listing (what was read before it stays).
    int read(int fd, std::vector<char>& buffer);

private:
    struct Entry {
        std::size_t nameOffset;
        unsigned char type;
    };
    void add(const char* name, unsigned char type);

    std::string names_; // every entry name, each ending in a NUL
    std::vector<Entry> entries_;
};

} // namespace sorvale::engine

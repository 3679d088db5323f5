// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct UCollator;

namespace sorvale::engine {

// Names in the Finder's order: case-insensitive, with runs of digits compared by their value
// ("File 2" before "File 10"), then by case, then by their bytes, so that it is a total order.
// The locale is explicit because a default collator under LANG=C.UTF-8 ignores numeric order.
// Copies share their collators, which are only read.
class FinderOrder {
public:
    FinderOrder();

    [[nodiscard]] bool operator()(std::string_view a, std::string_view b) const;

    // Bytes that order names as the comparison does, once the name's own bytes break ties:
    // (sortKey(a), a) < (sortKey(b), b) exactly when a comes before b. Sorting many names by
    // their keys is far faster than comparing the names.
    [[nodiscard]] std::string sortKey(std::string_view name) const;

    // The keys of `count` names, read through `nameAt`, one after another in `bytes`, the key of
    // name i ending at `ends[i]`. A long list is shared among a few threads, each with collators
    // of its own, and comes out exactly as one thread makes it.
    struct SortKeys {
        std::string bytes;
        std::vector<std::uint32_t> ends;
    };
    [[nodiscard]] static SortKeys
    sortKeys(std::size_t count, const std::function<std::string_view(std::size_t)>& nameAt);

private:
    // Appends the key of `name` to `key`, `text` being room for its UTF-16 form.
    void appendSortKey(std::string_view name, std::string& key, std::vector<char16_t>& text) const;

    std::shared_ptr<const UCollator> ignoringCase_;
    std::shared_ptr<const UCollator> withCase_;
};

} // namespace sorvale::engine

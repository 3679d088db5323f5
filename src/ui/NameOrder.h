// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/CleanupItem.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvale::ui {

// The file manager's order of a list's names: their sort keys, made once for each contents of the
// list, so that ordering any of its items by name is a plain sort of bytes.
class NameOrder {
public:
    // Makes the keys of `items` unless they are those of `contents` already.
    void update(std::uint64_t contents, const std::vector<model::CleanupItem>& items);

    // Sorts, by the names of the items they stand for, positions whose item indices `indices`
    // gives; equal names keep their order.
    void sort(std::vector<std::uint32_t>& positions, const std::vector<std::uint32_t>& indices,
              const std::vector<model::CleanupItem>& items) const;

private:
    [[nodiscard]] std::string_view key(std::size_t index) const {
        const std::uint32_t begin = index == 0 ? 0 : keyEnds_[index - 1];
        return std::string_view(keyBytes_).substr(begin, keyEnds_[index] - begin);
    }

    std::uint64_t contents_ = 0;
    bool made_ = false;
    std::string keyBytes_;
    std::vector<std::uint32_t> keyEnds_; // of each item's key in `keyBytes_`
};

} // namespace sorvale::ui

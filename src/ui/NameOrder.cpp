// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "NameOrder.h"

#include "store/ItemFacts.h"
#include "store/ModelTexts.h"

#include <algorithm>

namespace sorvale::ui {

void NameOrder::update(std::uint64_t contents, const std::vector<model::CleanupItem>& items) {
    if (made_ && contents_ == contents && keyEnds_.size() == items.size()) {
        return;
    }
    // Names the scan gave in words of its own are ordered as the window shows them; lists of
    // files have none.
    std::vector<std::string> shown;
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (items[index].nameParts) {
            shown.resize(items.size());
            shown[index] = store::nameText(items[index]).toStdString();
        }
    }
    auto keys = store::nameSortKeys(items.size(), [&](std::size_t index) -> std::string_view {
        return items[index].nameParts ? std::string_view(shown[index]) : items[index].name;
    });
    keyBytes_ = std::move(keys.bytes);
    keyEnds_ = std::move(keys.ends);
    contents_ = contents;
    made_ = true;
}

void NameOrder::sort(std::vector<std::uint32_t>& positions,
                     const std::vector<std::uint32_t>& indices,
                     const std::vector<model::CleanupItem>& items) const {
    // Most comparisons are settled by the first eight bytes of the keys, held side by side with
    // the positions so that a comparison reads no other memory.
    struct Keyed {
        std::uint64_t prefix;
        std::uint32_t position;
    };
    std::vector<Keyed> keyed(positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const std::string_view bytes = key(indices[positions[i]]);
        std::uint64_t prefix = 0;
        for (std::size_t byte = 0; byte < 8; ++byte) {
            prefix = (prefix << 8) |
                     (byte < bytes.size() ? static_cast<unsigned char>(bytes[byte]) : 0U);
        }
        keyed[i] = {prefix, positions[i]};
    }
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        if (a.prefix != b.prefix) {
            return a.prefix < b.prefix;
        }
        const std::size_t left = indices[a.position];
        const std::size_t right = indices[b.position];
        if (const int byKey = key(left).compare(key(right)); byKey != 0) {
            return byKey < 0;
        }
        return items[left].name < items[right].name;
    });
    std::transform(keyed.begin(), keyed.end(), positions.begin(),
                   [](const Keyed& entry) { return entry.position; });
}

} // namespace sorvale::ui

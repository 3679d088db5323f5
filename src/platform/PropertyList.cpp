// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "PropertyList.h"

#include <plist/plist.h>

#include <cstdint>
#include <limits>

namespace sorvale::platform {
namespace {

std::optional<std::string> textOf(plist_t node) {
    if (node == nullptr || plist_get_node_type(node) != PLIST_STRING) {
        return std::nullopt;
    }
    std::uint64_t length = 0;
    const char* text = plist_get_string_ptr(node, &length);
    if (text == nullptr) {
        return std::nullopt;
    }
    return std::string(text, static_cast<std::size_t>(length));
}

} // namespace

void PropertyList::Free::operator()(void* root) const {
    plist_free(static_cast<plist_t>(root));
}

std::optional<PropertyList> PropertyList::parse(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    plist_t root = nullptr;
    plist_from_memory(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &root);
    if (root == nullptr) {
        return std::nullopt;
    }
    PropertyList list(root);
    if (plist_get_node_type(root) != PLIST_DICT) {
        return std::nullopt;
    }
    return list;
}

std::optional<std::string> PropertyList::string(const char* key) const {
    return textOf(plist_dict_get_item(static_cast<plist_t>(root_.get()), key));
}

std::vector<std::string> PropertyList::strings(const char* key) const {
    const plist_t array = plist_dict_get_item(static_cast<plist_t>(root_.get()), key);
    if (array == nullptr || plist_get_node_type(array) != PLIST_ARRAY) {
        return {};
    }
    std::vector<std::string> texts;
    const std::uint32_t count = plist_array_get_size(array);
    for (std::uint32_t i = 0; i < count; ++i) {
        auto text = textOf(plist_array_get_item(array, i));
        if (!text) {
            return {};
        }
        texts.push_back(std::move(*text));
    }
    return texts;
}

} // namespace sorvale::platform

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "CleanupItem.h"

#include "Hashing.h"

std::size_t std::hash<sorvale::model::CleanupItem>::operator()(
    const sorvale::model::CleanupItem& item) const noexcept {
    using sorvale::model::hashCombine;
    std::size_t seed = std::hash<sorvale::model::Location>{}(item.id);
    hashCombine(seed, std::hash<sorvale::model::Location>{}(item.url));
    hashCombine(seed, std::hash<std::string>{}(item.name));
    hashCombine(seed, std::hash<std::int64_t>{}(item.size));
    hashCombine(seed, std::hash<sorvale::model::CleanupCategory>{}(item.category));
    hashCombine(seed, item.modifiedAt
                          ? std::hash<std::int64_t>{}(item.modifiedAt->time_since_epoch().count())
                          : 0x5bd1e995U);
    hashCombine(seed, item.relatedFiles.size());
    for (const auto& file : item.relatedFiles) {
        hashCombine(seed, std::hash<sorvale::model::Location>{}(file));
    }
    hashCombine(seed, std::hash<sorvale::model::CleanupOperation>{}(item.operation));
    hashCombine(seed, std::hash<bool>{}(item.isSelected));
    hashCombine(seed, std::hash<sorvale::model::Location>{}(item.icon));
    if (item.nameParts) {
        hashCombine(seed, std::hash<std::string_view>{}(item.nameParts->pattern));
        for (const auto& text : item.nameParts->arguments) {
            hashCombine(seed, std::hash<std::string>{}(text));
        }
    }
    return seed;
}

std::string_view
sorvale::model::EnumTraits<sorvale::model::FolderAccess>::rawValue(FolderAccess access) {
    switch (access) {
    case FolderAccess::opened:
        return "opened";
    case FolderAccess::missing:
        return "missing";
    case FolderAccess::unreadable:
        break;
    }
    return "unreadable";
}

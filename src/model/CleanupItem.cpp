// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "CleanupItem.h"

#include "Hashing.h"

#include <atomic>
#include <utility>

namespace sorvale::model {

struct NameParts::Shared {
    std::atomic<std::size_t> references;
    const Message parts;
};

NameParts::NameParts(Message parts)
    : shared_(new Shared{1, std::move(parts)}) {}

NameParts::NameParts(const NameParts& other) noexcept
    : shared_(other.shared_) {
    if (shared_ != nullptr) {
        shared_->references.fetch_add(1, std::memory_order_relaxed);
    }
}

NameParts::NameParts(NameParts&& other) noexcept
    : shared_(std::exchange(other.shared_, nullptr)) {}

NameParts& NameParts::operator=(const NameParts& other) noexcept {
    NameParts copy(other);
    std::swap(shared_, copy.shared_);
    return *this;
}

NameParts& NameParts::operator=(NameParts&& other) noexcept {
    if (this != &other) {
        release();
        shared_ = std::exchange(other.shared_, nullptr);
    }
    return *this;
}

NameParts::~NameParts() {
    release();
}

const Message* NameParts::get() const {
    return shared_ != nullptr ? &shared_->parts : nullptr;
}

void NameParts::release() noexcept {
    if (shared_ != nullptr && shared_->references.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        delete shared_;
    }
    shared_ = nullptr;
}

} // namespace sorvale::model

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

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ApplicationOwner.h"
#include "CleanupCategory.h"
#include "CleanupOperation.h"
#include "Date.h"
#include "Location.h"
#include "Message.h"
#include "RawValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sorvale::model {

// The parts of a name that a scan gave an item in words of its own (model::itemName), shared by
// copies and compared by value; none for an item named after its file or application.
class NameParts {
public:
    NameParts() = default;
    explicit NameParts(Message parts);
    NameParts(const NameParts& other) noexcept;
    NameParts(NameParts&& other) noexcept;
    NameParts& operator=(const NameParts& other) noexcept;
    NameParts& operator=(NameParts&& other) noexcept;
    ~NameParts();

    [[nodiscard]] const Message* get() const;
    [[nodiscard]] const Message* operator->() const { return get(); }
    [[nodiscard]] const Message& operator*() const { return *get(); }
    explicit operator bool() const { return shared_ != nullptr; }

    friend bool operator==(const NameParts& a, const NameParts& b) {
        return a.shared_ == b.shared_ || (a && b && *a == *b);
    }

private:
    // One pointer, counted in what it points to: a shared_ptr's second word would cost every item
    // of a large list eight bytes for the few that have parts.
    struct Shared;
    void release() noexcept;

    Shared* shared_ = nullptr;
};

// One cleanup candidate. Items are found, toggled and removed by `id`; two items are equal only
// when every field is, so an item whose selection changed is a different value.
struct CleanupItem {
    Location id;
    Location url;
    std::string name;
    std::int64_t size = 0;
    CleanupCategory category = CleanupCategory::userCaches;
    // Beside the one-byte category, where it takes no room of its own.
    bool isSelected = false;
    std::optional<Date> modifiedAt;
    // An application's matched support files, or a universal application's executables.
    std::vector<Location> relatedFiles;
    CleanupOperation operation;
    // The application that must not be running when the item is removed; none for most items.
    OwnerReference owner;
    // An installed application's icon file, where it lies outside the application itself (a
    // desktop entry's icon); empty otherwise.
    Location icon;
    // The name's parts, for the window to translate, when the scan named the item in words of its
    // own; `name` is then their English, as the CLI prints it.
    NameParts nameParts;

    // Names the item in words of the scan's own.
    void setMadeName(Message parts) {
        name = parts.english();
        nameParts = NameParts(std::move(parts));
    }

    bool operator==(const CleanupItem&) const = default;
};

// Whether the one folder a scan was asked to search could be opened. An empty list from a folder
// that is gone says something else than one from a folder without matches.
enum class FolderAccess : std::uint8_t {
    opened,
    missing,
    unreadable,
};

template <>
struct EnumTraits<FolderAccess> {
    static constexpr std::size_t count = 3;
    static std::string_view rawValue(FolderAccess access);
};

// What one scan found, in the order the scan returns it.
struct ScanSnapshot {
    std::vector<CleanupItem> items;
    // Failure events met while scanning: places that could not be fully read.
    std::int64_t inaccessibleCount = 0;
    FolderAccess folderAccess = FolderAccess::opened;

    bool operator==(const ScanSnapshot&) const = default;
};

} // namespace sorvale::model

template <>
struct std::hash<sorvale::model::CleanupItem> {
    std::size_t operator()(const sorvale::model::CleanupItem& item) const noexcept;
};

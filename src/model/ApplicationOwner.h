// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace sorvale::model {

// The application whose files an item holds, when removing them while it runs would pull them
// from under it: a browser's cache, an Electron application's GPU cache, a Flatpak's cache.
struct ApplicationOwner {
    // As the user knows it: "Firefox", "Visual Studio Code", "org.gnome.Maps".
    std::string name;
    // The file names of the executables it runs as, compared without case or punctuation.
    std::vector<std::string> executableNames;
    // The Flatpak application or snap it runs in; empty when it is neither.
    std::string flatpakId;
    std::string snapName;
    // It was running when the scan found the item.
    bool runningAtScan = false;

    bool operator==(const ApplicationOwner&) const = default;
};

// An item's owner, shared by the items of one application and compared by value: two scans
// that found the same owner give equal items.
class OwnerReference {
public:
    OwnerReference() = default;
    explicit OwnerReference(std::shared_ptr<const ApplicationOwner> owner)
        : owner_(std::move(owner)) {}

    [[nodiscard]] const ApplicationOwner* get() const { return owner_.get(); }
    [[nodiscard]] const ApplicationOwner* operator->() const { return owner_.get(); }
    explicit operator bool() const { return owner_ != nullptr; }

    friend bool operator==(const OwnerReference& a, const OwnerReference& b) {
        return a.owner_ == b.owner_ || (a.owner_ && b.owner_ && *a.owner_ == *b.owner_);
    }

private:
    std::shared_ptr<const ApplicationOwner> owner_;
};

} // namespace sorvale::model

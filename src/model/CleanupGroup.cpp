// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "CleanupGroup.h"

#include <array>

namespace sorvale::model {
namespace {

struct GroupRow {
    std::string_view rawValue;
    std::string_view title;
    std::string_view subtitle;
    std::string_view symbol;
};

constexpr std::array<GroupRow, EnumTraits<CleanupGroup>::count> kGroups{{
    {"systemJunk", "System Junk", "Re-creatable caches, logs and build-tool downloads.",
     "sparkles.rectangle.stack.fill"},
    {"xcode", "Xcode Storage", "Derived data, simulators, archives and Device Support.",
     "hammer.fill"},
    {"universalBinaries", "Universal Binaries",
     "Optional non-native slices in writable third-party apps.", "cpu.fill"},
    {"mail", "Mail Attachments", "Downloaded attachment copies from server-synced Mail.",
     "envelope.fill"},
    {"backups", "Device Backups", "Local iPhone and iPad backups\u2014review dates first.",
     "iphone.gen3"},
    {"trash", "Trash", "Items already in Trash. Deletion here is permanent.", "trash.fill"},
    {"system", "System Storage",
     "Package caches, old journals, unused runtimes and old snaps, removed by their own tools.",
     "gearshape.2.fill"},
}};

const GroupRow& row(CleanupGroup group) {
    return kGroups[static_cast<std::size_t>(group)];
}

} // namespace

std::string_view EnumTraits<CleanupGroup>::rawValue(CleanupGroup group) {
    return row(group).rawValue;
}

std::string_view title(CleanupGroup group) {
    return row(group).title;
}
std::string_view subtitle(CleanupGroup group) {
    return row(group).subtitle;
}
std::string_view symbol(CleanupGroup group) {
    return row(group).symbol;
}

} // namespace sorvale::model

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "CleanupGroup.h"

#include "Translatable.h"

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
    {"systemJunk", SORVALE_TRANSLATABLE("CleanupGroup", "System Junk"),
     SORVALE_TRANSLATABLE("CleanupGroup", "Re-creatable caches, logs and build-tool downloads."),
     "sparkles.rectangle.stack.fill"},
    {"xcode", SORVALE_TRANSLATABLE("CleanupGroup", "Xcode Storage"),
     SORVALE_TRANSLATABLE("CleanupGroup", "Derived data, simulators, archives and Device Support."),
     "hammer.fill"},
    {"universalBinaries", SORVALE_TRANSLATABLE("CleanupGroup", "Universal Binaries"),
     SORVALE_TRANSLATABLE("CleanupGroup",
                          "Optional non-native slices in writable third-party apps."),
     "cpu.fill"},
    {"mail", SORVALE_TRANSLATABLE("CleanupGroup", "Mail Attachments"),
     SORVALE_TRANSLATABLE("CleanupGroup", "Downloaded attachment copies from server-synced Mail."),
     "envelope.fill"},
    {"backups", SORVALE_TRANSLATABLE("CleanupGroup", "Device Backups"),
     SORVALE_TRANSLATABLE("CleanupGroup", "Local iPhone and iPad backups\u2014review dates first."),
     "iphone.gen3"},
    {"trash", SORVALE_TRANSLATABLE("CleanupGroup", "Trash"),
     SORVALE_TRANSLATABLE("CleanupGroup", "Items already in Trash. Deletion here is permanent."),
     "trash.fill"},
    {"system", SORVALE_TRANSLATABLE("CleanupGroup", "System Storage"),
     SORVALE_TRANSLATABLE("CleanupGroup", "Package caches, old journals, unused runtimes and old "
                                          "snaps, removed by their own tools."),
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

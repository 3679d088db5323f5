// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "VolumeSpace.h"

#include <sys/statvfs.h>

namespace sorvale::platform {

std::optional<VolumeSpace> volumeSpace(const std::filesystem::path& folder) {
    struct statvfs volume {};
    if (::statvfs(folder.c_str(), &volume) != 0) {
        return std::nullopt;
    }
    const auto unit = static_cast<std::int64_t>(volume.f_frsize);
    return VolumeSpace{static_cast<std::int64_t>(volume.f_blocks) * unit,
                       static_cast<std::int64_t>(volume.f_bavail) * unit};
}

} // namespace sorvale::platform

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace sorvale::platform {

// The size of the volume (file system) that holds a folder, and what of it the user may still
// fill: blocks kept for the system count as used.
struct VolumeSpace {
    std::int64_t capacity = 0;
    std::int64_t available = 0;

    bool operator==(const VolumeSpace&) const = default;
};

// The space of the volume `folder` lies on; none when it cannot be asked.
[[nodiscard]] std::optional<VolumeSpace> volumeSpace(const std::filesystem::path& folder);

} // namespace sorvale::platform

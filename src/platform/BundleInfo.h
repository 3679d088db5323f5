// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "PropertyList.h"

#include <filesystem>
#include <optional>
#include <string>

namespace sorvale::platform {

// What a bundle's Contents/Info.plist declares. A bundle whose list is missing, unreadable or
// malformed declares nothing.
struct BundleInfo {
    std::optional<std::string> identifier;   // CFBundleIdentifier
    std::optional<std::string> shortVersion; // CFBundleShortVersionString
    std::optional<std::string> executable;   // CFBundleExecutable
    std::optional<std::string> iconFile;     // CFBundleIconFile
};

[[nodiscard]] BundleInfo readBundleInfo(const std::filesystem::path& bundle);

// The entitlements in the code signature of the bundle's main executable (thin or universal,
// the arm64 slice first); none when it is unsigned, carries none, or cannot be read.
[[nodiscard]] std::optional<PropertyList>
readBundleEntitlements(const std::filesystem::path& bundle);
// The same, for a bundle whose Info.plist has been read already.
[[nodiscard]] std::optional<PropertyList>
readBundleEntitlements(const std::filesystem::path& bundle, const BundleInfo& info);

// The bundle's icon file: CFBundleIconFile in Contents/Resources, ".icns" added when the name has
// none; none when it declares none or that is not a regular file (a link is not followed).
[[nodiscard]] std::optional<std::filesystem::path>
bundleIconFile(const std::filesystem::path& bundle);
// The bytes of that icon file; none when there is none or it is huge.
[[nodiscard]] std::optional<std::string> readBundleIcon(const std::filesystem::path& bundle);

} // namespace sorvale::platform

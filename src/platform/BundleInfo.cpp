// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "BundleInfo.h"

#include "CodeSignature.h"
#include "FileContents.h"

#include <sys/stat.h>

namespace sorvale::platform {
namespace {

// Far above any real Info.plist or icon file.
constexpr std::size_t kMostInfoPlistBytes = 16 << 20;
constexpr std::size_t kMostIconBytes = 64 << 20;

std::optional<PropertyList> infoPlist(const std::filesystem::path& bundle) {
    const auto bytes = readRegularFile(bundle / "Contents/Info.plist", kMostInfoPlistBytes);
    return bytes ? PropertyList::parse(*bytes) : std::nullopt;
}

// A file name the bundle declares, unless it is empty or would lead out of its folder.
std::optional<std::filesystem::path> memberName(const std::optional<std::string>& name) {
    if (!name || name->empty() || name->find('/') != std::string::npos || *name == "..") {
        return std::nullopt;
    }
    return *name;
}

} // namespace

BundleInfo readBundleInfo(const std::filesystem::path& bundle) {
    const auto plist = infoPlist(bundle);
    if (!plist) {
        return {};
    }
    return BundleInfo{plist->string("CFBundleIdentifier"),
                      plist->string("CFBundleShortVersionString"),
                      plist->string("CFBundleExecutable"), plist->string("CFBundleIconFile")};
}

std::optional<PropertyList> readBundleEntitlements(const std::filesystem::path& bundle) {
    return readBundleEntitlements(bundle, readBundleInfo(bundle));
}

std::optional<PropertyList> readBundleEntitlements(const std::filesystem::path& bundle,
                                                   const BundleInfo& info) {
    const auto executable = memberName(info.executable);
    if (!executable) {
        return std::nullopt;
    }
    const FileBytes file(bundle / "Contents/MacOS" / *executable);
    const auto xml = file.isOpen() ? entitlementsXml(file) : std::nullopt;
    return xml ? PropertyList::parse(*xml) : std::nullopt;
}

std::optional<std::filesystem::path> bundleIconFile(const std::filesystem::path& bundle) {
    auto name = memberName(readBundleInfo(bundle).iconFile);
    if (!name) {
        return std::nullopt;
    }
    if (!name->has_extension()) {
        *name += ".icns";
    }
    // Every step below the bundle must be what it claims, not a link to somewhere else.
    const auto is = [](const std::filesystem::path& path, mode_t type) {
        struct stat status {};
        return ::lstat(path.c_str(), &status) == 0 && (status.st_mode & S_IFMT) == type;
    };
    const std::filesystem::path resources = bundle / "Contents/Resources";
    const std::filesystem::path file = resources / *name;
    if (!is(bundle / "Contents", S_IFDIR) || !is(resources, S_IFDIR) || !is(file, S_IFREG)) {
        return std::nullopt;
    }
    return file;
}

std::optional<std::string> readBundleIcon(const std::filesystem::path& bundle) {
    const auto file = bundleIconFile(bundle);
    return file ? readRegularFile(*file, kMostIconBytes) : std::nullopt;
}

std::optional<std::string> deviceBackupName(const std::filesystem::path& backup) {
    const auto bytes = readRegularFile(backup / "Info.plist", kMostInfoPlistBytes);
    const auto plist = bytes ? PropertyList::parse(*bytes) : std::nullopt;
    auto name = plist ? plist->string("Device Name") : std::nullopt;
    if (name && name->empty()) {
        return std::nullopt;
    }
    return name;
}

} // namespace sorvale::platform

#include "BundleInfo.h"

#include "CodeSignature.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvale::platform {
namespace {

// Far above any real Info.plist.
constexpr std::size_t kMostInfoPlistBytes = 16 << 20;

std::optional<PropertyList> infoPlist(const std::filesystem::path& bundle) {
    const auto bytes = readSmallFile(bundle / "Contents/Info.plist", kMostInfoPlistBytes);
    return bytes ? PropertyList::parse(*bytes) : std::nullopt;
}

} // namespace

std::optional<std::string> readSmallFile(const std::filesystem::path& path, std::size_t limit) {
    FileBytes file(path);
    if (!file.isOpen() || file.size() > limit) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(file.size()), '\0');
    if (!file.read(0, bytes.size(), reinterpret_cast<unsigned char*>(bytes.data()))) {
        return std::nullopt;
    }
    return bytes;
}

BundleInfo readBundleInfo(const std::filesystem::path& bundle) {
    const auto plist = infoPlist(bundle);
    if (!plist) {
        return {};
    }
    return BundleInfo{plist->string("CFBundleIdentifier"),
                      plist->string("CFBundleShortVersionString"),
                      plist->string("CFBundleExecutable")};
}

std::optional<PropertyList> readBundleEntitlements(const std::filesystem::path& bundle) {
    const auto executable = readBundleInfo(bundle).executable;
    // A name that climbs out of Contents/MacOS is not an executable of this bundle.
    if (!executable || executable->empty() || executable->find('/') != std::string::npos ||
        *executable == "..") {
        return std::nullopt;
    }
    const FileBytes file(bundle / "Contents/MacOS" / *executable);
    const auto xml = file.isOpen() ? entitlementsXml(file) : std::nullopt;
    return xml ? PropertyList::parse(*xml) : std::nullopt;
}

} // namespace sorvale::platform

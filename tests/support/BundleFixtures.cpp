// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "BundleFixtures.h"

#include "MachOFixtures.h"

#include <fstream>

namespace sorvale::test {

std::filesystem::path bundle(FixtureTree& tree, const std::filesystem::path& relative,
                             const std::optional<std::string>& identifier,
                             const std::vector<std::string>& applicationGroups,
                             const std::vector<std::string>& keychainGroups) {
    std::ofstream(tree.file(relative / "Contents/Info.plist"))
        << "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>"
        << (identifier ? "<key>CFBundleIdentifier</key><string>" + *identifier + "</string>" : "")
        << "<key>CFBundleExecutable</key><string>main</string>"
           "<key>CFBundleIconFile</key><string>AppIcon</string></dict></plist>";
    const bool signs = !applicationGroups.empty() || !keychainGroups.empty();
    std::ofstream(tree.file(relative / "Contents/MacOS/main"), std::ios::binary)
        << signedMachO(kCpuTypeArm64, signs ? entitlements(applicationGroups, keychainGroups) : "");
    return tree / relative;
}

} // namespace sorvale::test

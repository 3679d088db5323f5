// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "platform/BundleInfo.h"

#include "support/MachOFixtures.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>
#include <plist/plist.h>

#include <fstream>

namespace sorvale::platform {
namespace {

namespace fs = std::filesystem;

void writeBinaryInfo(const fs::path& bundle, const char* identifier, const char* executable) {
    plist_t dict = plist_new_dict();
    plist_dict_set_item(dict, "CFBundleIdentifier", plist_new_string(identifier));
    plist_dict_set_item(dict, "CFBundleExecutable", plist_new_string(executable));
    plist_dict_set_item(dict, "CFBundleShortVersionString", plist_new_uint(3));
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(dict, &bytes, &length);
    fs::create_directories(bundle / "Contents");
    std::ofstream(bundle / "Contents/Info.plist", std::ios::binary).write(bytes, length);
    plist_to_bin_free(bytes);
    plist_free(dict);
}

TEST(BundleInfo, InfoPlistsAreReadAsXmlOrBinaryAndAnythingElseDeclaresNothing) {
    test::TempTree tree;
    std::ofstream(tree.file("Xml.app/Contents/Info.plist"))
        << "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>"
           "<key>CFBundleIdentifier</key><string>com.example.Xml</string>"
           "<key>CFBundleShortVersionString</key><string>2.1</string></dict></plist>";
    writeBinaryInfo(tree / "Binary.app", "com.example.Binary", "Binary");
    std::ofstream(tree.file("Broken.app/Contents/Info.plist")) << "<plist><dict><key>";
    tree.folder("Empty.app/Contents");

    const BundleInfo xml = readBundleInfo(tree / "Xml.app");
    EXPECT_EQ(xml.identifier, "com.example.Xml");
    EXPECT_EQ(xml.shortVersion, "2.1");
    const BundleInfo binary = readBundleInfo(tree / "Binary.app");
    EXPECT_EQ(binary.identifier, "com.example.Binary");
    EXPECT_EQ(binary.executable, "Binary");
    EXPECT_EQ(binary.shortVersion, std::nullopt) << "a number is not a version text";
    EXPECT_EQ(readBundleInfo(tree / "Broken.app").identifier, std::nullopt);
    EXPECT_EQ(readBundleInfo(tree / "Empty.app").identifier, std::nullopt);
}

TEST(BundleInfo, EntitlementsComeFromTheMainExecutableInsideTheBundleOnly) {
    test::TempTree tree;
    const std::string signedFile =
        test::signedMachO(test::kCpuTypeArm64, test::entitlements({"group.com.example"}, {}));
    writeBinaryInfo(tree / "Signed.app", "com.example.Signed", "Signed");
    std::ofstream(tree.file("Signed.app/Contents/MacOS/Signed"), std::ios::binary) << signedFile;
    writeBinaryInfo(tree / "Escaping.app", "com.example.Escaping", "../../outside");
    std::ofstream(tree.file("outside"), std::ios::binary) << signedFile;
    writeBinaryInfo(tree / "Linked.app", "com.example.Linked", "Linked");
    tree.symlink("Linked.app/Contents/MacOS/Linked", tree / "Signed.app/Contents/MacOS/Signed");

    const auto entitlements = readBundleEntitlements(tree / "Signed.app");
    ASSERT_TRUE(entitlements);
    EXPECT_EQ(entitlements->strings("com.apple.security.application-groups"),
              std::vector<std::string>{"group.com.example"});
    EXPECT_EQ(entitlements->strings("com.apple.security.app-sandbox"), std::vector<std::string>{});
    EXPECT_FALSE(readBundleEntitlements(tree / "Escaping.app"));
    EXPECT_FALSE(readBundleEntitlements(tree / "Linked.app"));
}

TEST(BundleInfo, TheIconIsTheDeclaredFileInsideTheResourcesOnly) {
    test::TempTree tree;
    const auto declare = [&](const std::string& bundle, const std::string& icon) {
        std::ofstream(tree.file(bundle + "/Contents/Info.plist"))
            << "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>"
               "<key>CFBundleIconFile</key><string>"
            << icon << "</string></dict></plist>";
    };
    declare("Plain.app", "AppIcon");
    std::ofstream(tree.file("Plain.app/Contents/Resources/AppIcon.icns")) << "icns bytes";
    declare("Named.app", "Logo.png");
    std::ofstream(tree.file("Named.app/Contents/Resources/Logo.png")) << "png bytes";
    declare("Escaping.app", "../../secret");
    std::ofstream(tree.file("secret.icns")) << "outside";
    declare("Linked.app", "AppIcon");
    tree.symlink("Linked.app/Contents/Resources/AppIcon.icns",
                 tree / "Plain.app/Contents/Resources/AppIcon.icns");
    declare("LinkedFolder.app", "AppIcon");
    tree.symlink("LinkedFolder.app/Contents/Resources", tree / "Plain.app/Contents/Resources");

    EXPECT_EQ(bundleIconFile(tree / "Plain.app"),
              tree / "Plain.app/Contents/Resources/AppIcon.icns");
    EXPECT_EQ(readBundleIcon(tree / "Plain.app"), "icns bytes");
    EXPECT_EQ(readBundleIcon(tree / "Named.app"), "png bytes");
    EXPECT_EQ(readBundleIcon(tree / "Escaping.app"), std::nullopt);
    EXPECT_EQ(bundleIconFile(tree / "Linked.app"), std::nullopt);
    EXPECT_EQ(bundleIconFile(tree / "LinkedFolder.app"), std::nullopt);
    EXPECT_EQ(readBundleIcon(tree / "Missing.app"), std::nullopt);
}

} // namespace
} // namespace sorvale::platform

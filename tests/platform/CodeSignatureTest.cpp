// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "platform/CodeSignature.h"

#include "platform/PropertyList.h"
#include "support/MachOFixtures.h"

#include <gtest/gtest.h>

namespace sorvale::platform {
namespace {

std::optional<std::string> groupsOf(const std::string& file) {
    const auto xml = entitlementsXml(MemoryBytes(file));
    if (!xml) {
        return std::nullopt;
    }
    const auto list = PropertyList::parse(*xml);
    std::string groups;
    for (const char* key : {"com.apple.security.application-groups", "keychain-access-groups"}) {
        for (const std::string& group : list ? list->strings(key) : std::vector<std::string>{}) {
            groups += group + " ";
        }
    }
    return groups;
}

TEST(CodeSignature, EntitlementsAreReadFromTheNativeSliceOrElseTheFirst) {
    const std::string arm =
        test::signedMachO(test::kCpuTypeArm64, test::entitlements({"group.arm"}, {"T.arm"}));
    const std::string intel =
        test::signedMachO(test::kCpuTypeX86_64, test::entitlements({"group.intel"}, {}));
    EXPECT_EQ(groupsOf(arm), "group.arm T.arm ");
    EXPECT_EQ(
        groupsOf(test::universalFile({{test::kCpuTypeX86_64, intel}, {test::kCpuTypeArm64, arm}})),
        "group.arm T.arm ");
    EXPECT_EQ(
        groupsOf(test::universalFile({{test::kCpuTypeX86_64, intel}, {test::kCpuTypeArm64, arm}},
                                     /*wideHeader=*/true)),
        "group.arm T.arm ");
    EXPECT_EQ(groupsOf(test::universalFile({{test::kCpuTypeX86_64, intel}})), "group.intel ");
    EXPECT_EQ(groupsOf(test::signedMachO(test::kCpuTypeArm64, "")), std::nullopt);
    EXPECT_EQ(groupsOf("#!/bin/sh\necho not a Mach-O\n"), std::nullopt);
}

TEST(CodeSignature, TruncatedOrCorruptedFilesNeverReadOutOfBounds) {
    const std::string arm =
        test::signedMachO(test::kCpuTypeArm64, test::entitlements({"g.a.b"}, {}));
    const std::string file = test::universalFile({{test::kCpuTypeArm64, arm}});
    for (std::size_t length = 0; length < file.size(); ++length) {
        EXPECT_EQ(entitlementsXml(MemoryBytes(std::string_view(file).substr(0, length))),
                  std::nullopt)
            << "cut at " << length;
    }
    for (std::size_t at = 0; at < arm.size(); ++at) {
        std::string corrupted = arm;
        corrupted[at] = static_cast<char>(corrupted[at] ^ 0xFF);
        (void)entitlementsXml(MemoryBytes(corrupted)); // only its safety is in question
        corrupted[at] = '\xFF';
        (void)entitlementsXml(MemoryBytes(corrupted));
    }
}

} // namespace
} // namespace sorvale::platform

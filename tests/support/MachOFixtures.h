// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvale::test {

constexpr std::uint32_t kCpuTypeArm64 = 0x0100000C;
constexpr std::uint32_t kCpuTypeX86_64 = 0x01000007;

// A minimal 64-bit Mach-O executable whose code signature (a SuperBlob with a code directory
// and, when given, an entitlements blob) is laid out as the linker and codesign lay it out.
[[nodiscard]] std::string signedMachO(std::uint32_t cpuType, std::string_view entitlementsXml);

// A universal file of (cpu type, thin file) slices, each aligned to 4 KB.
[[nodiscard]] std::string
universalFile(const std::vector<std::pair<std::uint32_t, std::string>>& slices,
              bool wideHeader = false);

// An entitlements property list with the two group keys.
[[nodiscard]] std::string entitlements(const std::vector<std::string>& applicationGroups,
                                       const std::vector<std::string>& keychainGroups);

} // namespace sorvale::test

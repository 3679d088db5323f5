// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes read as an executable whose entitlements are wanted.

#include "platform/CodeSignature.h"
#include "platform/PropertyList.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const sorvale::platform::MemoryBytes executable({reinterpret_cast<const char*>(data), size});
    if (const auto xml = sorvale::platform::entitlementsXml(executable)) {
        (void)sorvale::platform::PropertyList::parse(*xml);
    }
    return 0;
}

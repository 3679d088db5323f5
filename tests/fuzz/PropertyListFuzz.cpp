// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// libFuzzer target: any bytes handed to the property-list reader.

#include "platform/PropertyList.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto list =
        sorvale::platform::PropertyList::parse({reinterpret_cast<const char*>(data), size});
    if (list) {
        (void)list->string("CFBundleIdentifier");
        (void)list->strings("keychain-access-groups");
    }
    return 0;
}

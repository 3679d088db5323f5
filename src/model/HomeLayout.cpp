// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "HomeLayout.h"

namespace sorvale::model {

std::string_view EnumTraits<HomeLayout>::rawValue(HomeLayout layout) {
    return layout == HomeLayout::macos ? "macos" : "linux";
}

const PlatformWords& words(HomeLayout layout) {
    static constexpr PlatformWords kMacos{"your Mac", "macOS Trash", "Finder",
                                          "disk images and installer packages"};
    static constexpr PlatformWords kLinux{"your computer", "the Trash", "the file manager",
                                          "packages, AppImages and installer archives"};
    return layout == HomeLayout::macos ? kMacos : kLinux;
}

bool hasAccessPermissions(HomeLayout layout) {
    return layout == HomeLayout::macos;
}

} // namespace sorvale::model

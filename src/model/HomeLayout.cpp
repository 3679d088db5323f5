// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "HomeLayout.h"

namespace sorvale::model {

std::string_view EnumTraits<HomeLayout>::rawValue(HomeLayout layout) {
    return layout == HomeLayout::macos ? "macos" : "linux";
}

bool hasAccessPermissions(HomeLayout layout) {
    return layout == HomeLayout::macos;
}

} // namespace sorvale::model

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "FixtureTree.h"

#include <optional>
#include <string>
#include <vector>

namespace sorvale::test {

// An application or plug-in bundle in `tree`: an XML Info.plist declaring `identifier` (none
// declares no identifier) and the icon file "AppIcon", and a main executable, signed with these
// groups when any are given.
std::filesystem::path bundle(FixtureTree& tree, const std::filesystem::path& relative,
                             const std::optional<std::string>& identifier,
                             const std::vector<std::string>& applicationGroups = {},
                             const std::vector<std::string>& keychainGroups = {});

} // namespace sorvale::test

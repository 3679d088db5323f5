// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "FixtureTree.h"

#include <cstdint>
#include <string>

namespace sorvale::test {

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;

// A 128 × 128 application icon as a PNG file: a rounded square shading from `top` to `bottom`
// with a light disc in its middle.
[[nodiscard]] std::string iconPng(Rgb top, Rgb bottom);

// An ICNS file holding `png` as its 128 × 128 image.
[[nodiscard]] std::string icns(const std::string& png);

// Gives the bundle at `bundle` (made by `bundle()`, which declares "AppIcon") its icon file.
void applicationIcon(FixtureTree& tree, const std::filesystem::path& bundle, Rgb top, Rgb bottom);

} // namespace sorvale::test

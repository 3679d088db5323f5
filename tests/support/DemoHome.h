// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "FixtureTree.h"

namespace sorvale::test {

// A realistic home folder in the macOS layout, with something for every screen: caches of every
// class, logs, Xcode and simulator data, containers, Application Support caches, Mail
// attachments, device backups, applications with support files, leftovers of removed ones,
// installers, large files, Downloads and the Trash. With a system root, also shared caches, a
// universal application and the tools that describe it.
void buildDemoHome(FixtureTree& home, FixtureTree* systemRoot = nullptr);

// A realistic Debian desktop in `tree`: its home as "home" (the desktop home of LinuxHome.h, with
// packages, images and large files in Downloads, Desktop and the personal folders) and its system
// root as "root". $XDG_CACHE_HOME, $XDG_CONFIG_HOME and $XDG_DATA_HOME must be unset when it is
// scanned.
void buildLinuxDemoHome(FixtureTree& tree);

} // namespace sorvale::test

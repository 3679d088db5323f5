#pragma once

#include "FixtureTree.h"

namespace sorvale::test {

// A realistic home folder in the macOS layout, with something for every screen: caches of every
// class, logs, Xcode and simulator data, containers, Application Support caches, Mail
// attachments, device backups, applications with support files, leftovers of removed ones,
// installers, large files, Downloads and the Trash. With a system root, also shared caches, a
// universal application and the tools that describe it.
void buildDemoHome(FixtureTree& home, FixtureTree* systemRoot = nullptr);

} // namespace sorvale::test

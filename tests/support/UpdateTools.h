// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "FixtureTree.h"

#include <string>
#include <utility>
#include <vector>

namespace sorvale::test {

// Stand-ins for the updater's tools under a system root, steered by files in the root:
// - `ditto` unpacks ZIP archives trusting every name and link, then runs "<root>/ditto-also"
//   (a shell script, when it exists) with the extraction folder, to misbehave as told;
// - `codesign` verifies unless "<root>/codesign-fails" exists, hangs while "<root>/codesign-hangs"
//   exists, and when "<root>/codesign-waits" exists creates "<root>/codesign-started" and waits
//   for "<root>/codesign-proceed"; it answers -dvv with the bundle's own "team" file;
// - `spctl` accepts; `nohup` writes its arguments to "<root>/nohup-arguments"; `zsh`, `mv`, `rm`
//   and `open` do nothing.
// The running application is "<root>/Applications/Sorvale.app", signed by TEAM1.
void installUpdateTools(FixtureTree& root);

// The Info.plist of an application bundle of this version.
[[nodiscard]] std::string infoPlistOfVersion(const std::string& version);

// The files of a Sorvale.app of this version signed by TEAM1: an update that the stand-in tools
// verify, as (path inside an archive, contents).
[[nodiscard]] std::vector<std::pair<std::string, std::string>>
verifiedUpdateFiles(const std::string& version);

} // namespace sorvale::test

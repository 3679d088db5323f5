#pragma once

#include "FixtureTree.h"

#include <string>
#include <utility>
#include <vector>

namespace sorvale::test {

// Stand-ins for the updater's tools under a system root: a `ditto` that unpacks ZIP archives,
// a `codesign` that verifies unless "<root>/codesign-fails" exists and answers -dvv with the
// bundle's own "team" file, an `spctl` that accepts, and a `nohup` that writes its arguments to
// "<root>/nohup-arguments". The running application is "<root>/Applications/Sorvale.app", signed
// by TEAM1.
void installUpdateTools(FixtureTree& root);

// The Info.plist of an application bundle of this version.
[[nodiscard]] std::string infoPlistOfVersion(const std::string& version);

// The files of a Sorvale.app of this version signed by TEAM1: an update that the stand-in tools
// verify, as (path inside an archive, contents).
[[nodiscard]] std::vector<std::pair<std::string, std::string>>
verifiedUpdateFiles(const std::string& version);

} // namespace sorvale::test

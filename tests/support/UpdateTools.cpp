// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "UpdateTools.h"

#include <fstream>

namespace sorvale::test {
namespace {

// A stand-in's script, with each "@/" naming the root's steering files.
std::string steered(std::string_view body, const FixtureTree& root) {
    const std::string folder = "'" + root.root().native() + "'/";
    std::string script;
    for (std::size_t at = body.find("@/"); at != std::string_view::npos; at = body.find("@/")) {
        script.append(body.substr(0, at)).append(folder);
        body.remove_prefix(at + 2);
    }
    return script.append(body);
}

} // namespace

void installUpdateTools(FixtureTree& root) {
    root.script("usr/bin/ditto", steered("'" SORVALE_TEST_UNZIP R"(' "$3" "$4" || exit 1
[ ! -e @/ditto-also ] || sh @/ditto-also "$4")",
                                         root));
    root.script("usr/bin/codesign",
                steered(R"(if [ "$1" = -dvv ]; then cat "$2/team" 2>/dev/null || exit 1; exit 0; fi
[ ! -e @/codesign-hangs ] || exec sleep 60
if [ -e @/codesign-waits ]; then
  : > @/codesign-started
  while [ ! -e @/codesign-proceed ]; do sleep 0.05; done
fi
[ ! -e @/codesign-fails ] || { echo 'a sealed resource is missing'; exit 1; })",
                        root));
    root.script("usr/sbin/spctl", "echo accepted");
    root.script("usr/bin/nohup", steered(R"(echo "$@" > @/nohup-arguments)", root));
    for (const char* tool : {"bin/zsh", "bin/mv", "bin/rm", "usr/bin/open"}) {
        root.script(tool, "exit 0");
    }
    std::ofstream(root.file("Applications/Sorvale.app/team")) << "TeamIdentifier=TEAM1\n";
}

std::string infoPlistOfVersion(const std::string& version) {
    return "<plist version=\"1.0\"><dict><key>CFBundleShortVersionString</key><string>" + version +
           "</string></dict></plist>";
}

std::vector<std::pair<std::string, std::string>> verifiedUpdateFiles(const std::string& version) {
    return {{"Sorvale.app/Contents/Info.plist", infoPlistOfVersion(version)},
            {"Sorvale.app/team", "TeamIdentifier=TEAM1\n"}};
}

} // namespace sorvale::test

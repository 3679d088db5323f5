#include "UpdateTools.h"

#include <fstream>

namespace sorvale::test {

void installUpdateTools(FixtureTree& root) {
    root.script("usr/bin/ditto", "exec '" SORVALE_TEST_UNZIP "' \"$3\" \"$4\"");
    root.script("usr/bin/codesign",
                "if [ \"$1\" = -dvv ]; then cat \"$2/team\" 2>/dev/null || exit 1; exit 0; fi\n"
                "[ ! -e '" +
                    (root / "codesign-fails").native() +
                    "' ] || { echo 'a sealed resource is missing'; exit 1; }");
    root.script("usr/sbin/spctl", "echo accepted");
    root.script("usr/bin/nohup", "echo \"$@\" > '" + (root / "nohup-arguments").native() + "'");
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

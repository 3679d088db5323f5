// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "UniversalApplications.h"

#include <cstdlib>
#include <fstream>

namespace sorvale::test {

namespace fs = std::filesystem;

void UniversalApplications::SetUpTestSuite() {
    objects_ = std::make_unique<TempTree>();
    const engine::ScanEngine host;
    std::ofstream(*objects_ / "data.c") << "int table[20000] = {1};\n";
    for (const char* architecture : {"arm64", "x86_64"}) {
        const auto built = host.runTool(
            "/usr/bin/clang", {"-target", std::string(architecture) + "-apple-macos11", "-c",
                               (*objects_ / "data.c").native(), "-o",
                               (*objects_ / (std::string(architecture) + ".o")).native()});
        ASSERT_EQ(built.status, 0) << built.output;
    }
    const auto joined =
        host.runTool("/usr/bin/llvm-lipo-14", {"-create", (*objects_ / "arm64.o").native(),
                                               (*objects_ / "x86_64.o").native(), "-output",
                                               (*objects_ / "universal").native()});
    ASSERT_EQ(joined.status, 0) << joined.output;
}

void UniversalApplications::SetUp() {
    tree.script("root/usr/bin/lipo", "failing=$(cat '" + (tree / "fail-thinning").native() +
                                         "' 2>/dev/null)\n"
                                         "case \"$1\" in ${failing:-/}) exit 1;; esac\n"
                                         "case \"$1\" in -detailed_info)\n"
                                         "  exec llvm-objdump-14 --macho --universal-headers "
                                         "\"$2\";;\nesac\nexec llvm-lipo-14 \"$@\"");
    tree.script("root/usr/bin/codesign",
                "echo call >> '" + (tree / "codesign-calls").native() + "'\n" + "set -- $(cat '" +
                    (tree / "codesign-statuses").native() + "')\n" +
                    "status=${1:-0}; shift; echo \"$@\" > '" +
                    (tree / "codesign-statuses").native() + "'; exit $status");
    tree.folder("tmp");
    ::setenv("TMPDIR", (tree / "tmp").c_str(), 1);
}

void UniversalApplications::TearDown() {
    ::unsetenv("TMPDIR");
}

fs::path UniversalApplications::universalCopy(const fs::path& relative) {
    tree.folder(relative.parent_path());
    fs::copy_file(object("universal"), tree / relative);
    return tree / relative;
}

void UniversalApplications::codesignAnswers(const std::string& statuses) {
    std::ofstream(tree / "codesign-statuses") << statuses;
}

std::vector<model::CleanupItem> UniversalApplications::universalItems() const {
    auto items = engine.scanJunk(tree / "home").items;
    std::erase_if(items, [](const model::CleanupItem& item) {
        return item.category != model::CleanupCategory::universalBinaries;
    });
    return items;
}

bool UniversalApplications::workingFoldersRemain() const {
    return !fs::is_empty(tree / "tmp");
}

} // namespace sorvale::test

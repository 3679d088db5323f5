#include "engine/ScanEngine.h"
#include "support/UniversalApplications.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;

using UniversalBinaries = test::UniversalApplications;

TEST_F(UniversalBinaries, TheSignaturesAreTheFourFatHeaderMagicNumbers) {
    for (const std::string magic :
         {"\xCA\xFE\xBA\xBE", "\xBE\xBA\xFE\xCA", "\xCA\xFE\xBA\xBF", "\xBF\xBA\xFE\xCA"}) {
        std::ofstream(tree / "file", std::ios::binary) << magic << "rest";
        EXPECT_TRUE(ScanEngine::isUniversalMachO(tree / "file"));
    }
    std::ofstream(tree / "short", std::ios::binary) << "\xCA\xFE\xBA";
    EXPECT_FALSE(ScanEngine::isUniversalMachO(tree / "short"));
    EXPECT_FALSE(ScanEngine::isUniversalMachO(object("arm64.o")));
    EXPECT_FALSE(ScanEngine::isUniversalMachO(tree / "tmp"));
    EXPECT_TRUE(ScanEngine::isUniversalMachO(object("universal")));
}

TEST_F(UniversalBinaries, TheNativeSliceSizeIsTheFirstParsableSizeOfTheArm64Section) {
    const auto sliceSize = [&](const std::string& output, int status = 0) {
        tree.script("root/usr/bin/lipo",
                    "cat <<'END'\n" + output + "END\nexit " + std::to_string(status));
        return engine.nativeSliceSize(tree / "any");
    };
    const std::string listing = "architecture x86_64\n    size 111\narchitecture arm64\n"
                                "\tcputype CPU_TYPE_ARM64\n    size abc\n    size  222 extra\n"
                                "architecture arm64e\n    size 333\n";
    EXPECT_EQ(sliceSize(listing), 222);
    EXPECT_EQ(sliceSize(listing, 1), std::nullopt);
    EXPECT_EQ(sliceSize("architecture arm64e\n    size 333\n"), std::nullopt);
    EXPECT_EQ(sliceSize("architecture x86_64\n    size 111\n"), std::nullopt);
}

TEST_F(UniversalBinaries, WritableUniversalExecutablesQualifyButLinksToThemDoNot) {
    const fs::path contents = "root/Applications/Tools/Tool.app/Contents";
    const auto main = universalCopy(contents / "MacOS/Tool");
    const auto kit = universalCopy(contents / "Frameworks/Kit.framework/Versions/A/Kit");
    tree.symlink(contents / "Frameworks/Kit.framework/Kit", "Versions/A/Kit");
    fs::copy_file(object("arm64.o"), tree.folder("home/Applications/Thin.app") / "Thin");

    const auto items = engine.scanUniversalApplications(tree / "home").items;
    ASSERT_EQ(items.size(), 1U);
    const auto& item = items.front();
    EXPECT_EQ(item.name, "Tool");
    EXPECT_EQ(item.url, tree / "root/Applications/Tools/Tool.app");
    EXPECT_EQ(item.operation, model::CleanupOperation::optimizeUniversal());
    const auto saving = static_cast<std::int64_t>(fs::file_size(object("universal")) -
                                                  fs::file_size(object("arm64.o")));
    EXPECT_EQ(item.size, 2 * saving);
    EXPECT_EQ(std::set(item.relatedFiles.begin(), item.relatedFiles.end()),
              (std::set<model::Location>{main, kit}));

    const auto unprivilegedItems = test::runUnprivileged<std::size_t>(
        [&] { return engine.scanUniversalApplications(tree / "home").items.size(); });
    ASSERT_TRUE(unprivilegedItems);
    EXPECT_EQ(*unprivilegedItems, 0U) << "a bundle the user cannot write is left alone";
}

TEST_F(UniversalBinaries, AnExecutableMustSaveMoreThan64000Bytes) {
    for (const char* name : {"Small", "Enough"}) {
        std::ofstream(tree.folder(std::string("root/Applications/") + name + ".app") / "exe",
                      std::ios::binary)
            << "\xCA\xFE\xBA\xBE" << std::string(99'996, '\0');
    }
    tree.script("root/usr/bin/lipo", "echo 'architecture arm64'\ncase \"$2\" in\n"
                                     "*Small.app*) echo '    size 36000';;\n"
                                     "*) echo '    size 35999';;\nesac");
    const auto items = engine.scanUniversalApplications(tree / "home").items;
    ASSERT_EQ(items.size(), 1U);
    EXPECT_EQ(items.front().name, "Enough");
    EXPECT_EQ(items.front().size, 64'001);
}

} // namespace
} // namespace sorvale::engine

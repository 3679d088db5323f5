#include "engine/ScanEngine.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;
using test::contents;

// Real universal Mach-O files, built once: arm64 and x86_64 objects joined by llvm-lipo. The
// stand-in lipo answers -detailed_info with the same fat-header listing through llvm-objdump, and
// thins with llvm-lipo, so magic numbers, slice sizes and thinned files are all real.
class UniversalBinaries : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        objects_ = std::make_unique<test::TempTree>();
        const ScanEngine host;
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
    static void TearDownTestSuite() { objects_.reset(); }

    void SetUp() override {
        tree.script("root/usr/bin/lipo", "if [ -e '" + (tree / "fail-two").native() +
                                             "' ] && [ \"${1##*/}\" = two ]; then exit 1; fi\n"
                                             "case \"$1\" in -detailed_info)\n"
                                             "  exec llvm-objdump-14 --macho --universal-headers "
                                             "\"$2\";;\nesac\nexec llvm-lipo-14 \"$@\"");
        tree.script("root/usr/bin/codesign",
                    "echo call >> '" + (tree / "codesign-calls").native() + "'\n" +
                        "set -- $(cat '" + (tree / "codesign-statuses").native() + "')\n" +
                        "status=${1:-0}; shift; echo \"$@\" > '" +
                        (tree / "codesign-statuses").native() + "'; exit $status");
        tree.folder("tmp");
        ::setenv("TMPDIR", (tree / "tmp").c_str(), 1);
    }
    void TearDown() override { ::unsetenv("TMPDIR"); }

    static fs::path object(const char* name) { return *objects_ / name; }
    fs::path universalCopy(const fs::path& relative) {
        tree.folder(relative.parent_path());
        fs::copy_file(object("universal"), tree / relative);
        return tree / relative;
    }
    void codesignAnswers(const std::string& statuses) {
        std::ofstream(tree / "codesign-statuses") << statuses;
    }
    model::CleanupItem application(const std::string& name, std::vector<fs::path> executables) {
        model::CleanupItem item;
        item.url = tree / "root/Applications" / (name + ".app");
        item.category = CleanupCategory::universalBinaries;
        item.relatedFiles = std::move(executables);
        return item;
    }
    bool workingFoldersRemain() const { return !fs::is_empty(tree / "tmp"); }

    static inline std::unique_ptr<test::TempTree> objects_;
    test::TempTree tree;
    ScanEngine engine{tree / "root"};
};

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

    const auto items = engine.scanUniversalApplications(tree / "home");
    ASSERT_EQ(items.size(), 1U);
    const auto& item = items.front();
    EXPECT_EQ(item.name, "Tool");
    EXPECT_EQ(item.url, tree / "root/Applications/Tools/Tool.app");
    EXPECT_EQ(item.operation, model::CleanupOperation::optimizeUniversal());
    const auto saving = static_cast<std::int64_t>(fs::file_size(object("universal")) -
                                                  fs::file_size(object("arm64.o")));
    EXPECT_EQ(item.size, 2 * saving);
    EXPECT_EQ(std::set(item.relatedFiles.begin(), item.relatedFiles.end()), (std::set{main, kit}));

    const auto unprivilegedItems = test::runUnprivileged<std::size_t>(
        [&] { return engine.scanUniversalApplications(tree / "home").size(); });
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
    const auto items = engine.scanUniversalApplications(tree / "home");
    ASSERT_EQ(items.size(), 1U);
    EXPECT_EQ(items.front().name, "Enough");
    EXPECT_EQ(items.front().size, 64'001);
}

TEST_F(UniversalBinaries, OptimisingLeavesThinnedExecutablesWithTheirPermissions) {
    const auto first = universalCopy("root/Applications/Tool.app/Contents/MacOS/Tool");
    const auto second = universalCopy("root/Applications/Tool.app/Contents/MacOS/helper");
    fs::permissions(first, fs::perms(0751));
    codesignAnswers("0 0");
    EXPECT_EQ(engine.optimizeUniversalApplication(application("Tool", {first, second})),
              std::nullopt);
    EXPECT_EQ(contents(first), contents(object("arm64.o")));
    EXPECT_EQ(contents(second), contents(object("arm64.o")));
    EXPECT_EQ(fs::status(first).permissions(), fs::perms(0751));
    EXPECT_EQ(contents(tree / "codesign-calls"), "call\ncall\n");
    EXPECT_FALSE(workingFoldersRemain());
}

TEST_F(UniversalBinaries, AFailedThinningRestoresWhatWasReplacedAndNamesTheFile) {
    const auto one = universalCopy("root/Applications/Tool.app/Contents/MacOS/one");
    const auto two = universalCopy("root/Applications/Tool.app/Contents/MacOS/two");
    const auto three = universalCopy("root/Applications/Tool.app/Contents/MacOS/three");
    tree.file("fail-two");
    EXPECT_EQ(engine.optimizeUniversalApplication(application("Tool", {one, two, three})),
              "Could not safely optimize two.");
    for (const auto& executable : {one, two, three}) {
        EXPECT_EQ(contents(executable), contents(object("universal"))) << executable;
    }
    EXPECT_FALSE(workingFoldersRemain());
}

TEST_F(UniversalBinaries, ASignatureBrokenByThinningIsUndoneAndAnInvalidOneIsNotCheckedAgain) {
    const auto executable = universalCopy("root/Applications/Tool.app/Contents/MacOS/Tool");
    codesignAnswers("0 1");
    EXPECT_EQ(engine.optimizeUniversalApplication(application("Tool", {executable})),
              "The app signature changed, so Sorvale restored the original files.");
    EXPECT_EQ(contents(executable), contents(object("universal")));

    fs::remove(tree / "codesign-calls");
    codesignAnswers("1 1");
    EXPECT_EQ(engine.optimizeUniversalApplication(application("Tool", {executable})), std::nullopt);
    EXPECT_EQ(contents(executable), contents(object("arm64.o")));
    EXPECT_EQ(contents(tree / "codesign-calls"), "call\n");
    EXPECT_FALSE(workingFoldersRemain());
}

TEST_F(UniversalBinaries, OnlyUniversalItemsWithExecutablesAreOptimised) {
    auto item = application("Tool", {});
    EXPECT_EQ(engine.optimizeUniversalApplication(item), "No universal executables were found.");
    item.relatedFiles = {universalCopy("root/Applications/Tool.app/Tool")};
    item.category = CleanupCategory::userCaches;
    EXPECT_EQ(engine.optimizeUniversalApplication(item), "No universal executables were found.");
    EXPECT_EQ(contents(item.relatedFiles.front()), contents(object("universal")));
    EXPECT_FALSE(fs::exists(tree / "codesign-calls"));
}

} // namespace
} // namespace sorvale::engine

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/ScanEngine.h"
#include "support/UniversalApplications.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;

class UniversalBinaries : public test::UniversalApplications {
protected:
    // An application whose executable is `header` followed by zeros, 100,000 bytes in all.
    void application(const std::string& name, const std::string& header) {
        std::ofstream(tree.folder("root/Applications/" + name + ".app") / "exe", std::ios::binary)
            << header << std::string(100'000 - header.size(), '\0');
    }
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& item : universalItems()) {
            found.insert(item.name);
        }
        return found;
    }
};

TEST_F(UniversalBinaries, OnlyFilesThatBeginWithAFatHeaderAreAskedAbout) {
    application("Big", "\xCA\xFE\xBA\xBE");
    application("Little", "\xBE\xBA\xFE\xCA");
    application("Big64", "\xCA\xFE\xBA\xBF");
    application("Little64", "\xBF\xBA\xFE\xCA");
    std::ofstream(tree.folder("root/Applications/Short.app") / "exe", std::ios::binary)
        << "\xCA\xFE\xBA";
    fs::copy_file(object("arm64.o"), tree.folder("root/Applications/Thin.app") / "exe");
    tree.script("root/usr/bin/lipo", "echo 'architecture arm64'; echo '    size 0'");
    EXPECT_EQ(names(), (std::set<std::string>{"Big", "Big64", "Little", "Little64"}));
}

TEST_F(UniversalBinaries, TheArm64SliceIsItsFirstParsableSizeAndMustSaveMoreThan64000Bytes) {
    for (const char* name : {"Listed", "Failing", "OnlyArm64e", "OnlyIntel", "Small", "Enough"}) {
        application(name, "\xCA\xFE\xBA\xBE");
    }
    const std::string listing = "architecture x86_64\n    size 111\narchitecture arm64\n"
                                "\tcputype CPU_TYPE_ARM64\n    size abc\n    size  222 extra\n"
                                "architecture arm64e\n    size 333\n";
    tree.script("root/usr/bin/lipo",
                "case \"$2\" in\n*Listed.app*) cat <<'END'\n" + listing + "END\n;;\n" +
                    "*Failing.app*) cat <<'END'\n" + listing + "END\nexit 1;;\n" +
                    "*OnlyArm64e.app*) printf 'architecture arm64e\\n    size 333\\n';;\n" +
                    "*OnlyIntel.app*) printf 'architecture x86_64\\n    size 111\\n';;\n" +
                    "*Small.app*) printf 'architecture arm64\\n    size 36000\\n';;\n" +
                    "*) printf 'architecture arm64\\n    size 35999\\n';;\nesac");
    std::map<std::string, std::int64_t> savings;
    for (const auto& item : universalItems()) {
        savings[item.name] = item.size;
    }
    EXPECT_EQ(savings,
              (std::map<std::string, std::int64_t>{{"Enough", 64'001}, {"Listed", 100'000 - 222}}));
}

TEST_F(UniversalBinaries, WritableUniversalExecutablesQualifyButLinksToThemDoNot) {
    const fs::path contents = "root/Applications/Tools/Tool.app/Contents";
    const auto main = universalCopy(contents / "MacOS/Tool");
    const auto kit = universalCopy(contents / "Frameworks/Kit.framework/Versions/A/Kit");
    tree.symlink(contents / "Frameworks/Kit.framework/Kit", "Versions/A/Kit");
    fs::copy_file(object("arm64.o"), tree.folder("home/Applications/Thin.app") / "Thin");

    const auto items = universalItems();
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

    const auto unprivilegedItems =
        test::runUnprivileged<std::size_t>([&] { return universalItems().size(); });
    ASSERT_TRUE(unprivilegedItems);
    EXPECT_EQ(*unprivilegedItems, 0U) << "a bundle the user cannot write is left alone";
}

} // namespace
} // namespace sorvale::engine

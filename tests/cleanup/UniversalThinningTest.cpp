// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "cleanup/UniversalThinning.h"

#include "support/UniversalApplications.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>

namespace sorvale::cleanup {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;
using test::contents;

// What the optimisation said, in English; empty when it said nothing.
std::string englishOf(const std::optional<model::Message>& message) {
    return message ? message->english() : std::string();
}

ino_t inodeOf(const fs::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

class UniversalThinning : public test::UniversalApplications {
protected:
    // The scan's item for Tool.app, its executables in the order of `order`.
    model::CleanupItem scannedTool(const std::vector<fs::path>& order = {}) {
        const auto items = universalItems();
        EXPECT_EQ(items.size(), 1U);
        model::CleanupItem item = items.empty() ? model::CleanupItem{} : items.front();
        const auto position = [&](const model::Location& file) {
            return std::find(order.begin(), order.end(), file.path()) - order.begin();
        };
        std::sort(item.relatedFiles.begin(), item.relatedFiles.end(),
                  [&](const auto& a, const auto& b) { return position(a) < position(b); });
        return item;
    }
    // Thinning fails for the item's executable at `index`, by the name of its backup.
    void failThinningOf(std::size_t index) {
        std::ofstream(tree / "fail-thinning") << "*/backup-" << index;
    }
};

TEST_F(UniversalThinning, ExecutablesAreThinnedInPlaceWithTheirPermissions) {
    const auto first = universalCopy("root/Applications/Tool.app/Contents/MacOS/Tool");
    const auto second = universalCopy("root/Applications/Tool.app/Contents/MacOS/helper");
    fs::permissions(first, fs::perms(0751));
    const auto item = scannedTool();
    codesignAnswers("0 0");
    EXPECT_EQ(optimizeUniversalApplication(engine, item), std::nullopt);
    EXPECT_EQ(contents(first), contents(object("arm64.o")));
    EXPECT_EQ(contents(second), contents(object("arm64.o")));
    EXPECT_EQ(fs::status(first).permissions(), fs::perms(0751));
    EXPECT_EQ(contents(tree / "codesign-calls"), "call\ncall\n");
    EXPECT_FALSE(workingFoldersRemain());
    for (const auto& entry : fs::directory_iterator(first.parent_path())) {
        EXPECT_TRUE(entry.path() == first || entry.path() == second) << "left behind: " << entry;
    }
}

TEST_F(UniversalThinning, ASignatureBrokenByThinningIsUndoneAndAnInvalidOneIsNotCheckedAgain) {
    const auto executable = universalCopy("root/Applications/Tool.app/Contents/MacOS/Tool");
    codesignAnswers("0 1");
    EXPECT_EQ(englishOf(optimizeUniversalApplication(engine, scannedTool())),
              "The app signature changed, so Sorvale restored the original files.");
    EXPECT_EQ(contents(executable), contents(object("universal")));

    fs::remove(tree / "codesign-calls");
    codesignAnswers("1 1");
    EXPECT_EQ(optimizeUniversalApplication(engine, scannedTool()), std::nullopt);
    EXPECT_EQ(contents(executable), contents(object("arm64.o")));
    EXPECT_EQ(contents(tree / "codesign-calls"), "call\n");
    EXPECT_FALSE(workingFoldersRemain());
}

TEST_F(UniversalThinning, AFailedThinningRestoresWhatWasReplacedAndNamesTheFile) {
    const auto one = universalCopy("root/Applications/Tool.app/Contents/MacOS/one");
    const auto two = universalCopy("root/Applications/Tool.app/Contents/MacOS/two");
    const auto three = universalCopy("root/Applications/Tool.app/Contents/MacOS/three");
    failThinningOf(1);
    EXPECT_EQ(englishOf(optimizeUniversalApplication(engine, scannedTool({one, two, three}))),
              "Could not safely optimize two.");
    for (const auto& executable : {one, two, three}) {
        EXPECT_EQ(contents(executable), contents(object("universal"))) << executable;
    }
    EXPECT_FALSE(workingFoldersRemain());
}

TEST_F(UniversalThinning, AnExecutableReplacedAfterTheScanIsLeftAloneAndTheRestPutBack) {
    const auto one = universalCopy("root/Applications/Tool.app/Contents/MacOS/one");
    const auto two = universalCopy("root/Applications/Tool.app/Contents/MacOS/two");
    const auto item = scannedTool({one, two});
    // Another file takes the second executable's name: same bytes, another file.
    fs::rename(universalCopy("root/Applications/Tool.app/Contents/MacOS/two.new"), two);
    const auto replacedIdentity = inodeOf(two);
    EXPECT_EQ(englishOf(optimizeUniversalApplication(engine, item)),
              "\u201Ctwo\u201D changed after the scan \u2014 scan again.");
    EXPECT_EQ(contents(one), contents(object("universal"))) << "the first one was put back";
    EXPECT_EQ(contents(two), contents(object("universal")));
    EXPECT_EQ(inodeOf(two), replacedIdentity);
    EXPECT_FALSE(workingFoldersRemain());
}

TEST_F(UniversalThinning, AnOriginalThatCannotBePutBackIsNamedAndKept) {
    const auto executable = universalCopy("root/Applications/Tool.app/Contents/MacOS/Tool");
    const auto item = scannedTool();
    // The second signature check fails, and locks the folder the original must go back to.
    tree.script("root/usr/bin/codesign",
                "if [ -e '" + (tree / "checked").native() + "' ]; then chmod 555 '" +
                    executable.parent_path().native() + "'; exit 1; fi\ntouch '" +
                    (tree / "checked").native() + "'");
    test::giveToUnprivilegedUser(tree.root());
    const auto message = test::runUnprivileged<std::array<char, 512>>([&] {
        std::array<char, 512> text{};
        const auto result = optimizeUniversalApplication(engine, item);
        std::snprintf(text.data(), text.size(), "%s", englishOf(result).c_str());
        return text;
    });
    fs::permissions(executable.parent_path(), fs::perms(0755));
    ASSERT_TRUE(message);
    const std::string text(message->data());
    EXPECT_TRUE(text.starts_with("The app signature changed, and Sorvale could not restore "
                                 "\u201CTool\u201D (its original is kept at "))
        << text;
    EXPECT_EQ(contents(executable), contents(object("arm64.o")));
    const std::string kept =
        text.substr(text.find(" at ") + 4, text.rfind(").") - text.find(" at ") - 4);
    EXPECT_EQ(contents(kept), contents(object("universal")));
}

TEST_F(UniversalThinning, OnlyUniversalItemsWithExecutablesAreOptimised) {
    universalCopy("root/Applications/Tool.app/Tool");
    auto item = scannedTool();
    item.category = CleanupCategory::userCaches;
    EXPECT_EQ(englishOf(optimizeUniversalApplication(engine, item)),
              "No universal executables were found.");
    item.category = CleanupCategory::universalBinaries;
    item.relatedFiles.clear();
    EXPECT_EQ(englishOf(optimizeUniversalApplication(engine, item)),
              "No universal executables were found.");
    EXPECT_EQ(contents(tree / "root/Applications/Tool.app/Tool"), contents(object("universal")));
    EXPECT_FALSE(fs::exists(tree / "codesign-calls"));
}

} // namespace
} // namespace sorvale::cleanup

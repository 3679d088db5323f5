// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "StoreFixture.h"

namespace sorvale::store::test {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;

// A home whose Smart Cleanup scan finds one item of each of several kinds.
class JunkStore : public StoreFixture {
protected:
    void SetUp() override {
        for (const char* file :
             {"Library/Caches/com.example.cache/x", "Library/Logs/app.log",
              "Library/Containers/com.example.App/Data/Library/WebKit/x",
              ".local/share/Trash/files/old.zip",
              "Library/Containers/com.apple.mail/Data/Library/Mail Downloads/attached.pdf",
              "Library/Developer/Xcode/DerivedData/Project/x"}) {
            tree.file(home / file, 4096);
        }
        tree.file("root/Library/Caches/com.apple.shared/x", 4096);
        tree.script("root/usr/bin/xcrun",
                    R"(echo '{"R": {"deletable": true, "sizeBytes": 9000, "version": "17"}}')");
        store->startJunkScan();
        ASSERT_TRUE(waitForDisplayedCompletion());
        ASSERT_EQ(store->itemsOf(model::AppSection::cleanup).size(), 8U);
    }
    void select(std::initializer_list<CleanupCategory> categories) {
        sorvale::test::selectOnly(*store, [&](const model::CleanupItem& item) {
            return std::find(categories.begin(), categories.end(), item.category) !=
                   categories.end();
        });
    }
};

TEST_F(StoreFixture, AScanFillsItsListAndAnotherScanStartedMeanwhileDiscardsIt) {
    EXPECT_TRUE(store->displayedItems().isEmpty());
    EXPECT_EQ(store->displayedState().value("kind"), "idle");
    tree.file("home/Downloads/a.zip", 8192);
    tree.file("home/Downloads/b.zip", 4096);
    tree.file("home/.local/share/Trash/files/old.txt", 4096);

    store->scanTrash();
    EXPECT_EQ(store->trashState().value("text"), "Checking Trash\u2026");
    store->scanDownloads();
    EXPECT_EQ(store->downloadsState().value("text"), "Scanning Downloads\u2026");
    ASSERT_TRUE(waitForDisplayedCompletion());
    EXPECT_EQ(store->selection(), "downloads");
    const QVariantList items = store->displayedItems();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].toMap().value("name"), "a.zip");
    EXPECT_EQ(store->inaccessibleCounts().value("downloads"), 0);
    EXPECT_TRUE(store->trashItems().isEmpty()) << "the replaced Trash scan changed nothing";
    EXPECT_EQ(store->trashState().value("kind"), "idle") << "its list is as it was before";

    store->selectSection("overview");
    EXPECT_TRUE(store->displayedItems().isEmpty());
    EXPECT_EQ(store->displayedState().value("kind"), "idle");
}

TEST_F(StoreFixture, LargeFilesUseTheMinimumInMegabytesNameTheFolderAndSayWhatWasSearched) {
    // 100,000,000 bytes take 100,003,840 bytes in blocks of 4,096.
    tree.allocatedFile("home/Movies/clip.mov", 100'000'000);
    EXPECT_EQ(store->largeFilesScope(), "");
    store->scanLargeFiles(home / "missing");
    ASSERT_TRUE(waitForDisplayedCompletion());
    EXPECT_EQ(store->displayedInaccessibleCount(), 0)
        << "the screen itself says the folder is gone";
    EXPECT_EQ(store->largeFilesScope(),
              "Files of at least 500 MB in " + QString::fromStdString((home / "missing").native()));
    EXPECT_TRUE(store->screen().value("emptyTitle").toString().contains("\u201Cmissing\u201D"))
        << "the folder that is gone is named";

    store->setLargeFileMinimumMB(100);
    const QString movies = QString::fromStdString((home / "Movies").native());
    store->scanLargeFiles(QUrl::fromLocalFile(movies + "/"));
    EXPECT_EQ(store->largeFilesState().value("text"), "Analyzing Movies\u2026")
        << "not the empty name after the separator";
    EXPECT_TRUE(store->largeFilesScope().endsWith("missing")) << "nothing was found with it yet";
    ASSERT_TRUE(waitForDisplayedCompletion());
    EXPECT_EQ(store->displayedInaccessibleCount(), 0);
    EXPECT_EQ(store->largeItems().size(), 1);
    EXPECT_EQ(store->largeFilesScope(), "Files of at least 100 MB in " + movies);

    store->setLargeFileMinimumMB(100.01);
    store->scanLargeFiles(home);
    ASSERT_TRUE(waitForDisplayedCompletion());
    EXPECT_EQ(store->largeItems().size(), 0) << "100,010,000 bytes is more than the file holds";
    EXPECT_EQ(store->largeFilesScope(),
              "Files of at least 100 MB in " + QString::fromStdString(home.native()));
    EXPECT_FALSE(store->screen().value("emptyTitle").toString().contains("\u201C"))
        << "a folder searched in vain is not said to be gone";

    // The minimum stays within what the settings can show.
    store->setLargeFileMinimumMB(std::numeric_limits<double>::infinity());
    EXPECT_EQ(store->largeFileMinimumMB(), 100.01);
    store->setLargeFileMinimumMB(10);
    EXPECT_EQ(store->largeFileMinimumMB(), 100);
    store->setLargeFileMinimumMB(9000);
    EXPECT_EQ(store->largeFileMinimumMB(), 5000);
}

TEST_F(StoreFixture, TheFolderChooserIsAskedAndACancelDoesNothing) {
    std::optional<std::optional<fs::path>> answer;
    CleanupStore::FolderRequest asked;
    store->setFolderChooser([&](const CleanupStore::FolderRequest& request, auto choose) {
        asked = request;
        choose(*answer);
    });
    answer = std::optional<fs::path>();
    store->chooseLargeFileFolder();
    EXPECT_EQ(store->selection(), "overview");
    EXPECT_EQ(asked.title, "Choose a folder to analyze");
    EXPECT_EQ(asked.prompt, "Scan Folder");
    EXPECT_EQ(asked.startFolder, home);

    answer = home;
    store->chooseLargeFileFolder();
    EXPECT_EQ(store->selection(), "largeFiles");
    EXPECT_TRUE(waitForDisplayedCompletion());
}

TEST_F(StoreFixture, SelectionBelongsToTheDisplayedListAndKeysSurviveAnyBytes) {
    for (const char* name : {"one", "two", "three", "caf\xE9"}) {
        tree.file(home / "Downloads" / name, 4096);
    }
    store->scanDownloads();
    ASSERT_TRUE(waitForDisplayedCompletion());
    QSignalSpy selectedSize(store.get(), &CleanupStore::selectedSizeChanged);
    store->toggle(key(home / "Downloads/caf\xE9"));
    store->setSelection({key(home / "Downloads/one"), key(home / "Downloads/two")}, true);
    EXPECT_EQ(selectedNames(), (std::vector<std::string>{"caf\xE9", "one", "two"}));
    EXPECT_EQ(store->selectedSize(), 3 * 4096);
    EXPECT_EQ(store->selectedCount(), 3);
    EXPECT_EQ(selectedSize.count(), 2);

    store->scanTrash();
    ASSERT_TRUE(waitForDisplayedCompletion());
    EXPECT_TRUE(store->selectedItems().isEmpty());
    EXPECT_EQ(store->selectionActionTitle(), "Delete Permanently");
    store->selectSection("downloads");
    EXPECT_EQ(store->selectedItems().size(), 3);

    QSignalSpy anyChange(store.get(), &CleanupStore::selectionChanged);
    store->selectSection("downloads");
    store->setShowDeleteConfirmation(false);
    EXPECT_EQ(anyChange.count(), 0) << "writing the current value announces nothing";

    const std::uint64_t contents = store->contentsRevision(model::AppSection::downloads);
    store->deselectAll();
    EXPECT_EQ(store->selectedCount(), 0);
    EXPECT_EQ(store->contentsRevision(model::AppSection::downloads), contents)
        << "a new selection is not new contents";
    tree.file(home / "Downloads/four", 4096);
    store->scanDownloads();
    ASSERT_TRUE(waitForDisplayedCompletion());
    EXPECT_NE(store->contentsRevision(model::AppSection::downloads), contents);
}

TEST_F(StoreFixture, TheSelectedItemsAreAnnouncedOnlyWhenTheyChange) {
    tree.file(home / "Downloads/a.zip", 4096);
    tree.file(home / ".local/share/Trash/files/old.txt", 4096);
    store->scanTrash();
    ASSERT_TRUE(waitForDisplayedCompletion());
    store->scanDownloads();
    ASSERT_TRUE(waitForDisplayedCompletion());
    QSignalSpy announced(store.get(), &CleanupStore::selectedItemsChanged);
    store->selectSection("largeFiles");
    EXPECT_EQ(announced.count(), 0) << "nothing was selected and nothing is";

    store->selectSection("downloads");
    store->selectAll("");
    store->selectSection("trash");
    store->selectAll("");
    EXPECT_EQ(announced.count(), 3);
    store->selectSection("downloads");
    EXPECT_EQ(announced.count(), 4) << "another section's selection";
    store->selectAll("");
    EXPECT_EQ(announced.count(), 4) << "the same items selected again";
}

TEST_F(JunkStore, TheActionTitleFollowsWhatIsSelected) {
    using enum CleanupCategory;
    const auto titleOf = [&](std::initializer_list<CleanupCategory> categories) {
        select(categories);
        return store->selectionActionTitle();
    };
    EXPECT_EQ(titleOf({}), "Move to Trash");
    EXPECT_EQ(titleOf({trash}), "Apply Selected") << "Trash items beside other junk";
    EXPECT_EQ(titleOf({mailDownloads}), "Remove Attachments");
    EXPECT_EQ(titleOf({xcodeRuntimes}), "Apply Selected");
    EXPECT_EQ(titleOf({userCaches, logs}), "Move to Trash");
    EXPECT_TRUE(store->hasMailSelection() == false && store->hasPermanentSelection() == false);
    EXPECT_EQ(titleOf({mailDownloads, trash}), "Apply Selected");
    EXPECT_TRUE(store->hasMailSelection() && store->hasPermanentSelection());
    EXPECT_EQ(store->totalJunkSize(), 7 * 4096 + 9000);
    EXPECT_EQ(store->size("xcode"), 4096 + 9000);
    EXPECT_EQ(store->items("mail").size(), 1);
}

TEST_F(JunkStore, QuickCleanAndSelectRecommendedPickOnlyCachesAndLogsInScope) {
    store->quickClean("xcode");
    EXPECT_TRUE(store->selectedItems().isEmpty());
    EXPECT_FALSE(store->showDeleteConfirmation());
    store->quickClean("systemJunk");
    EXPECT_EQ(selectedNames(), (std::vector<std::string>{"app.log", "com.example.cache"}));
    EXPECT_TRUE(store->showDeleteConfirmation());

    store->setShowDeleteConfirmation(false);
    select({CleanupCategory::webData, CleanupCategory::systemCaches, CleanupCategory::trash});
    store->review("xcode");
    store->selectRecommended();
    EXPECT_TRUE(store->selectedItems().isEmpty());
}

TEST_F(JunkStore, ReviewingNarrowsSelectAllAndKeepsTheSelectionBetweenGroups) {
    store->review("xcode");
    EXPECT_EQ(store->cleanupPresentation(), "review");
    select({CleanupCategory::xcodeDerivedData});
    store->review("mail");
    EXPECT_EQ(selectedNames(), std::vector<std::string>{"Project"}) << "kept while reviewing";
    store->selectAll("");
    EXPECT_EQ(selectedNames(), std::vector<std::string>{"attached.pdf"});
    store->showCleanupSummary();
    EXPECT_TRUE(store->selectedItems().isEmpty());
    EXPECT_EQ(store->focusedCleanupGroup(), "");
    select({CleanupCategory::logs});
    store->review("mail");
    EXPECT_TRUE(store->selectedItems().isEmpty()) << "cleared when coming from the summary";
}

} // namespace
} // namespace sorvale::store::test

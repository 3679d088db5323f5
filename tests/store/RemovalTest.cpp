// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "StoreFixture.h"
#include "store/RemovalMessages.h"
#include "support/BundleFixtures.h"
#include "support/RunningProgram.h"
#include "support/TreeState.h"
#include "support/Unprivileged.h"

#include <QSignalSpy>

#include <fstream>

namespace sorvale::store::test {
namespace {

namespace fs = std::filesystem;

// A bundle made at `relative`, without its main executable: where a RunningProgram starts one.
fs::path bundleExecutable(sorvale::test::TempTree& tree, const fs::path& relative,
                          const std::string& identifier) {
    const fs::path executable =
        sorvale::test::bundle(tree, relative, identifier) / "Contents/MacOS/main";
    fs::remove(executable);
    return executable;
}

class Removal : public StoreFixture {
protected:
    void removeAndWait() {
        store->removeSelected();
        ASSERT_TRUE(waitForDisplayedCompletion());
    }
    void selectAll() { store->selectAll(""); }
};

TEST_F(Removal, ApprovedDownloadsGoToTheTrashAndNothingElseChanges) {
    for (const char* name : {"a.zip", "b.dmg", "c.txt", "kept.pdf"}) {
        tree.file(home / "Downloads" / name, 4096);
    }
    store->scanDownloads();
    ASSERT_TRUE(waitForDisplayedCompletion());
    store->setSelection({key(home / "Downloads/a.zip"), key(home / "Downloads/b.dmg"),
                         key(home / "Downloads/c.txt")},
                        true);
    const auto before = sorvale::test::treeState(home);
    QSignalSpy finished(store.get(), &CleanupStore::removalFinished);
    store->removeSelected();
    EXPECT_EQ(store->downloadsState().value("text"), "Applying cleanup\u2026");
    ASSERT_TRUE(waitForDisplayedCompletion());

    EXPECT_EQ(store->lastMessage(), "Completed 3 items successfully.");
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0], (QVariantList{3, 0, 0, QString()}));
    ASSERT_EQ(store->downloadsItems().size(), 1);
    EXPECT_EQ(store->downloadsItems()[0].toMap().value("name"), "kept.pdf");
    // Exactly the three moved, into a trash made for them, each with its record.
    const auto after = sorvale::test::treeState(home);
    auto expected =
        sorvale::test::without(before, {"Downloads/a.zip", "Downloads/b.dmg", "Downloads/c.txt"});
    for (const char* folder : {".local", ".local/share", ".local/share/Trash",
                               ".local/share/Trash/files", ".local/share/Trash/info"}) {
        expected[folder] =
            sorvale::test::EntryState{.type = 'd', .size = 0, .content = {}, .linkTarget = {}};
    }
    for (const char* file : {"a.zip", "b.dmg", "c.txt"}) {
        const std::string name = file;
        expected[".local/share/Trash/files/" + name] = before.at("Downloads/" + name);
        const std::string record = ".local/share/Trash/info/" + name + ".trashinfo";
        ASSERT_TRUE(after.contains(record)) << record;
        expected[record] = after.at(record);
    }
    EXPECT_EQ(sorvale::test::differences(expected, after), "");
}

TEST_F(Removal, UndoPutsBackExactlyWhatTheRemovalMovedAndTheItemsReturnToTheirList) {
    std::ofstream(tree.file(home / "Downloads/large.iso")) << std::string(9000, 'x');
    tree.file(home / "Downloads/folder/inner.txt", 4096);
    tree.file(home / "Downloads/kept.zip", 100);
    fs::create_directories(trash / "files");
    fs::create_directories(trash / "info");
    const sorvale::test::TreeState before = sorvale::test::treeState(tree.root());
    store->scanDownloads();
    ASSERT_TRUE(waitForDisplayedCompletion());
    const QVariantList listed = store->downloadsItems();
    store->setSelection({key(home / "Downloads/large.iso"), key(home / "Downloads/folder")}, true);
    removeAndWait();
    EXPECT_EQ(store->lastMessage(), "Completed 2 items successfully.");
    EXPECT_TRUE(store->canUndo());
    EXPECT_EQ(store->downloadsItems().size(), 1);

    store->undoRemoval();
    ASSERT_TRUE(waitForDisplayedCompletion());
    EXPECT_EQ(store->lastMessage(), "Put back 2 items.");
    EXPECT_FALSE(store->canUndo());
    EXPECT_EQ(sorvale::test::differences(before, sorvale::test::treeState(tree.root())), "");
    EXPECT_EQ(store->downloadsItems(), listed) << "in their places, none selected";

    // What went back can be removed again, and the message gone takes Undo with it.
    store->toggle(key(home / "Downloads/kept.zip"));
    removeAndWait();
    EXPECT_TRUE(store->canUndo());
    store->setLastMessage("");
    EXPECT_FALSE(store->canUndo());
    store->undoRemoval();
    EXPECT_FALSE(fs::exists(home / "Downloads/kept.zip"));
}

TEST_F(Removal, PutBackReturnsTrashItemsWhereTheirPlaceIsFreeAndSaysWhichCouldNot) {
    std::ofstream(tree.file(home / "Downloads/a.txt")) << "first";
    std::ofstream(tree.file(home / "Downloads/b.txt")) << "second";
    store->scanDownloads();
    ASSERT_TRUE(waitForDisplayedCompletion());
    selectAll();
    removeAndWait();
    // Something new has taken the place of a.txt since.
    std::ofstream(tree.file(home / "Downloads/a.txt")) << "newer";
    store->scanTrash();
    ASSERT_TRUE(waitForDisplayedCompletion());
    ASSERT_EQ(store->trashItems().size(), 2);
    const sorvale::test::TreeState before = sorvale::test::treeState(tree.root());

    selectAll();
    store->putBackSelected();
    ASSERT_TRUE(waitForDisplayedCompletion());
    EXPECT_EQ(store->lastMessage(),
              QString::fromUtf8("Put back 1 of 2 items. “a.txt” couldn’t be put "
                                "back: something else is already at ") +
                  QString::fromStdString((home / "Downloads/a.txt").native()) + ".");
    EXPECT_EQ(sorvale::test::contents(home / "Downloads/b.txt"), "second");
    EXPECT_EQ(sorvale::test::contents(home / "Downloads/a.txt"), "newer");
    const auto left = store->trashItems();
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].toMap().value("name"), "a.txt");
    EXPECT_TRUE(left[0].toMap().value("isSelected").toBool()) << "what stayed stays selected";
    auto expected =
        sorvale::test::without(before, {"home/.local/share/Trash/files/b.txt",
                                        "home/.local/share/Trash/info/b.txt.trashinfo"});
    expected["home/Downloads/b.txt"] = before.at("home/.local/share/Trash/files/b.txt");
    EXPECT_EQ(sorvale::test::differences(expected, sorvale::test::treeState(tree.root())), "");
}

TEST_F(Removal, TrashItemsAreDeletedForGood) {
    tree.file("home/.local/share/Trash/files/old/inner.txt", 4096);
    tree.file("home/.local/share/Trash/info/old.trashinfo");
    tree.file("home/.local/share/Trash/files/kept.txt", 4096);
    store->scanTrash();
    ASSERT_TRUE(waitForDisplayedCompletion());
    EXPECT_EQ(store->selectionActionTitle(), "Delete Permanently") << "even with nothing selected";
    store->toggle(key(trash / "files/old"));
    EXPECT_EQ(store->selectionActionTitle(), "Delete Permanently");
    removeAndWait();
    EXPECT_EQ(store->lastMessage(), "Completed 1 item successfully.");
    EXPECT_FALSE(fs::exists(trash / "files/old"));
    EXPECT_FALSE(fs::exists(trash / "info/old.trashinfo"));
    EXPECT_TRUE(fs::exists(trash / "files/kept.txt"));
}

TEST_F(Removal, RunningApplicationsAndMailAreSkippedAndStaySelected) {
    const sorvale::test::RunningProgram mail(
        bundleExecutable(tree, "root/System/Applications/Mail.app", "com.apple.mail"));
    const fs::path downloads = "Library/Containers/com.apple.mail/Data/Library/Mail Downloads";
    tree.file(home / downloads / "one.pdf", 4096);
    tree.file(home / downloads / "two.pdf", 4096);
    store->startJunkScan();
    ASSERT_TRUE(waitForDisplayedCompletion());
    store->review("mail");
    selectAll();
    QSignalSpy finished(store.get(), &CleanupStore::removalFinished);
    removeAndWait();
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0],
              (QVariantList{0, 2, 0, "Quit Apple Mail before removing downloaded attachments."}));
    EXPECT_EQ(store->lastMessage(),
              "Completed 0; 2 skipped. Quit Apple Mail before removing downloaded attachments.");
    EXPECT_EQ(store->selectedItems().size(), 2);
    EXPECT_TRUE(fs::exists(home / downloads / "one.pdf"));
}

TEST_F(Removal, AnApplicationIsUninstalledWithItsSupportFilesUnlessItRuns) {
    const sorvale::test::RunningProgram busy(
        bundleExecutable(tree, "root/Applications/Busy.app", "com.example.busy"));
    sorvale::test::bundle(tree, "root/Applications/Idle.app", "com.example.idle");
    tree.file("home/Library/Caches/com.example.idle/cache.db", 4096);
    tree.file("home/Library/Preferences/com.example.idle.plist", 4096);
    store->scanApplications();
    ASSERT_TRUE(waitForDisplayedCompletion());
    store->reviewApplications("installedApplications");
    selectAll();
    EXPECT_EQ(store->selectionActionTitle(), "Uninstall Selected");
    store->removeSelected();
    EXPECT_EQ(store->applicationsState().value("text"), "Uninstalling selected applications\u2026");
    ASSERT_TRUE(waitForDisplayedCompletion());
    EXPECT_EQ(store->lastMessage(), "Completed 1; 1 skipped. Quit Busy before uninstalling it.");
    EXPECT_FALSE(fs::exists(tree / "root/Applications/Idle.app"));
    EXPECT_FALSE(fs::exists(home / "Library/Caches/com.example.idle"));
    EXPECT_TRUE(fs::exists(trash / "files/com.example.idle.plist"));
    EXPECT_TRUE(fs::exists(tree / "root/Applications/Busy.app"));
    EXPECT_EQ(selectedNames(), std::vector<std::string>{"Busy"});
}

TEST_F(Removal, AnUninstallTheSystemRefusesAsksForAppManagementUntilOneSucceeds) {
    const fs::path locked =
        sorvale::test::bundle(tree, "root/Locked/Locked.app", "com.example.locked");
    const fs::path open = sorvale::test::bundle(tree, "root/Open/Open.app", "com.example.open");
    tree.file("home/Library/Caches/com.example.open/x", 4096);
    sorvale::test::giveToUnprivilegedUser(home);
    sorvale::test::giveToUnprivilegedUser(tree / "root/Open");
    // The applications as a scan of each folder finds them, with their support files.
    const auto application = [&](const char* folder) {
        const engine::ScanEngine engine(tree / "root", model::HomeLayout::macos);
        auto items = engine.scanApplications(home, std::vector{tree / "root" / folder}).items;
        EXPECT_FALSE(items.empty());
        return items.empty() ? model::CleanupItem{} : items.front();
    };
    struct Outcome {
        bool raised;
        bool toldWhy;
        bool lowered;
    };
    const auto outcome = sorvale::test::runUnprivileged<Outcome>([&] {
        const engine::ScanEngine engine(tree / "root", model::HomeLayout::macos);
        const auto refused = cleanup::removeItems(engine, {application("Locked")}, home, false);
        const auto done = cleanup::removeItems(engine, {application("Open")}, home, true);
        return Outcome{refused.needsAppManagementPermission,
                       refused.firstMessage && refused.firstMessage->starts_with("App Management"),
                       !done.needsAppManagementPermission && done.removed == 1};
    });
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->raised);
    EXPECT_TRUE(outcome->toldWhy);
    EXPECT_TRUE(outcome->lowered);
    EXPECT_TRUE(fs::exists(locked));
    EXPECT_FALSE(fs::exists(open));
}

TEST(RemovalSummary, CountsAreWrittenAsTheUserReadsThem) {
    cleanup::RemovalOutcome outcome;
    EXPECT_EQ(removalSummary(outcome, 1), "Completed 1 item successfully.");
    outcome.skipped = 1;
    outcome.failed = 1;
    outcome.firstMessage = "First.";
    EXPECT_EQ(removalSummary(outcome, 5), "Completed 3; 2 skipped. First.");
}

} // namespace
} // namespace sorvale::store::test

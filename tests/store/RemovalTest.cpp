// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "StoreFixture.h"
#include "store/RemovalMessages.h"
#include "support/BundleFixtures.h"
#include "support/Unprivileged.h"

#include <QSignalSpy>

#include <csignal>
#include <fstream>
#include <set>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace sorvale::store::test {
namespace {

namespace fs = std::filesystem;

// Every path below `root`, to compare a tree before and after a removal.
std::set<std::string> treeListing(const fs::path& root) {
    std::set<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        paths.insert(entry.path().lexically_relative(root));
    }
    return paths;
}

// A process running the executable of a bundle, as long as the object lives.
class RunningBundle {
public:
    RunningBundle(sorvale::test::TempTree& tree, const fs::path& relative,
                  const std::string& identifier) {
        const fs::path bundle = sorvale::test::bundle(tree, relative, identifier);
        const fs::path executable = bundle / "Contents/MacOS/main";
        fs::remove(executable);
        fs::copy_file("/bin/sleep", executable);
        std::vector<char*> argv{const_cast<char*>(executable.c_str()), const_cast<char*>("60"),
                                nullptr};
        EXPECT_EQ(::posix_spawn(&pid_, executable.c_str(), nullptr, nullptr, argv.data(), environ),
                  0);
    }
    ~RunningBundle() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }

private:
    pid_t pid_ = -1;
};

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
    const auto before = treeListing(home);
    QSignalSpy finished(store.get(), &CleanupStore::removalFinished);
    store->removeSelected();
    EXPECT_EQ(store->downloadsState().value("text"), "Applying cleanup\u2026");
    ASSERT_TRUE(waitForDisplayedCompletion());

    EXPECT_EQ(store->lastMessage(), "Completed 3 items successfully.");
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0], (QVariantList{3, 0, 0, QString()}));
    ASSERT_EQ(store->downloadsItems().size(), 1);
    EXPECT_EQ(store->downloadsItems()[0].toMap().value("name"), "kept.pdf");
    std::set<std::string> expected = before;
    for (const char* name : {"a.zip", "b.dmg", "c.txt"}) {
        expected.erase(std::string("Downloads/") + name);
        expected.insert(std::string(".local/share/Trash/files/") + name);
        expected.insert(std::string(".local/share/Trash/info/") + name + ".trashinfo");
    }
    for (const char* folder : {".local", ".local/share", ".local/share/Trash",
                               ".local/share/Trash/files", ".local/share/Trash/info"}) {
        expected.insert(folder);
    }
    EXPECT_EQ(treeListing(home), expected);
}

TEST_F(Removal, TrashItemsAreDeletedForGood) {
    tree.file("home/.local/share/Trash/files/old/inner.txt", 4096);
    tree.file("home/.local/share/Trash/info/old.trashinfo");
    tree.file("home/.local/share/Trash/files/kept.txt", 4096);
    store->scanTrash();
    ASSERT_TRUE(waitForDisplayedCompletion());
    store->toggle(key(trash / "files/old"));
    EXPECT_EQ(store->selectionActionTitle(), "Apply Selected");
    removeAndWait();
    EXPECT_EQ(store->lastMessage(), "Completed 1 item successfully.");
    EXPECT_FALSE(fs::exists(trash / "files/old"));
    EXPECT_FALSE(fs::exists(trash / "info/old.trashinfo"));
    EXPECT_TRUE(fs::exists(trash / "files/kept.txt"));
}

TEST_F(Removal, RunningApplicationsAndMailAreSkippedAndStaySelected) {
    RunningBundle mail(tree, "root/System/Applications/Mail.app", "com.apple.mail");
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
    RunningBundle busy(tree, "root/Applications/Busy.app", "com.example.busy");
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

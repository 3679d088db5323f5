// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "model/ByteCountFormat.h"
#include "store/CleanupStore.h"
#include "support/DemoHome.h"
#include "support/StoreHelpers.h"
#include "support/TempTree.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cstdlib>

namespace sorvale::store {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;

// The confirmation over a store whose lists hold the demo home's every kind of item.
class Confirmation : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        tree_ = std::make_unique<sorvale::test::TempTree>();
        sorvale::test::FixtureTree home(*tree_ / "home");
        sorvale::test::FixtureTree root(*tree_ / "root");
        sorvale::test::buildDemoHome(home, &root);
        ::setenv("HOME", home.root().c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        store_ = std::make_unique<CleanupStore>(
            engine::ScanEngine(root.root(), model::HomeLayout::macos),
            [](const fs::path&, std::function<void(bool)> answer) { answer(true); });
        for (const auto& scan : std::vector<std::function<void()>>{
                 [] { store_->startJunkScan(); }, [] { store_->scanApplications(); },
                 [] { store_->scanDownloads(); }, [] { store_->scanTrash(); }}) {
            scan();
            ASSERT_TRUE(sorvale::test::waitForDisplayedCompletion(*store_, 20'000));
        }
    }
    static void TearDownTestSuite() {
        store_.reset();
        tree_.reset();
    }

    // Selects, in `section`'s list, exactly the items `which` picks.
    void select(const QString& section,
                const std::function<bool(const model::CleanupItem&)>& which) {
        store_->selectSection(section);
        const QStringList chosen = sorvale::test::selectOnly(*store_, which);
        ASSERT_FALSE(chosen.isEmpty());
    }
    static std::function<bool(const model::CleanupItem&)> is(CleanupCategory category) {
        return [category](const model::CleanupItem& item) { return item.category == category; };
    }
    QString size() const {
        return QString::fromStdString(model::formatByteCount(store_->selectedSize()));
    }
    QString count() const { return QString::number(store_->selectedItems().size()); }

    QString title() const { return store_->confirmation().value("title").toString(); }
    QString message() const { return store_->confirmation().value("message").toString(); }
    bool offersAppManagement() const {
        return store_->confirmation().value("offersAppManagement").toBool();
    }

    static inline std::unique_ptr<sorvale::test::TempTree> tree_;
    static inline std::unique_ptr<CleanupStore> store_;
};

TEST_F(Confirmation, TheFirstRuleThatHoldsChoosesTitleAndMessage) {
    select("cleanup", [](const auto& item) {
        return item.category == CleanupCategory::universalBinaries ||
               item.category == CleanupCategory::trash;
    });
    EXPECT_EQ(title(), "Optimize selected applications?");
    EXPECT_EQ(message(), "Sorvale will remove non-native executable slices from " + count() +
                             " selected item(s), reclaiming up to " + size() +
                             ". Running apps are skipped, and signed apps are restored "
                             "automatically if verification fails. This optimization "
                             "cannot be undone.");
    EXPECT_FALSE(offersAppManagement());

    select("applications", is(CleanupCategory::installedApplications));
    EXPECT_EQ(title(), "Uninstall selected applications?");
    EXPECT_TRUE(message().startsWith("Sorvale will move the selected application bundles"));
    EXPECT_TRUE(offersAppManagement());
    select("applications", [](const auto& item) {
        return item.category == CleanupCategory::installedApplications ||
               item.category == CleanupCategory::installers;
    });
    EXPECT_EQ(title(), "Move selected items to Trash?");
    EXPECT_FALSE(offersAppManagement());

    select("cleanup", [](const auto& item) {
        return item.category == CleanupCategory::mailDownloads ||
               item.operation.isManagedXcodeOperation();
    });
    EXPECT_EQ(title(), "Remove downloaded Mail attachments?");
    EXPECT_TRUE(message().startsWith("Quit Apple Mail first."));

    select("cleanup", [](const auto& item) {
        return item.operation.isManagedXcodeOperation() || item.category == CleanupCategory::trash;
    });
    EXPECT_EQ(title(), "Remove selected items?");
    EXPECT_TRUE(message().contains(QString::fromUtf8("Apple\u2019s CoreSimulator tools")));

    select("trash", [](const auto&) { return true; });
    EXPECT_EQ(title(), "Remove selected items?");
    EXPECT_EQ(message(), count() + " item(s), totaling " + size() +
                             ". Items already in Trash will be deleted permanently; "
                             "other items will move to Trash.");

    QSignalSpy changes(store_.get(), &CleanupStore::confirmationChanged);
    select("downloads", [](const auto&) { return true; });
    EXPECT_GT(changes.count(), 0);
    EXPECT_EQ(title(), "Move selected items to Trash?");
    EXPECT_EQ(message(), count() + " item(s), totaling " + size() +
                             ". You can recover them from Trash until it is emptied.");
}

} // namespace
} // namespace sorvale::store

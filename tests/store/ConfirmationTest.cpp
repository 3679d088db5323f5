// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "StoreFixture.h"
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

// Where the macOS layout's removed items go, as the confirmation names it.
QString trashWord() {
    return "macOS Trash";
}

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
    // "1 item" or "N items".
    QString count() const {
        const auto n = store_->selectedItems().size();
        return QString::number(n) + (n == 1 ? " item" : " items");
    }

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
                             ", reclaiming up to " + size() +
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

    select("cleanup", [](const auto& item) {
        return item.category == CleanupCategory::trash ||
               item.category == CleanupCategory::userCaches;
    });
    EXPECT_EQ(title(), "Remove selected items?");
    EXPECT_EQ(message(), count() + ", totaling " + size() +
                             ". Items already in Trash will be deleted permanently; "
                             "other items will move to Trash.");

    select("trash", [](const auto&) { return true; });
    EXPECT_EQ(title(), "Delete selected items permanently?");
    EXPECT_EQ(message(), count() + ", totaling " + size() +
                             ". Items deleted from Trash cannot be recovered or put back.");

    QSignalSpy changes(store_.get(), &CleanupStore::confirmationChanged);
    select("downloads", [](const auto&) { return true; });
    EXPECT_GT(changes.count(), 0);
    EXPECT_EQ(title(), "Move selected items to Trash?");
    EXPECT_EQ(message(), count() + ", totaling " + size() +
                             ". You can recover them from Trash until it is emptied.");
}

TEST_F(Confirmation, WhileShownItNamesWhatHappensToEachKindOfItem) {
    const auto outcome = [] {
        store_->setShowDeleteConfirmation(true);
        const QString said = store_->confirmation().value("outcome").toString();
        store_->setShowDeleteConfirmation(false);
        return said;
    };
    select("cleanup", [](const auto& item) {
        return item.category == CleanupCategory::trash ||
               item.category == CleanupCategory::universalBinaries ||
               item.operation.isManagedXcodeOperation();
    });
    const auto countOf = [](const std::function<bool(const model::CleanupItem&)>& which) {
        const auto& items = store_->itemsOf(model::AppSection::cleanup);
        const auto n = std::count_if(items.begin(), items.end(), [&](const auto& item) {
            return item.isSelected && which(item);
        });
        return QString::number(n) + (n == 1 ? " item" : " items");
    };
    const QString binaries = countOf(is(CleanupCategory::universalBinaries));
    const QString gone = countOf([](const auto& item) {
        return item.category == CleanupCategory::trash || item.operation.isManagedXcodeOperation();
    });
    const QString said = outcome();
    EXPECT_TRUE(said.contains(binaries + " will be optimized")) << said.toStdString();
    EXPECT_TRUE(said.contains(gone + " will be deleted permanently")) << said.toStdString();

    select("applications", is(CleanupCategory::installedApplications));
    EXPECT_EQ(outcome(), count() + " will be uninstalled.");
    select("downloads", [](const auto&) { return true; });
    EXPECT_EQ(outcome(), count() + " will be moved to " + trashWord() + ".");
    EXPECT_TRUE(store_->confirmation().value("items").toList().isEmpty())
        << "nothing is named while the confirmation is hidden";
}

} // namespace

namespace test {
namespace {

TEST_F(StoreFixture, TheConfirmationListsTheTenLargestSelectedItemsAndTheirTotal) {
    for (int file = 1; file <= 13; ++file) {
        tree.file(home / "Downloads" / ("file" + std::to_string(file)), 4096 * file);
    }
    store->scanDownloads();
    ASSERT_TRUE(waitForDisplayedCompletion());
    // Every file but the largest: the list names file12 down to file3.
    const QStringList chosen = sorvale::test::selectOnly(
        *store, [](const model::CleanupItem& item) { return item.name != "file13"; });
    ASSERT_EQ(chosen.size(), 12);
    store->setShowDeleteConfirmation(true);
    const QVariantMap confirmation = store->confirmation();
    QStringList named;
    for (const QVariant& item : confirmation.value("items").toList()) {
        const QVariantMap map = item.toMap();
        named.append(map.value("name").toString());
        EXPECT_EQ(map.value("size").toLongLong(),
                  4096 * map.value("name").toString().mid(4).toInt());
        EXPECT_EQ(map.value("action"), "moved to " + trashWord());
    }
    EXPECT_EQ(named, (QStringList{"file12", "file11", "file10", "file9", "file8", "file7", "file6",
                                  "file5", "file4", "file3"}));
    EXPECT_EQ(confirmation.value("more"), 2);
    EXPECT_EQ(confirmation.value("total"),
              QString::fromStdString(model::formatByteCount(4096 * (12 * 13 / 2))));
    EXPECT_EQ(confirmation.value("outcome"), "12 items will be moved to " + trashWord() + ".");

    store->toggle(key(home / "Downloads/file1"));
    EXPECT_EQ(store->confirmation().value("more"), 1) << "it follows the selection";
    store->setShowDeleteConfirmation(false);
}

} // namespace
} // namespace test
} // namespace sorvale::store

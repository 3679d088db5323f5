#include "Formatting.h"
#include "NameSearch.h"
#include "OnboardingArtwork.h"
#include "RemovalConfirmation.h"
#include "Symbols.h"
#include "model/AppSection.h"
#include "model/CleanupCategory.h"
#include "support/DemoHome.h"
#include "support/StoreHelpers.h"
#include "support/TempTree.h"

#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace sorvale::ui {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;

TEST(Formatting, ByteCountsAndMegabytesReadAsTheInterfaceShowsThem) {
    EXPECT_EQ(Formatting::byteCount(0), "Zero KB");
    EXPECT_EQ(Formatting::byteCount(1), "1 byte");
    EXPECT_EQ(Formatting::byteCount(999), "999 bytes");
    EXPECT_EQ(Formatting::byteCount(12'000), "12 KB");
    EXPECT_EQ(Formatting::byteCount(12'345'678), "12.3 MB");
    EXPECT_EQ(Formatting::byteCount(1'234'567'890), "1.23 GB");
    EXPECT_EQ(Formatting::megabytes(1500), "1500 MB");
    EXPECT_EQ(Formatting::megabytes(1500.9), "1500 MB");
}

TEST(NameSearch, IgnoresCaseAsTextSearchDoesWhetherOrNotTheNameIsAscii) {
    const auto matches = [](const char* search, const char* name) {
        return NameSearch(QString::fromUtf8(search)).matches(name);
    };
    EXPECT_TRUE(matches("", "anything"));
    EXPECT_TRUE(matches("rEp", "Quarterly REPORT.pdf"));
    EXPECT_FALSE(matches("rep", "Quarterly.pdf"));
    EXPECT_TRUE(matches("R\u00C9S", "R\u00E9sum\u00E9.pdf"));
    // Case folding takes the Kelvin sign to "k": only the text search knows that.
    EXPECT_TRUE(matches("kel", "\u212Aelvin.txt"));
    // Bytes that are not UTF-8 read as U+FFFD, and never match a letter.
    EXPECT_TRUE(matches("ab", "\xFF" "ab"));
    EXPECT_FALSE(matches("\xC3", "\xC3\xA9"));
}

TEST(Symbols, EverySymbolOfTheTablesAndViewsHasABundledIcon) {
    std::vector<std::string> names{
        "sparkles", "checkmark.shield.fill", "checkmark.circle.fill", "checkmark.shield", "trash",
        "app.badge"};
    for (const auto category : model::allCases<model::CleanupCategory>()) {
        names.emplace_back(model::icon(category));
    }
    for (const auto group : model::allCases<model::CleanupGroup>()) {
        names.emplace_back(model::symbol(group));
    }
    for (const auto section : model::allCases<model::AppSection>()) {
        names.emplace_back(model::symbol(section));
    }
    for (const std::string& name : names) {
        const QUrl source = Symbols::source(QString::fromStdString(name));
        EXPECT_FALSE(source.isEmpty()) << name;
        EXPECT_TRUE(QFile::exists(":" + source.path())) << name;
    }
    EXPECT_TRUE(Symbols::source("no.such.symbol").isEmpty());
}

TEST(OnboardingArtwork, TheBundledPicturesAreFoundAndAMissingOneIsNone) {
    for (const char* name : {"onboarding-clean", "onboarding-privacy", "onboarding-review"}) {
        EXPECT_EQ(OnboardingArtwork::image(name).scheme(), "qrc") << name;
    }
    EXPECT_TRUE(OnboardingArtwork::image("onboarding-missing").isEmpty());
}

// The confirmation over a store whose lists hold the demo home's every kind of item.
class Confirmation : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        tree_ = std::make_unique<test::TempTree>();
        test::FixtureTree home(*tree_ / "home");
        test::FixtureTree root(*tree_ / "root");
        test::buildDemoHome(home, &root);
        ::setenv("HOME", home.root().c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        store_ = std::make_unique<store::CleanupStore>(
            engine::ScanEngine(root.root()),
            [](const fs::path&, std::function<void(bool)> answer) { answer(true); });
        for (const auto& scan : std::vector<std::function<void()>>{
                 [] { store_->startJunkScan(); }, [] { store_->scanApplications(); },
                 [] { store_->scanDownloads(); }, [] { store_->scanTrash(); }}) {
            scan();
            ASSERT_TRUE(test::waitForDisplayedCompletion(*store_, 20'000));
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
        const QStringList chosen = test::selectOnly(*store_, which);
        ASSERT_FALSE(chosen.isEmpty());
    }
    static std::function<bool(const model::CleanupItem&)> is(CleanupCategory category) {
        return [category](const model::CleanupItem& item) { return item.category == category; };
    }
    QString size() const { return Formatting::byteCount(store_->selectedSize()); }
    QString count() const { return QString::number(store_->selectedItems().size()); }

    static inline std::unique_ptr<test::TempTree> tree_;
    static inline std::unique_ptr<store::CleanupStore> store_;
    RemovalConfirmation confirmation;
    void SetUp() override { confirmation.setStore(store_.get()); }
};

TEST_F(Confirmation, TheFirstRuleThatHoldsChoosesTitleAndMessage) {
    select("cleanup", [](const auto& item) {
        return item.category == CleanupCategory::universalBinaries ||
               item.category == CleanupCategory::trash;
    });
    EXPECT_EQ(confirmation.title(), "Optimize selected applications?");
    EXPECT_EQ(confirmation.message(),
              "Sorvale will remove non-native executable slices from " + count() +
                  " selected item(s), reclaiming up to " + size() +
                  ". Running apps are skipped, and signed apps are restored "
                  "automatically if verification fails. This optimization "
                  "cannot be undone.");
    EXPECT_FALSE(confirmation.offersAppManagement());

    select("applications", is(CleanupCategory::installedApplications));
    EXPECT_EQ(confirmation.title(), "Uninstall selected applications?");
    EXPECT_TRUE(
        confirmation.message().startsWith("Sorvale will move the selected application bundles"));
    EXPECT_TRUE(confirmation.offersAppManagement());
    select("applications", [](const auto& item) {
        return item.category == CleanupCategory::installedApplications ||
               item.category == CleanupCategory::installers;
    });
    EXPECT_EQ(confirmation.title(), "Move selected items to Trash?");
    EXPECT_FALSE(confirmation.offersAppManagement());

    select("cleanup", [](const auto& item) {
        return item.category == CleanupCategory::mailDownloads ||
               item.operation.isManagedXcodeOperation();
    });
    EXPECT_EQ(confirmation.title(), "Remove downloaded Mail attachments?");
    EXPECT_TRUE(confirmation.message().startsWith("Quit Apple Mail first."));

    select("cleanup", [](const auto& item) {
        return item.operation.isManagedXcodeOperation() || item.category == CleanupCategory::trash;
    });
    EXPECT_EQ(confirmation.title(), "Remove selected items?");
    EXPECT_TRUE(
        confirmation.message().contains(QString::fromUtf8("Apple\u2019s CoreSimulator tools")));

    select("trash", [](const auto&) { return true; });
    EXPECT_EQ(confirmation.title(), "Remove selected items?");
    EXPECT_EQ(confirmation.message(), count() + " item(s), totaling " + size() +
                                          ". Items already in Trash will be deleted permanently; "
                                          "other items will move to Trash.");

    QSignalSpy changes(&confirmation, &RemovalConfirmation::textChanged);
    select("downloads", [](const auto&) { return true; });
    EXPECT_GT(changes.count(), 0);
    EXPECT_EQ(confirmation.title(), "Move selected items to Trash?");
    EXPECT_EQ(confirmation.message(), count() + " item(s), totaling " + size() +
                                          ". You can recover them from Trash until it is emptied.");
}

} // namespace
} // namespace sorvale::ui

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// The store over a Debian desktop home read in the Linux layout: no access gate, no macOS
// permissions, and system storage that the system's own tools remove.

#include "store/CleanupStore.h"
#include "store/PlatformTexts.h"
#include "store/ScreenPresenter.h"
#include "store/SelectionRules.h"
#include "support/LinuxHome.h"
#include "support/StoreHelpers.h"
#include "support/TempTree.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cstdlib>

namespace sorvale::store {
namespace {

namespace fs = std::filesystem;
using model::CleanupCategory;
using model::HomeLayout;

// Names only macOS has, or its own words for things every system has.
bool namesAMacThing(const QString& text) {
    for (const char* word : {"Mac", "Finder", "Xcode", "Mail", "simulator", "iPhone", "backups",
                             "Full Disk Access", "App Management", "disk image", "bundle"}) {
        if (text.contains(QLatin1String(word), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

// Every text in `value`, however deep in lists and maps.
QStringList textsOf(const QVariant& value) {
    QStringList texts;
    if (value.typeId() == QMetaType::QVariantMap) {
        for (const QVariant& entry : value.toMap()) {
            texts += textsOf(entry);
        }
    } else if (value.canConvert<QVariantList>() && value.typeId() != QMetaType::QString) {
        for (const QVariant& entry : value.toList()) {
            texts += textsOf(entry);
        }
    } else if (value.typeId() == QMetaType::QString) {
        texts.append(value.toString());
    }
    return texts;
}

TEST(PlatformTexts, LinuxSpeaksOfNoMacThingWhereMacosKeepsEveryOneOfItsKeys) {
    const QVariantMap linux = platformTexts(HomeLayout::linuxDesktop);
    const QVariantMap macos = platformTexts(HomeLayout::macos);
    EXPECT_EQ(linux.keys(), macos.keys());
    for (const QString& text : textsOf(linux)) {
        EXPECT_FALSE(namesAMacThing(text)) << text.toStdString();
    }
    EXPECT_EQ(linux.value("onboarding").toList().size(), macos.value("onboarding").toList().size());
    EXPECT_FALSE(linux.value("hasAccessPermissions").toBool());
    EXPECT_TRUE(macos.value("hasAccessPermissions").toBool());
    EXPECT_FALSE(namesAMacThing(junkScanLabel(HomeLayout::linuxDesktop)));

    const Screen installers = present({.section = model::AppSection::applications,
                                       .focusedApplicationCategory = CleanupCategory::installers},
                                      {}, ScanLists(), HomeLayout::linuxDesktop);
    EXPECT_FALSE(namesAMacThing(installers.subtitle)) << installers.subtitle.toStdString();
}

TEST(PlatformTexts, UninstallingOnLinuxNeitherNamesNorOffersTheMacosPermission) {
    model::CleanupItem application;
    application.category = CleanupCategory::installedApplications;
    application.isSelected = true;
    const auto selected = SelectionSummary::of(model::AppSection::applications, 1, {application});
    const Confirmation linux = selection_rules::confirmation(selected, HomeLayout::linuxDesktop);
    const Confirmation macos = selection_rules::confirmation(selected, HomeLayout::macos);
    EXPECT_EQ(linux.title, macos.title);
    EXPECT_FALSE(namesAMacThing(linux.message)) << linux.message.toStdString();
    EXPECT_TRUE(linux.message.contains("package managers"));
    EXPECT_FALSE(linux.offersAppManagement);
    EXPECT_TRUE(macos.message.contains("macOS"));
    EXPECT_TRUE(macos.offersAppManagement);
}

// What a desktop home would be: every kind of junk of LinuxHome, and its system storage.
class LinuxStore : public ::testing::Test {
protected:
    LinuxStore() {
        sorvale::test::unsetBaseFolders();
        ::setenv("HOME", (tree / "home").c_str(), 1);
        store = std::make_unique<CleanupStore>(
            engine::ScanEngine(tree / "root", HomeLayout::linuxDesktop),
            [this](const fs::path&, std::function<void(bool)> answer) {
                ++accessChecks;
                answer(false);
            });
        store->setUrlOpener([this](const QUrl& url) {
            openedUrls.append(url);
            return true;
        });
    }

    [[nodiscard]] QString message() const {
        return store->confirmation().value("message").toString();
    }

    sorvale::test::TempTree tree{sorvale::test::memoryFolder(400'000'000)};
    sorvale::test::LinuxHome fixture{tree};
    int accessChecks = 0;
    QList<QUrl> openedUrls;
    std::unique_ptr<CleanupStore> store;
};

TEST_F(LinuxStore, ProtectedScansStartAtOnceAndNoPermissionIsAskedOrOffered) {
    store->startJunkScan();
    EXPECT_NE(store->displayedState().value("kind"), "idle");
    ASSERT_TRUE(sorvale::test::waitForDisplayedCompletion(*store, 20'000));
    EXPECT_FALSE(store->itemsOf(model::AppSection::cleanup).empty());
    store->scanApplications();
    ASSERT_TRUE(sorvale::test::waitForDisplayedCompletion(*store, 20'000));
    store->refreshFullDiskAccessStatus();
    EXPECT_EQ(accessChecks, 0) << "the check would have answered no";
    EXPECT_NE(store->screen().value("cleanupPanel"), "access");

    store->openPrivacySettings();
    store->openAppManagementSettings();
    EXPECT_TRUE(openedUrls.isEmpty());
    store->setNeedsAppManagementPermission(true);
    EXPECT_FALSE(store->needsAppManagementPermission());
}

TEST_F(LinuxStore, SystemStorageIsAppliedByTheSystemsToolsWhichMayAskForAPassword) {
    store->startJunkScan();
    ASSERT_TRUE(sorvale::test::waitForDisplayedCompletion(*store, 20'000));
    const auto systemTools = [](const model::CleanupItem& item) {
        return item.operation.isSystemToolOperation();
    };
    const auto browserCaches = [](const model::CleanupItem& item) {
        return item.category == CleanupCategory::browserCaches;
    };

    // Every kind of system storage at once, the last categories of all.
    const QStringList system = sorvale::test::selectOnly(*store, systemTools);
    ASSERT_EQ(system.size(), 5);
    EXPECT_EQ(store->selectionActionTitle(), "Apply Selected");
    EXPECT_TRUE(message().contains("administrator password")) << message().toStdString();
    EXPECT_FALSE(message().contains("move to Trash", Qt::CaseInsensitive));

    sorvale::test::selectOnly(*store, [&](const model::CleanupItem& item) {
        return systemTools(item) || browserCaches(item);
    });
    EXPECT_EQ(store->selectionActionTitle(), "Apply Selected");
    EXPECT_TRUE(message().contains("administrator password"));
    EXPECT_TRUE(message().contains("move to Trash")) << "the caches still go to the Trash";

    sorvale::test::selectOnly(*store, browserCaches);
    EXPECT_EQ(store->selectionActionTitle(), "Move to Trash");
    EXPECT_FALSE(message().contains("administrator"));
}

TEST_F(LinuxStore, AnAppImageIsUninstalledToTheTrashWithItsDataAndNoPermissionIsRaised) {
    store->scanApplications();
    ASSERT_TRUE(sorvale::test::waitForDisplayedCompletion(*store, 20'000));
    store->reviewApplications("installedApplications");
    const QStringList etcher = sorvale::test::selectOnly(
        *store, [](const model::CleanupItem& item) { return item.name == "balenaEtcher"; });
    ASSERT_EQ(etcher.size(), 1);
    EXPECT_EQ(store->selectionActionTitle(), "Uninstall Selected");
    EXPECT_TRUE(message().contains("package managers")) << message().toStdString();

    store->removeSelected();
    ASSERT_TRUE(sorvale::test::waitForDisplayedCompletion(*store, 20'000));
    EXPECT_EQ(store->lastMessage(), "Completed 1 item successfully.");
    EXPECT_FALSE(store->needsAppManagementPermission());
    for (const model::CleanupItem& item : store->itemsOf(model::AppSection::applications)) {
        EXPECT_NE(item.name, "balenaEtcher");
    }
    EXPECT_FALSE(fs::exists(tree / "home/Downloads/balenaEtcher-1.18.11-x64.AppImage"));
    EXPECT_FALSE(fs::exists(tree / "home/.config/balenaEtcher"));
    EXPECT_TRUE(fs::exists(tree / "home/.local/share/Trash/files/balenaEtcher"));
    EXPECT_TRUE(
        fs::exists(tree / "home/.local/share/Trash/files/balenaEtcher-1.18.11-x64.AppImage"));
}

} // namespace
} // namespace sorvale::store

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "store/ScreenPresenter.h"

#include <gtest/gtest.h>

#include <set>

namespace sorvale::store {
namespace {

using model::AppSection;
using model::ScanState;
constexpr auto kMacos = model::HomeLayout::macos;

model::CleanupItem anItem() {
    model::CleanupItem item;
    item.id = item.url = "/home/u/Library/Caches/x";
    item.size = 4096;
    return item;
}

TEST(ScreenPresenter, EachDashboardShowsThePanelOfTheFirstRuleThatHolds) {
    ScanLists lists;
    Navigation navigation{.section = AppSection::cleanup};
    AccessGate::State access;
    const auto panels = [&] {
        const Screen screen = present(navigation, access, lists, kMacos);
        return std::pair(screen.cleanupPanel, screen.applicationsPanel);
    };
    EXPECT_EQ(panels(), (std::pair<QString, QString>("ready", "welcome")));

    lists.replace(AppSection::cleanup, {.items = {anItem()}, .inaccessibleCount = 0});
    EXPECT_EQ(panels().first, "summary");
    lists.setState(AppSection::cleanup, ScanState::scanning("Scanning"));
    EXPECT_EQ(panels().first, "scanning");
    navigation.cleanupPresentation = model::CleanupPresentation::review;
    EXPECT_EQ(panels().first, "review");
    access.checkingSection = AppSection::cleanup;
    EXPECT_EQ(panels().first, "checking");
    access.promptSection = AppSection::cleanup;
    EXPECT_EQ(panels().first, "access");

    navigation.section = AppSection::applications;
    access = {};
    lists.setState(AppSection::applications, ScanState::scanning("Finding"));
    EXPECT_EQ(panels().second, "scanning");
    lists.setState(AppSection::applications, ScanState::complete({}));
    EXPECT_EQ(panels().second, "results");
    access.checkingSection = AppSection::applications;
    access.promptSection = AppSection::applications;
    EXPECT_EQ(panels().second, "access");
}

TEST(ScreenPresenter, TheContentAndTheWayBackFollowTheSectionAndItsPresentation) {
    const ScanLists lists;
    const auto screen = [&](Navigation navigation) {
        return present(navigation, {}, lists, kMacos);
    };
    EXPECT_EQ(screen({.section = AppSection::overview}).content, "overview");
    EXPECT_EQ(screen({.section = AppSection::cleanup}).content, "cleanup");
    EXPECT_EQ(screen({.section = AppSection::applications}).content, "applications");
    EXPECT_EQ(screen({.section = AppSection::downloads}).content, "results");

    Navigation reviewing{.section = AppSection::applications,
                         .applicationsPresentation = model::ApplicationsPresentation::review};
    EXPECT_EQ(screen(reviewing).content, "results");
    EXPECT_TRUE(screen(reviewing).canGoBack);
    EXPECT_FALSE(screen({.section = AppSection::trash}).canGoBack);

    // Each focus of the Applications list has words of its own.
    const QString all = screen(reviewing).subtitle;
    reviewing.focusedApplicationCategory = model::CleanupCategory::installers;
    const QString installers = screen(reviewing).subtitle;
    reviewing.focusedApplicationCategory = model::CleanupCategory::appLeftovers;
    EXPECT_NE(all, installers);
    EXPECT_NE(screen(reviewing).subtitle, installers);
}

TEST(ScreenPresenter, AnEmptyListSaysWhatItLookedAtAndLargeFilesAskForAFolder) {
    ScanLists lists;
    const Navigation largeFiles{.section = AppSection::largeFiles};
    const Screen before = present(largeFiles, {}, lists, kMacos);
    lists.setState(AppSection::largeFiles, ScanState::complete({}));
    const Screen after = present(largeFiles, {}, lists, kMacos, "Projects");
    EXPECT_NE(before.emptyTitle, after.emptyTitle);
    EXPECT_NE(before.emptyText, after.emptyText);
    EXPECT_NE(after.emptyAction,
              present({.section = AppSection::downloads}, {}, lists, kMacos).emptyAction);

    // A chosen folder that could not be searched is named, and not said to hold nothing large.
    const auto afterScanOf = [&](model::FolderAccess access) {
        lists.replace(AppSection::largeFiles,
                      {.items = {}, .inaccessibleCount = 1, .folderAccess = access});
        return present(largeFiles, {}, lists, kMacos, "Projects");
    };
    const Screen missing = afterScanOf(model::FolderAccess::missing);
    const Screen locked = afterScanOf(model::FolderAccess::unreadable);
    EXPECT_TRUE(missing.emptyTitle.contains("Projects"));
    EXPECT_TRUE(locked.emptyTitle.contains("Projects"));
    EXPECT_NE(missing.emptyTitle, locked.emptyTitle);
    EXPECT_NE(missing.emptyText, after.emptyText);
    EXPECT_EQ(afterScanOf(model::FolderAccess::opened), after);

    // Each scanned section has words of its own, before a scan all say the same.
    std::set<QString> titles{after.emptyTitle};
    for (const AppSection section : {AppSection::downloads, AppSection::trash}) {
        const Screen unscanned = present({.section = section}, {}, lists, kMacos);
        EXPECT_EQ(unscanned.emptyTitle, before.emptyTitle);
        lists.setState(section, ScanState::complete({}));
        titles.insert(present({.section = section}, {}, lists, kMacos).emptyTitle);
    }
    EXPECT_EQ(titles.size(), 3U);
}

} // namespace
} // namespace sorvale::store

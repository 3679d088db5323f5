// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "model/AppSection.h"
#include "model/CleanupCategory.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace sorvale::model {
namespace {

using enum CleanupCategory;

TEST(CategoryTables, EveryCaseRoundTripsItsOwnRawValue) {
    const auto categories = allCases<CleanupCategory>();
    std::set<std::string_view> seen;
    for (CleanupCategory category : categories) {
        EXPECT_EQ(fromRawValue<CleanupCategory>(rawValue(category)), category);
        EXPECT_TRUE(seen.insert(rawValue(category)).second) << rawValue(category);
    }
    for (CleanupGroup group : allCases<CleanupGroup>()) {
        EXPECT_EQ(fromRawValue<CleanupGroup>(rawValue(group)), group);
    }
    for (AppSection section : allCases<AppSection>()) {
        EXPECT_EQ(fromRawValue<AppSection>(rawValue(section)), section);
    }
    for (HomeLayout layout : allCases<HomeLayout>()) {
        EXPECT_EQ(fromRawValue<HomeLayout>(rawValue(layout)), layout);
    }
    for (Tint color : allCases<Tint>()) {
        EXPECT_EQ(fromRawValue<Tint>(rawValue(color)), color);
    }
}

TEST(CategoryTables, RawValuesAreCaseSensitiveAndUnknownTextGivesNone) {
    EXPECT_EQ(fromRawValue<CleanupCategory>("trash"), trash);
    EXPECT_EQ(fromRawValue<CleanupCategory>("Trash"), std::nullopt);
    EXPECT_EQ(fromRawValue<CleanupCategory>(""), std::nullopt);
    EXPECT_EQ(fromRawValue<CleanupGroup>("System Junk"), std::nullopt);
    EXPECT_EQ(fromRawValue<AppSection>("largefiles"), std::nullopt);
    EXPECT_EQ(fromRawValue<CleanupPresentation>("review"), CleanupPresentation::review);
    EXPECT_EQ(fromRawValue<ApplicationsPresentation>("summary"), ApplicationsPresentation::summary);
}

TEST(CategoryTables, EveryCategoryButTheFolderAndApplicationKindsIsInExactlyOneGroup) {
    const std::set<CleanupCategory> ungrouped{installedApplications, appLeftovers, installers,
                                              downloads, largeFiles};
    std::map<CleanupCategory, int> memberships;
    for (CleanupGroup group : allCases<CleanupGroup>()) {
        for (CleanupCategory category : categories(group)) {
            ++memberships[category];
        }
    }
    for (CleanupCategory category : allCases<CleanupCategory>()) {
        EXPECT_EQ(memberships[category], ungrouped.contains(category) ? 0 : 1)
            << rawValue(category);
    }
}

TEST(CategoryTables, EachLayoutRecommendsOnlyItsOwnRecreatableCaches) {
    const auto recommendedIn = [](HomeLayout layout) {
        std::set<CleanupCategory> recommended;
        for (CleanupCategory category : allCases<CleanupCategory>()) {
            if (isRecommended(category, layout)) {
                EXPECT_TRUE(occursIn(category, layout)) << rawValue(category);
                recommended.insert(category);
            }
        }
        return recommended;
    };
    EXPECT_EQ(recommendedIn(HomeLayout::macos),
              (std::set{userCaches, applicationCaches, logs, browserCaches, developerCaches}));
    // Logs may be all a user has to tell what went wrong, and Maven's repository holds what was
    // installed locally: neither comes back by itself.
    EXPECT_EQ(
        recommendedIn(HomeLayout::linuxDesktop),
        (std::set{userCaches, applicationCaches, browserCaches, developerCaches, thumbnails}));
}

TEST(CategoryTables, GroupsThatCannotOccurInALayoutAreHiddenThere) {
    const auto groupsOf = [](HomeLayout layout) {
        std::set<CleanupGroup> shown;
        for (CleanupGroup group : allCases<CleanupGroup>()) {
            if (occursIn(group, layout)) {
                shown.insert(group);
            }
        }
        return shown;
    };
    using enum CleanupGroup;
    EXPECT_EQ(groupsOf(HomeLayout::macos),
              (std::set{systemJunk, xcode, universalBinaries, mail, backups, trash}));
    EXPECT_EQ(groupsOf(HomeLayout::linuxDesktop), (std::set{systemJunk, trash, system}));
    EXPECT_EQ(fromRawValue<HomeLayout>("linux"), HomeLayout::linuxDesktop);
}

} // namespace
} // namespace sorvale::model

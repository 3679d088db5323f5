#include "model/AppSection.h"
#include "model/CleanupCategory.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace sorvale::model {
namespace {

using enum CleanupCategory;

TEST(CategoryTables, CasesComeInDeclarationOrderAndRoundTripTheirRawValues) {
    const auto categories = allCases<CleanupCategory>();
    ASSERT_EQ(categories.size(), 23U);
    EXPECT_EQ(categories.front(), userCaches);
    EXPECT_EQ(categories[12], developerCaches);
    EXPECT_EQ(categories.back(), largeFiles);
    EXPECT_EQ(allCases<CleanupGroup>().size(), 6U);
    EXPECT_EQ(allCases<AppSection>().front(), AppSection::overview);
    EXPECT_EQ(allCases<AppSection>().back(), AppSection::trash);

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
    EXPECT_EQ(categories(CleanupGroup::systemJunk),
              (std::vector{userCaches, applicationCaches, webData, savedState, logs, browserCaches,
                           developerCaches, systemCaches}));
    EXPECT_EQ(categories(CleanupGroup::xcode),
              (std::vector{xcodeDerivedData, xcodeRuntimes, xcodeDeviceSupport,
                           xcodeSimulatorDevices, xcodeArchives, xcodeCaches}));
    EXPECT_EQ(categories(CleanupGroup::trash), std::vector{trash});
}

TEST(CategoryTables, OnlyCachesAndLogsAreRecommended) {
    std::set<CleanupCategory> recommended;
    for (CleanupCategory category : allCases<CleanupCategory>()) {
        if (isRecommended(category)) {
            recommended.insert(category);
        }
    }
    EXPECT_EQ(recommended,
              (std::set{userCaches, applicationCaches, logs, browserCaches, developerCaches}));
}

TEST(CategoryTables, SymbolsAreSharedWhereTheInterfaceSharesThem) {
    EXPECT_EQ(icon(xcodeSimulatorDevices), "iphone.gen3");
    EXPECT_EQ(icon(deviceBackups), "iphone.gen3");
    EXPECT_EQ(icon(xcodeDerivedData), symbol(CleanupGroup::xcode));
    EXPECT_EQ(subtitle(CleanupGroup::backups),
              "Local iPhone and iPad backups\xE2\x80\x94review dates first.");
}

} // namespace
} // namespace sorvale::model

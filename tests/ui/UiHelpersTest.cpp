// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "Formatting.h"
#include "NameSearch.h"
#include "OnboardingArtwork.h"
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
    EXPECT_TRUE(matches("ab", "\xFF"
                              "ab"));
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

} // namespace
} // namespace sorvale::ui

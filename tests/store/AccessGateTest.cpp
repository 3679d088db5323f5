// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "StoreFixture.h"

namespace sorvale::store::test {
namespace {

const QString kJunkLabel = "Deep scanning caches, developer data and backups\u2026";
const QString kApplicationsLabel = "Finding applications, support files and installers\u2026";

TEST_F(StoreFixture, WithAccessAProtectedScanStartsAtOnce) {
    store->startJunkScan();
    EXPECT_EQ(store->permissionCheckSection(), "cleanup");
    ASSERT_TRUE(waitFor(&CleanupStore::fullDiskAccessGrantedChanged));
    EXPECT_EQ(store->fullDiskAccessGranted(), QVariant(true));
    EXPECT_EQ(store->permissionCheckSection(), "");
    EXPECT_EQ(store->cleanupState().value("text"), kJunkLabel);
    EXPECT_TRUE(waitForDisplayedCompletion());
}

TEST_F(StoreFixture, WithoutAccessTheScanWaitsUntilARecheckFindsIt) {
    answerChecksAt(false);
    store->scanApplications();
    ASSERT_TRUE(waitFor(&CleanupStore::fullDiskAccessPromptSectionChanged));
    EXPECT_EQ(store->fullDiskAccessPromptSection(), "applications");
    EXPECT_EQ(store->applicationsState().value("kind"), "idle");

    answerChecksAt(true);
    store->refreshFullDiskAccessStatus();
    EXPECT_EQ(store->permissionCheckSection(), "applications");
    ASSERT_TRUE(waitFor(&CleanupStore::fullDiskAccessPromptSectionChanged));
    EXPECT_EQ(store->fullDiskAccessPromptSection(), "");
    EXPECT_EQ(store->applicationsState().value("text"), kApplicationsLabel);
    ASSERT_TRUE(waitForDisplayedCompletion());

    answerChecksAt(false);
    QSignalSpy prompt(store.get(), &CleanupStore::fullDiskAccessPromptSectionChanged);
    store->refreshFullDiskAccessStatus();
    ASSERT_TRUE(waitFor(&CleanupStore::fullDiskAccessGrantedChanged));
    EXPECT_EQ(store->fullDiskAccessGranted(), QVariant(false));
    EXPECT_EQ(prompt.count(), 0) << "with nothing waiting, only the answer changes";
}

TEST_F(StoreFixture, TheCheckingStateShowsOnlyInTheCheckedSectionAndTheNewestCheckWins) {
    holdChecks();
    store->startJunkScan();
    EXPECT_TRUE(store->isCheckingFullDiskAccess());
    store->selectSection("trash");
    EXPECT_FALSE(store->isCheckingFullDiskAccess());
    store->startJunkScan();
    store->scanApplications();
    EXPECT_EQ(heldChecks.size(), 3U);
    QSignalSpy junkState(store.get(), &CleanupStore::cleanupStateChanged);
    answerChecks(true);
    ASSERT_TRUE(waitFor(&CleanupStore::applicationsStateChanged));
    EXPECT_EQ(store->applicationsState().value("text"), kApplicationsLabel);
    EXPECT_EQ(junkState.count(), 0) << "only the latest request's scan starts";
    EXPECT_EQ(store->cleanupState().value("kind"), "idle");
}

TEST_F(StoreFixture, AWaitingScanIsReplacedByALaterRequestForTheOtherList) {
    answerChecksAt(false);
    store->startJunkScan();
    ASSERT_TRUE(waitFor(&CleanupStore::fullDiskAccessPromptSectionChanged));
    store->scanApplications();
    ASSERT_TRUE(waitFor(&CleanupStore::fullDiskAccessPromptSectionChanged));
    EXPECT_EQ(store->fullDiskAccessPromptSection(), "applications");
    answerChecksAt(true);
    store->refreshFullDiskAccessStatus();
    ASSERT_TRUE(waitForDisplayedCompletion());
    EXPECT_EQ(store->applicationsState().value("kind"), "complete");
    EXPECT_EQ(store->cleanupState().value("kind"), "idle");
}

} // namespace
} // namespace sorvale::store::test

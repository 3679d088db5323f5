// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/ScanEngine.h"
#include "support/TempTree.h"

#include <gtest/gtest.h>

namespace sorvale::engine {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> names(const std::vector<model::CleanupItem>& items) {
    std::vector<std::string> result;
    for (const auto& item : items) {
        result.push_back(item.name);
    }
    return result;
}

TEST(MailAttachments, AttachmentFilesAreFoundOnceAndNeverInsideMailboxes) {
    test::TempTree tree;
    const fs::path account = "home/Library/Mail/V10/Account/INBOX.mbox/Data";
    const auto report = tree.file(account / "Attachments/1/2/report.pdf", 200 * 1024);
    tree.file(account / "Attachments/3/Attachments/nested.png", 8192);
    tree.file(account / "Attachments/3/.hidden.txt", 8192);
    tree.file(account / "Attachments/4/empty.txt");
    tree.sparseFile(account / "Attachments/5/sparse.bin", 1'000'000);
    tree.file("home/Library/Mail/V10/Mailboxes/Attachments/skipped.pdf", 8192);
    tree.file("home/Library/Mail/V10/Account/Sent.mbox/Attachments/photo.jpg", 4096);

    const auto attachments =
        ScanEngine(tree / "root", model::HomeLayout::macos).scanJunk(tree / "home");
    EXPECT_EQ(names(attachments.items),
              (std::vector<std::string>{"report.pdf", "nested.png", "photo.jpg"}));
    EXPECT_EQ(attachments.items.front().url, report);
    EXPECT_EQ(attachments.items.front().size, test::allocatedBytes(report));
    EXPECT_EQ(attachments.items.front().category, model::CleanupCategory::mailDownloads);
    EXPECT_EQ(attachments.inaccessibleCount, 0);
}

} // namespace
} // namespace sorvale::engine

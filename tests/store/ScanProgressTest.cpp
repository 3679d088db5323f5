// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "StoreFixture.h"

#include <QTest>

#include <fstream>

namespace sorvale::store::test {
namespace {

namespace fs = std::filesystem;
using model::AppSection;

// A home whose Smart Cleanup scan waits in the simulator tool until the test lets it go on: by
// then the scan has listed its catalogue folders; it measures them after.
class HeldScan : public StoreFixture {
protected:
    HeldScan() {
        for (int cache = 0; cache < 6; ++cache) {
            tree.file(home / ("Library/Caches/com.example.c" + std::to_string(cache) + "/x"),
                      4096 * (cache + 1));
        }
        tree.file(home / "Library/Logs/app.log", 4096);
        tree.script("root/usr/bin/xcrun", "while [ ! -e '" + (tree / "go").native() +
                                              "' ]; do sleep 0.02; done\necho '{}'");
        QObject::connect(store.get(), &CleanupStore::scanProgressChanged, store.get(),
                         [this] { announced.push_back(store->scanProgress()); });
    }
    void release() { std::ofstream(tree / "go").flush(); }
    void hold() { fs::remove(tree / "go"); }
    // Waits until a scan runs (the access check answers first) and its figures show that it has
    // listed something.
    bool waitForEntries() {
        return QTest::qWaitFor(
            [&] {
                const QVariantMap progress = store->scanProgress();
                return progress.value("running").toBool() &&
                       progress.value("entries").toLongLong() > 0;
            },
            10'000);
    }
    [[nodiscard]] std::int64_t junkBytes() const {
        std::int64_t total = 0;
        for (const auto& item : store->itemsOf(AppSection::cleanup)) {
            total += item.size;
        }
        return total;
    }

    // Every value of scanProgress announced, in order.
    std::vector<QVariantMap> announced;
};

TEST_F(HeldScan, FiguresOnlyGrowWhileTheScanRunsAndEndAsItsResult) {
    // Enough folders to measure that the figures are read while they are measured. The log file
    // is measured first, with the other plain files: an item is found before any byte inside a
    // folder is.
    constexpr int kFolders = 400;
    for (int folder = 0; folder < kFolders; ++folder) {
        for (int file = 0; file < 8; ++file) {
            tree.file(home / ("Library/Caches/org.example.f" + std::to_string(folder) + "/" +
                              std::to_string(file)),
                      4096);
        }
    }
    store->startJunkScan();
    ASSERT_TRUE(waitForEntries()) << "the figures are read while the scan runs";
    EXPECT_EQ(store->busySections(), QStringList{"cleanup"});
    EXPECT_EQ(store->scanProgress().value("section"), "cleanup");
    EXPECT_TRUE(store->scanProgress().value("summary").toString().endsWith(" examined"));
    release();
    ASSERT_TRUE(waitForDisplayedCompletion());

    ASSERT_GE(announced.size(), 3U);
    for (std::size_t next = 1; next < announced.size(); ++next) {
        for (const char* figure : {"entries", "items", "bytes"}) {
            EXPECT_GE(announced[next].value(figure).toLongLong(),
                      announced[next - 1].value(figure).toLongLong())
                << figure << " at announcement " << next;
        }
    }
    // Items are found as they are measured, not all at the end.
    for (const QVariantMap& figures : announced) {
        if (figures.value("bytes").toLongLong() > 0) {
            EXPECT_GT(figures.value("items").toLongLong(), 0)
                << "bytes " << figures.value("bytes").toLongLong() << " found in no item";
        }
    }
    const QVariantMap last = announced.back();
    EXPECT_EQ(last, store->scanProgress());
    EXPECT_EQ(last.value("running"), false);
    EXPECT_EQ(last.value("items").toLongLong(),
              static_cast<qint64>(store->itemsOf(AppSection::cleanup).size()));
    EXPECT_EQ(last.value("bytes").toLongLong(), junkBytes());
    EXPECT_EQ(store->itemsOf(AppSection::cleanup).size(), 7U + kFolders);
    EXPECT_TRUE(store->busySections().isEmpty());
}

TEST_F(HeldScan, StopReturnsTheListToItsFormerStateAndItsLateResultIsDropped) {
    release();
    store->startJunkScan();
    ASSERT_TRUE(waitForDisplayedCompletion());
    const QVariantMap completed = store->cleanupState();
    const QVariantList items = store->junkItems();
    ASSERT_EQ(items.size(), 7);

    hold();
    tree.file(home / "Library/Caches/com.example.new/x", 4096);
    store->startJunkScan();
    ASSERT_TRUE(waitForEntries());
    EXPECT_EQ(store->cleanupState().value("kind"), "scanning");
    store->stopScan();
    EXPECT_EQ(store->cleanupState(), completed) << "the state it had before the scan";
    EXPECT_EQ(store->junkItems(), items);
    EXPECT_TRUE(store->busySections().isEmpty());
    EXPECT_EQ(store->scanProgress().value("running"), false);
    EXPECT_EQ(store->scanProgress().value("stopped"), true);

    // The stopped scan still finishes on the engine; a scan posted after it completes after it.
    release();
    store->scanDownloads();
    ASSERT_TRUE(waitForDisplayedCompletion());
    EXPECT_EQ(store->junkItems(), items) << "the late result changed nothing";
    EXPECT_EQ(store->cleanupState(), completed);

    // A scan replaced by one of another list leaves that list as it was.
    hold();
    store->startJunkScan();
    ASSERT_TRUE(waitForEntries());
    store->scanTrash();
    EXPECT_EQ(store->cleanupState(), completed);
    EXPECT_EQ(store->trashState().value("kind"), "scanning");
    store->stopScan();
    store->stopScan();
    EXPECT_EQ(store->trashState().value("kind"), "idle") << "stopping twice is stopping once";
    EXPECT_EQ(store->cleanupState(), completed);
    release();
}

} // namespace
} // namespace sorvale::store::test

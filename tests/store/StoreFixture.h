// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "store/CleanupStore.h"
#include "store/StoreValues.h"
#include "support/StoreHelpers.h"
#include "support/TempTree.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace sorvale::store::test {

// A store over a fixture home (its trash in the fixture too) and a fixture system root, with an
// access check the test answers itself, either at once or when it chooses.
class StoreFixture : public ::testing::Test {
protected:
    StoreFixture();
    ~StoreFixture() override;

    // Answers every check at once with `granted`, or holds them until answerChecks().
    void answerChecksAt(bool granted) { automaticAnswer = granted; }
    void holdChecks() { automaticAnswer.reset(); }
    void answerChecks(bool granted);

    // Runs the event loop until `signal` fires (false when it did not within 10 s).
    template <class Signal>
    bool waitFor(Signal signal) {
        QSignalSpy spy(store.get(), signal);
        return spy.wait(10'000);
    }
    // Runs the event loop until the displayed list's state is complete (false when a change takes
    // over 10 s, or after 100 changes).
    bool waitForDisplayedCompletion() {
        return sorvale::test::waitForDisplayedCompletion(*store, 10'000, 100);
    }

    [[nodiscard]] QString key(const std::filesystem::path& id) const { return itemKey(id); }
    [[nodiscard]] std::vector<std::string> selectedNames() const;

    sorvale::test::TempTree tree;
    std::filesystem::path home;
    std::filesystem::path trash;
    std::optional<bool> automaticAnswer = true;
    std::deque<std::function<void(bool)>> heldChecks;
    std::vector<QUrl> openedUrls;
    std::unique_ptr<CleanupStore> store;
};

} // namespace sorvale::store::test

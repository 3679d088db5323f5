// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "StoreHelpers.h"

#include "store/StoreValues.h"

#include <QSignalSpy>

namespace sorvale::test {

bool waitForDisplayedCompletion(store::CleanupStore& store, int timeoutMs, int maxChanges) {
    for (int change = 0; change < maxChanges; ++change) {
        if (store.displayedState().value("kind") == "complete") {
            return true;
        }
        QSignalSpy spy(&store, &store::CleanupStore::displayedStateChanged);
        if (!spy.wait(timeoutMs)) {
            return false;
        }
    }
    return false;
}

QStringList selectOnly(store::CleanupStore& store,
                       const std::function<bool(const model::CleanupItem&)>& which) {
    QStringList all;
    QStringList chosen;
    for (const auto& item : store.itemsOf(store.section())) {
        all.append(store::itemKey(item.id));
        if (which(item)) {
            chosen.append(store::itemKey(item.id));
        }
    }
    store.setSelection(all, false);
    store.setSelection(chosen, true);
    return chosen;
}

} // namespace sorvale::test

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "store/CleanupStore.h"

#include <QStringList>

#include <functional>
#include <limits>

namespace sorvale::test {

// Runs the event loop until the store's displayed list has completed its scan. False when
// `timeoutMs` passes without a change of the list's state, or after `maxChanges` changes that did
// not complete it.
bool waitForDisplayedCompletion(store::CleanupStore& store, int timeoutMs,
                                int maxChanges = std::numeric_limits<int>::max());

// Selects, in the displayed list, exactly the items `which` picks; returns their keys.
QStringList selectOnly(store::CleanupStore& store,
                       const std::function<bool(const model::CleanupItem&)>& which);

} // namespace sorvale::test

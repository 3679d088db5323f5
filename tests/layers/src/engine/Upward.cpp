// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// An engine source that reaches up into the store: the layer check must refuse it.
#include "store/CleanupStore.h"

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/AppSection.h"
#include "model/CleanupCategory.h"
#include "model/CleanupItem.h"
#include "model/Message.h"
#include "model/SortOrder.h"

#include <QString>

#include <cstdint>

namespace sorvale::store {

// The model's texts as the window shows them: translated (model/Translatable.h marks them in
// the contexts used here), and byte counts written with the locale's decimal separator. The
// names differ from the model's own so that a call is never ambiguous with them.

[[nodiscard]] QString titleText(model::CleanupCategory category);
[[nodiscard]] QString subtitleText(model::CleanupCategory category, model::HomeLayout layout);
[[nodiscard]] QString titleText(model::CleanupGroup group);
[[nodiscard]] QString subtitleText(model::CleanupGroup group);
[[nodiscard]] QString titleText(model::AppSection section);
// The sort picker's label of an order.
[[nodiscard]] QString labelText(model::SortOrder order);

// A message in the language of the catalogue, its parts filled in as display text.
[[nodiscard]] QString messageText(const model::Message& message);

// An item's name as the window shows it: translated when the scan named the item in words of
// its own, else the file's or application's name as it is.
[[nodiscard]] QString nameText(const model::CleanupItem& item);

// model::formatByteCount's figure in the language and number format of the default locale.
[[nodiscard]] QString byteCountText(std::int64_t bytes);

} // namespace sorvale::store

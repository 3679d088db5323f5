// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/ScanEngine.h"
#include "model/CleanupItem.h"
#include "model/Message.h"

#include <optional>
#include <string>

namespace sorvale::cleanup {

// Strips the slices for other processors from every executable of a universal application,
// each reached and checked to be the one the scan found, with a backup kept until the
// application's signature has been checked again. A failure puts back what was replaced; none on
// success, else the message to show, which names anything that could not be put back and where
// its original is kept.
[[nodiscard]] std::optional<model::Message>
optimizeUniversalApplication(const engine::ScanEngine& tools, const model::CleanupItem& item);

} // namespace sorvale::cleanup

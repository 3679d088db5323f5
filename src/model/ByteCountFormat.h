// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace sorvale::model {

// A byte count as the platform's file-style byte-count formatter writes it: decimal units,
// "Zero KB", "1 byte", whole kilobytes, megabytes to one decimal place and larger units to two,
// rounded half to even on the exact integer. Every figure the user sees goes through here.
[[nodiscard]] std::string formatByteCount(std::int64_t bytes);

} // namespace sorvale::model

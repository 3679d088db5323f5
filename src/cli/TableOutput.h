// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/ScanEngine.h"
#include "model/CleanupItem.h"

#include <filesystem>
#include <ostream>

namespace sorvale::cli {

// Readable output for a terminal: sizes formatted as the application shows them, names made
// safe to print.
void writeTable(std::ostream& out, const model::ScanSnapshot& snapshot);
void writeTable(std::ostream& out, const std::filesystem::path& root,
                const engine::Measurement& measurement);

} // namespace sorvale::cli

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "engine/ScanEngine.h"
#include "model/CleanupItem.h"

#include <ostream>

namespace sorvale::cli {

// The stable JSON shape that other tools read. Bytes that are not valid UTF-8 are written as
// "\udcXX", one per byte, so that every name survives the round trip.
void writeJson(std::ostream& out, const model::ScanSnapshot& snapshot);
void writeJson(std::ostream& out, const engine::Measurement& measurement);

} // namespace sorvale::cli

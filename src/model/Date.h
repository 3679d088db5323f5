// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace sorvale::model {

using Date = std::chrono::system_clock::time_point;

} // namespace sorvale::model

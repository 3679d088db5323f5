// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ScanState.h"

#include <array>

namespace sorvale::model {

std::string_view EnumTraits<ScanState::Kind>::rawValue(ScanState::Kind kind) {
    static constexpr std::array<std::string_view, count> names{"idle", "scanning", "complete",
                                                               "failed"};
    return names[static_cast<std::size_t>(kind)];
}

} // namespace sorvale::model

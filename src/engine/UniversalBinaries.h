// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "EngineSetup.h"
#include "model/CleanupItem.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace sorvale::engine {

// Applications whose writable executables carry slices for other processors than the native
// one, each offered with what thinning them to that slice would save.
class UniversalBinaries {
public:
    explicit UniversalBinaries(const EngineSetup& setup)
        : setup_(setup) {}

    [[nodiscard]] model::ScanSnapshot scan(const std::filesystem::path& home) const;

private:
    // The size of the file's native slice, as lipo reports it.
    [[nodiscard]] std::optional<std::int64_t>
    nativeSliceSize(const std::filesystem::path& file) const;

    const EngineSetup& setup_;
};

} // namespace sorvale::engine

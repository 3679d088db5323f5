// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "EngineSetup.h"
#include "model/CleanupItem.h"

#include <cstdint>
#include <filesystem>

namespace sorvale::engine {

// The scans of one folder the user names: its entries one by one (Downloads, the Trash), or the
// large files anywhere below it.
class FolderScans {
public:
    explicit FolderScans(const EngineSetup& setup)
        : setup_(setup) {}

    // One measured item per visible entry of `root`, largest first.
    [[nodiscard]] model::ScanSnapshot topLevel(const std::filesystem::path& root,
                                               model::CleanupCategory category) const;
    // Every regular file of at least `minimumSize` allocated bytes below `root`, largest first.
    [[nodiscard]] model::ScanSnapshot largeFiles(const std::filesystem::path& root,
                                                 std::int64_t minimumSize) const;

private:
    const EngineSetup& setup_;
};

} // namespace sorvale::engine

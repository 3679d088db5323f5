// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "DirectoryWalker.h"
#include "model/HomeLayout.h"

#include <filesystem>
#include <string_view>

namespace sorvale::engine {

// What every scan module of one engine shares: the folder that stands for "/", the catalogue a
// home is read with and how many threads a walk may use. Modules hold it by reference and keep
// nothing else between calls.
struct EngineSetup {
    std::filesystem::path systemRoot = "/";
    model::HomeLayout layout = model::hostLayout();
    WalkConcurrency concurrency;

    // `absolutePath` (for example "/usr/bin/lipo") as it lies under the system root.
    [[nodiscard]] std::filesystem::path systemPath(std::string_view absolutePath) const {
        return systemRoot / std::filesystem::path(absolutePath).relative_path();
    }
};

} // namespace sorvale::engine

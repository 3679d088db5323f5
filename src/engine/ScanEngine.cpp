// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ScanEngine.h"

#include "AccessProbe.h"
#include "ApplicationInventory.h"
#include "FolderScans.h"
#include "LinuxApplications.h"
#include "LinuxJunkScan.h"
#include "MacosJunkScan.h"
#include "SizeMeasurement.h"
#include "ToolRunner.h"

namespace sorvale::engine {

namespace fs = std::filesystem;

ScanEngine::ScanEngine(fs::path systemRoot, model::HomeLayout layout, WalkConcurrency concurrency)
    : setup_{std::move(systemRoot), layout, concurrency} {}

model::ScanSnapshot ScanEngine::scanJunk(const fs::path& home) const {
    if (setup_.layout == model::HomeLayout::linuxDesktop) {
        return LinuxJunkScan(setup_).scan(home);
    }
    return MacosJunkScan(setup_).scan(home);
}

model::ScanSnapshot
ScanEngine::scanApplications(const fs::path& home,
                             const std::optional<std::vector<fs::path>>& applicationRoots) const {
    if (setup_.layout == model::HomeLayout::linuxDesktop && !applicationRoots) {
        return LinuxApplications(setup_).scan(home);
    }
    return ApplicationInventory(setup_).scan(home, applicationRoots);
}

model::ScanSnapshot ScanEngine::scanLargeFiles(const fs::path& root,
                                               std::int64_t minimumSize) const {
    return FolderScans(setup_).largeFiles(root, minimumSize);
}

model::ScanSnapshot ScanEngine::scanTopLevel(const fs::path& root,
                                             model::CleanupCategory category) const {
    return FolderScans(setup_).topLevel(root, category);
}

Measurement ScanEngine::measureAllocatedSize(const fs::path& root) const {
    return SizeMeasurement(setup_).measure(root);
}

bool ScanEngine::hasFullDiskAccess(const fs::path& home) const {
    return engine::hasFullDiskAccess(home);
}

ToolResult ScanEngine::runTool(std::string_view executable,
                               const std::vector<std::string>& arguments) const {
    return ToolRunner(setup_).run(executable, arguments);
}

} // namespace sorvale::engine

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "DirectoryWalker.h"
#include "EngineSetup.h"
#include "model/CleanupItem.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvale::engine {

struct Measurement {
    std::int64_t size = 0;
    // Some part could not be read, so `size` may be too small.
    bool incomplete = false;
    // False only when the entry itself could not be read; no item is ever made for it.
    bool rootWasReadable = true;

    bool operator==(const Measurement&) const = default;
};

struct ToolResult {
    // The termination status; -1 when the tool could not be started.
    int status = -1;
    // Standard output and standard error as written, as UTF-8 with invalid bytes replaced.
    std::string output;
};

// The one component that reads the file system and runs tools: a front over the scan modules
// (the junk catalogue, the application inventory, the folder scans, the size measurement and the
// tool runner), each in the files named after it. Its operations are synchronous and never fail:
// unreadable places become an inaccessible count. It keeps nothing between calls; EngineActor
// runs its operations one at a time off the caller's thread.
//
// Every absolute system location it reads, tools included, is resolved under `systemRoot`, so a
// whole machine can be stood up in a folder.
class ScanEngine {
public:
    // `layout` chooses the catalogue that homes are read with; `concurrency` limits the threads
    // of the walks that may share their work.
    explicit ScanEngine(std::filesystem::path systemRoot = "/",
                        model::HomeLayout layout = model::hostLayout(),
                        WalkConcurrency concurrency = WalkConcurrency{});

    [[nodiscard]] const std::filesystem::path& systemRoot() const { return setup_.systemRoot; }
    [[nodiscard]] model::HomeLayout layout() const { return setup_.layout; }
    // `absolutePath` (for example "/usr/bin/lipo") as it lies under the system root.
    [[nodiscard]] std::filesystem::path systemPath(std::string_view absolutePath) const {
        return setup_.systemPath(absolutePath);
    }

    // Smart Cleanup by the layout's catalogue, each location once, largest first. On macOS:
    // caches, logs, developer and simulator storage, Mail attachments, backups, the Trash,
    // application data and universal applications; on Linux: the cache folder, applications'
    // caches and logs, developer stores, the Trash and the system's package caches, journals,
    // runtimes and snap revisions.
    [[nodiscard]] model::ScanSnapshot scanJunk(const std::filesystem::path& home) const;
    // Installed applications with their support files, then leftovers of removed applications
    // and installer files, largest first. `applicationRoots` replaces the default roots.
    [[nodiscard]] model::ScanSnapshot
    scanApplications(const std::filesystem::path& home,
                     const std::optional<std::vector<std::filesystem::path>>& applicationRoots =
                         std::nullopt) const;
    // Every regular file of at least `minimumSize` allocated bytes below `root`, largest first.
    [[nodiscard]] model::ScanSnapshot scanLargeFiles(const std::filesystem::path& root,
                                                     std::int64_t minimumSize) const;
    // One measured item per visible entry of `root`, largest first.
    [[nodiscard]] model::ScanSnapshot scanTopLevel(const std::filesystem::path& root,
                                                   model::CleanupCategory category) const;
    // The only size rule: allocated bytes of every regular file inside, links never followed.
    [[nodiscard]] Measurement measureAllocatedSize(const std::filesystem::path& root) const;
    // Whether protected folders of the user's library can be listed.
    [[nodiscard]] bool hasFullDiskAccess(const std::filesystem::path& home) const;

    // Runs `executable` (an absolute path, resolved under the system root) with `arguments`, no
    // shell in between, and waits for it.
    [[nodiscard]] ToolResult runTool(std::string_view executable,
                                     const std::vector<std::string>& arguments) const;
    // Xcode's tool launcher: `runTool` tells it which Xcode to use.
    static constexpr std::string_view kXcrun = "/usr/bin/xcrun";
    // The tool that reads and thins universal executables, and the slice it keeps.
    static constexpr std::string_view kLipo = "/usr/bin/lipo";
    static constexpr std::string_view kNativeArchitecture = "arm64";

private:
    EngineSetup setup_;
};

} // namespace sorvale::engine

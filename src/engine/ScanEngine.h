#pragma once

#include "model/CleanupItem.h"
#include "platform/EntryValues.h"

#include <cstdint>
#include <filesystem>
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

// The one component that reads the file system and runs tools. Its operations are synchronous
// and never fail: unreadable places become an inaccessible count. It keeps nothing between calls;
// EngineActor runs its operations one at a time off the caller's thread.
//
// Every absolute system location it reads, tools included, is resolved under `systemRoot`, so a
// whole machine can be stood up in a folder.
class ScanEngine {
public:
    explicit ScanEngine(std::filesystem::path systemRoot = "/");

    [[nodiscard]] const std::filesystem::path& systemRoot() const { return systemRoot_; }
    // `absolutePath` (for example "/usr/bin/lipo") as it lies under the system root.
    [[nodiscard]] std::filesystem::path systemPath(std::string_view absolutePath) const;

    // The only size rule: allocated bytes of every regular file inside, links never followed.
    [[nodiscard]] Measurement measureAllocatedSize(const std::filesystem::path& root) const;
    // Whether a sandbox container looks almost empty only because its payload is hidden from us.
    [[nodiscard]] bool appearsToHideContainerPayload(const std::filesystem::path& root,
                                                     std::int64_t measuredSize) const;
    // One measured item per visible entry of `root`, largest first.
    [[nodiscard]] model::ScanSnapshot scanTopLevel(const std::filesystem::path& root,
                                                   model::CleanupCategory category) const;
    // Every regular file of at least `minimumSize` allocated bytes below `root`, largest first.
    [[nodiscard]] model::ScanSnapshot scanLargeFiles(const std::filesystem::path& root,
                                                     std::int64_t minimumSize) const;
    // Whether protected folders of the user's library can be listed.
    [[nodiscard]] bool hasFullDiskAccess(const std::filesystem::path& home) const;
    // Runs `executable` (an absolute path, resolved under the system root) with `arguments`, no
    // shell in between, and waits for it.
    [[nodiscard]] ToolResult runTool(std::string_view executable,
                                     const std::vector<std::string>& arguments) const;

    // The standard item for a measured entry: named after its last component, modified at its
    // content modification date, removed by moving it to the Trash.
    [[nodiscard]] static model::CleanupItem measuredEntryItem(const std::filesystem::path& url,
                                                              std::int64_t size,
                                                              model::CleanupCategory category);
    // A regular file's size: its allocated bytes, else its logical length, else 0.
    [[nodiscard]] static std::int64_t fileSize(const platform::EntryValues& values);

private:
    std::filesystem::path systemRoot_;
};

// Orders items largest first, keeping the found order among equal sizes.
void sortBySizeDescending(std::vector<model::CleanupItem>& items);

} // namespace sorvale::engine

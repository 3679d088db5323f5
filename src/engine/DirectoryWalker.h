#pragma once

#include "platform/EntryValues.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvale::engine {

struct WalkOptions {
    // Leave out entries whose names mark them hidden, and never enter hidden folders.
    bool skipHiddenEntries = false;
    // Report a package folder (an application bundle and the like) as one entry, never entering it.
    bool skipPackageContents = false;
};

enum class WalkAction { descend, skipDescendants };

// One entry met by the walk. It is valid only during the visitor call that receives it.
class WalkEntry {
public:
    [[nodiscard]] std::string_view name() const { return name_; }
    // 1 for the direct entries of the walk's root.
    [[nodiscard]] std::size_t depth() const { return depth_; }
    // As the folder listing reports it; a listing that does not say is answered with a stat.
    [[nodiscard]] platform::EntryType type() const { return type_; }
    // The root as given joined with the entry's relative path; built on first use.
    [[nodiscard]] const std::filesystem::path& path() const;
    // Read on first use, never through a link; none when the entry cannot be read.
    [[nodiscard]] const std::optional<platform::EntryValues>& values() const;

private:
    friend class DirectoryWalk;
    WalkEntry(int directory, const std::string& folderPath, const char* name, std::size_t depth)
        : directory_(directory)
        , folderPath_(folderPath)
        , name_(name)
        , depth_(depth) {}

    int directory_;
    const std::string& folderPath_;
    const char* name_;
    std::size_t depth_;
    platform::EntryType type_ = platform::EntryType::other;
    mutable bool valuesRead_ = false;
    mutable std::optional<platform::EntryValues> values_;
    mutable std::optional<std::filesystem::path> path_;
};

// Called for every entry, parents before their contents; the answer matters only for folders.
using WalkVisitor = std::function<WalkAction(const WalkEntry&)>;
// Called with the folder that could not be opened or listed, and the system's error code. The
// walk goes on with the next entry.
using WalkErrorHandler = std::function<void(const std::filesystem::path&, int error)>;

// The engine's one recursive enumeration. Symbolic links are never followed, folders are opened
// relative to their parent's descriptor, the pending folders live on an explicit stack, and the
// number of descriptors held open stays bounded however deep the tree is. Entries are visited in
// one fixed order, parents before their contents. Returns false, without visiting anything, when
// `root` cannot be opened as a folder.
[[nodiscard]] bool walkDirectory(const std::filesystem::path& root, const WalkOptions& options,
                                 const WalkVisitor& visit, const WalkErrorHandler& onError);

// The visitor and error handler of one thread of a concurrent walk.
struct WalkWorker {
    WalkVisitor visit;
    WalkErrorHandler onError;
};

// Most measured items are small, and starting threads for them would cost more than it saves.
inline constexpr std::size_t kEntriesBeforeSharingAWalk = 4096;

// The same walk for results that do not depend on the order of the visits (a total, a flag).
// Once the walk has met `entriesBeforeSharing` entries, helper threads take over folders as they
// fall idle. Each thread gets its own worker from `makeWorker(index)`, index 0 being the calling
// thread's; the calls all happen on the calling thread, and every worker has finished when this
// returns.
[[nodiscard]] bool
walkDirectoryConcurrently(const std::filesystem::path& root, const WalkOptions& options,
                          const std::function<WalkWorker(std::size_t index)>& makeWorker,
                          std::size_t entriesBeforeSharing = kEntriesBeforeSharingAWalk);

// The direct entries of `folder` in listing order; none when the folder cannot be listed.
[[nodiscard]] std::optional<std::vector<std::filesystem::path>>
listDirectory(const std::filesystem::path& folder, bool skipHiddenEntries);

} // namespace sorvale::engine

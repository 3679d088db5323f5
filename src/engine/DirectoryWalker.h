// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/Location.h"
#include "platform/EntryValues.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
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
    // Never enter a folder of another file system than the walk's first folder: a mount point is
    // reported to the error handler (EXDEV) instead.
    bool stayOnDevice = false;
};

// How many threads a concurrent walk may use, and how many entries the calling thread meets
// alone before it starts the others (most walks are small, and threads would cost more than
// they save). One thread walks exactly as the sequential walk does.
struct WalkConcurrency {
    unsigned threads = 4;
    std::size_t entriesBeforeSharing = 4096;
};

// Where a walk starts: a scanned root, opened as named so that a link the user set up there is
// listed through, and a path below it whose every folder must be a real folder, never a link.
struct WalkRoot {
    WalkRoot(std::filesystem::path scannedRoot, std::filesystem::path pathBelow = {})
        : root(std::move(scannedRoot))
        , below(std::move(pathBelow)) {}
    WalkRoot(const char* scannedRoot)
        : WalkRoot(std::filesystem::path(scannedRoot)) {}

    std::filesystem::path root;
    std::filesystem::path below;
};

// Where a walk of what lies inside `location` starts: below the scanned root that its sighting
// names, or, for a location no scan has seen, below its parent folder.
[[nodiscard]] WalkRoot walkRootOf(const model::Location& location);

enum class WalkAction { descend, skipDescendants };

class DirectoryWalk;

// One entry met by the walk. It is valid only during the visitor call that receives it.
class WalkEntry {
public:
    [[nodiscard]] std::string_view name() const { return name_; }
    // 1 for the direct entries of the walk's first folder.
    [[nodiscard]] std::size_t depth() const { return depth_; }
    // As the folder listing reports it; a listing that does not say is answered with a stat.
    [[nodiscard]] platform::EntryType type() const { return type_; }
    // The root as given joined with the entry's relative path; built on first use.
    [[nodiscard]] const std::filesystem::path& path() const;
    // Read on first use, never through a link; none when the entry cannot be read.
    [[nodiscard]] const std::optional<platform::EntryValues>& values() const;
    // The entry's path with the identities of the scanned root, its folder and itself, so that
    // a later change can check it acts on this very entry; without them when it cannot be read.
    [[nodiscard]] model::Location location() const;
    // The entry as the first folder of a walk of its own below the same scanned root.
    [[nodiscard]] WalkRoot asRoot() const;
    // The open folder that holds the entry, to act on it relative to that folder.
    [[nodiscard]] int folderDescriptor() const { return directory_; }
    // Where a sequential walk meets the entry: the positions of the folders above it, and of the
    // entry itself, in their folders' listings. Entries met in this order are met in walk order,
    // whichever thread of a concurrent walk met them.
    [[nodiscard]] std::vector<std::uint32_t> order() const;

private:
    friend class DirectoryWalk;
    WalkEntry(const DirectoryWalk& walk, int directory, const char* name, std::size_t depth)
        : walk_(walk)
        , directory_(directory)
        , name_(name)
        , depth_(depth) {}

    const DirectoryWalk& walk_;
    int directory_;
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
// Called for a folder once everything inside it has been visited, with its parent open.
using WalkLeaveVisitor = std::function<void(const WalkEntry&)>;

// The callbacks of one thread of a walk.
struct WalkWorker {
    WalkVisitor visit;
    WalkErrorHandler onError;
    WalkLeaveVisitor leave = {};
};

// The engine's one recursive enumeration. Symbolic links below the root are never followed,
// folders are opened relative to their parent's descriptor, the pending folders live on an
// explicit stack, and the number of descriptors held open stays bounded however deep the tree
// is. Entries are visited in one fixed order, parents before their contents. Returns false,
// without visiting anything, when the walk's first folder cannot be opened.
[[nodiscard]] bool walkDirectory(const WalkRoot& root, const WalkOptions& options,
                                 const WalkVisitor& visit, const WalkErrorHandler& onError);
[[nodiscard]] bool walkDirectory(const WalkRoot& root, const WalkOptions& options,
                                 const WalkWorker& worker);

// A walk whose failures count the one way every scan counts them: one for a walk whose first
// folder cannot be opened or that met a folder it could not open or list. A first folder that
// does not exist is no failure: there is nothing to read.
void walkCounting(const WalkRoot& root, const WalkOptions& options, const WalkVisitor& visit,
                  std::int64_t& inaccessible);

// The same walk of the folder open at `folder` (the caller keeps its descriptor), whose path is
// `path`: for what has reached a folder itself and checked that it is the one it wants.
void walkOpenFolder(int folder, const std::filesystem::path& path, const WalkOptions& options,
                    const WalkWorker& worker);

// The same walk for results that do not depend on the order of the visits (a total, a flag),
// or that put their findings back in order (`WalkEntry::order`). Once the walk has met enough
// entries, helper threads take over folders as they fall idle. Each thread gets its own worker
// from `makeWorker(index)`, index 0 being the calling thread's; the calls all happen on the
// calling thread, and every worker has finished when this returns.
[[nodiscard]] bool
walkDirectoryConcurrently(const WalkRoot& root, const WalkOptions& options,
                          const WalkConcurrency& concurrency,
                          const std::function<WalkWorker(std::size_t index)>& makeWorker);

// The callbacks of one thread of a concurrent walk of several roots, told which root an entry
// or a failure belongs to.
struct RootsWorker {
    std::function<WalkAction(std::size_t root, const WalkEntry&)> visit;
    std::function<void(std::size_t root, const std::filesystem::path&, int error)> onError;
    // Called once for every root, opened or not, when everything inside it has been visited: on
    // the thread that visited its last folder, after every other thread's visits to it.
    std::function<void(std::size_t root)> finished = {};
};

// Walks every root of `roots`, the threads sharing the roots and their folders alike; which roots
// could be opened.
[[nodiscard]] std::vector<bool>
walkRootsConcurrently(const std::vector<WalkRoot>& roots, const WalkOptions& options,
                      const WalkConcurrency& concurrency,
                      const std::function<RootsWorker(std::size_t index)>& makeWorker);

// What the threads of a concurrent walk found, each finding with its place in the walk's order,
// so that the findings of all the threads put together come out as a sequential walk meets them.
template <class Finding>
class WalkFindings {
public:
    void add(const WalkEntry& entry, Finding finding) {
        found_.push_back({entry.order(), std::move(finding)});
    }

    // The findings of every thread, in walk order.
    [[nodiscard]] static std::vector<Finding> inWalkOrder(std::deque<WalkFindings>& threads) {
        // The findings are put in order by reference and moved once: they may be large.
        std::vector<std::pair<std::vector<std::uint32_t>, Finding>*> all;
        for (WalkFindings& thread : threads) {
            for (auto& found : thread.found_) {
                all.push_back(&found);
            }
        }
        std::sort(all.begin(), all.end(),
                  [](const auto* a, const auto* b) { return a->first < b->first; });
        std::vector<Finding> ordered;
        ordered.reserve(all.size());
        for (auto* found : all) {
            ordered.push_back(std::move(found->second));
        }
        return ordered;
    }

private:
    std::vector<std::pair<std::vector<std::uint32_t>, Finding>> found_;
};

// One direct entry of a listed folder: its location as `WalkEntry::location` gives it, and its
// values.
struct ListedEntry {
    model::Location location;
    std::optional<platform::EntryValues> values;
};

// The direct entries of `folder` in listing order; none when the folder cannot be listed.
[[nodiscard]] std::optional<std::vector<ListedEntry>> listDirectory(const WalkRoot& folder,
                                                                    bool skipHiddenEntries);

// The entry `below` the scanned root `root`, reached the way a walk reaches it: its location and
// its values, or none when it cannot be reached or read.
[[nodiscard]] std::optional<ListedEntry> findEntry(const std::filesystem::path& root,
                                                   const std::filesystem::path& below);

} // namespace sorvale::engine

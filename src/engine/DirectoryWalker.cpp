// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "DirectoryWalker.h"

#include "DirectoryWalk.h"
#include "WalkQueue.h"
#include "platform/Descriptors.h"

#include <algorithm>
#include <cerrno>
#include <deque>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace sorvale::engine {
namespace {

void appendName(std::string& path, std::string_view name) {
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    path += name;
}

// A path whose first `rootLength` bytes name the scanned root, as that root and the rest.
WalkRoot splitAtRoot(std::string_view path, std::size_t rootLength) {
    std::string_view below = path.substr(std::min(rootLength, path.size()));
    below.remove_prefix(std::min(below.find_first_not_of('/'), below.size()));
    return WalkRoot(std::string(path.substr(0, rootLength)), std::string(below));
}

// The walk's first folder, opened and identified, with the origin its folders share; none, with
// errno set, when it cannot be walked.
std::optional<HandedFolder> openFirstFolder(const WalkRoot& root, WalkOrigin& origin) {
    std::string path = root.root.native();
    origin.rootLength = path.size();
    platform::Descriptor folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const auto rootIdentity = folder ? platform::identityOf(folder.get()) : std::nullopt;
    if (!rootIdentity) {
        return std::nullopt;
    }
    origin.rootIdentity = *rootIdentity;
    model::FileIdentity id = *rootIdentity;
    for (const std::filesystem::path& component : root.below) {
        const std::string& name = component.native();
        if (name.empty() || name == "/" || name == ".") {
            continue;
        }
        if (name == "..") {
            errno = EINVAL;
            return std::nullopt;
        }
        platform::Descriptor next(
            ::openat(folder.get(), name.c_str(), platform::realFolderFlags()));
        const auto nextId = next ? platform::identityOf(next.get()) : std::nullopt;
        if (!nextId) {
            return std::nullopt;
        }
        folder = std::move(next);
        id = *nextId;
        appendName(path, name);
    }
    origin.device = id.device;
    const int fd = ::fcntl(folder.get(), F_DUPFD_CLOEXEC, 0);
    if (fd < 0) {
        return std::nullopt;
    }
    origin.opened = true;
    return HandedFolder{fd, std::move(path), 0, id, {}, {}, &origin};
}

// One thread's part of a concurrent walk of several roots.
class RootsWalker {
public:
    RootsWalker(const std::vector<WalkRoot>& roots, std::deque<WalkOrigin>& origins,
                const WalkOptions& options, const RootsWorker& worker, WalkQueue& queue)
        : roots_(roots)
        , origins_(origins)
        , options_(options)
        , worker_(worker)
        , queue_(queue) {}

    // Takes work until the whole walk is done. `sharing`, for the calling thread, starts the
    // helpers once it has met enough entries alone.
    void run(SharingStart* sharing) {
        while (auto work = queue_.take()) {
            std::size_t root = 0;
            if (const auto* first = std::get_if<std::size_t>(&*work)) {
                root = *first;
                WalkOrigin& origin = origins_[root];
                origin.root = root;
                // A root that cannot be opened is told by the walk's answer.
                if (auto folder = openFirstFolder(roots_[root], origin)) {
                    walk(std::move(*folder), sharing);
                }
            } else {
                auto& folder = std::get<HandedFolder>(*work);
                root = folder.origin->root;
                walk(std::move(folder), sharing);
            }
            if (queue_.finish(root) && worker_.finished) {
                worker_.finished(root);
            }
        }
    }

private:
    void walk(HandedFolder folder, SharingStart* sharing) {
        const std::size_t root = folder.origin->root;
        const WalkWorker adapted{[&](const WalkEntry& entry) { return worker_.visit(root, entry); },
                                 [&](const std::filesystem::path& path, int error) {
                                     worker_.onError(root, path, error);
                                 }};
        DirectoryWalk walk(options_, adapted, *folder.origin);
        if (sharing != nullptr && sharing->start) {
            walk.shareAfter(*sharing);
        } else {
            walk.share(&queue_);
        }
        walk.run(std::move(folder));
    }

    const std::vector<WalkRoot>& roots_;
    std::deque<WalkOrigin>& origins_;
    const WalkOptions& options_;
    const RootsWorker& worker_;
    WalkQueue& queue_;
};

} // namespace

std::vector<std::uint32_t> WalkEntry::order() const {
    return walk_.currentOrder();
}

const std::filesystem::path& WalkEntry::path() const {
    if (!path_) {
        std::string path = walk_.currentFolderPath();
        appendName(path, name_);
        path_.emplace(std::move(path));
    }
    return *path_;
}

const std::optional<platform::EntryValues>& WalkEntry::values() const {
    if (!valuesRead_) {
        values_ = platform::readEntryValues(directory_, name_);
        valuesRead_ = true;
    }
    return values_;
}

model::Location WalkEntry::location() const {
    const auto& entryValues = values();
    if (!entryValues) {
        return model::Location(path());
    }
    return model::Location(path().native(), walk_.currentFolderSighting(), entryValues->identity);
}

WalkRoot WalkEntry::asRoot() const {
    return splitAtRoot(path().native(), walk_.origin().rootLength);
}

WalkRoot walkRootOf(const model::Location& location) {
    if (const auto sighting = location.sighting()) {
        return splitAtRoot(location.bytes(), sighting->folder.rootLength);
    }
    const std::filesystem::path path = location.path();
    return path.has_filename() && path.has_parent_path()
               ? WalkRoot(path.parent_path(), path.filename())
               : WalkRoot(path);
}

bool walkDirectory(const WalkRoot& root, const WalkOptions& options, const WalkVisitor& visit,
                   const WalkErrorHandler& onError) {
    return walkDirectory(root, options, WalkWorker{visit, onError});
}

bool walkDirectory(const WalkRoot& root, const WalkOptions& options, const WalkWorker& worker) {
    WalkOrigin origin;
    auto folder = openFirstFolder(root, origin);
    if (!folder) {
        return false;
    }
    DirectoryWalk(options, worker, origin).run(std::move(*folder));
    return true;
}

void walkCounting(const WalkRoot& root, const WalkOptions& options, const WalkVisitor& visit,
                  std::int64_t& inaccessible) {
    if (!platform::fileExists(root.below.empty() ? root.root : root.root / root.below)) {
        return;
    }
    bool failed = false;
    const bool opened = walkDirectory(root, options, visit,
                                      [&](const std::filesystem::path&, int) { failed = true; });
    if (!opened || failed) {
        ++inaccessible;
    }
}

void walkOpenFolder(int folder, const std::filesystem::path& path, const WalkOptions& options,
                    const WalkWorker& worker) {
    const auto id = platform::identityOf(folder);
    const int fd = id ? ::fcntl(folder, F_DUPFD_CLOEXEC, 0) : -1;
    if (fd < 0) {
        worker.onError(path, errno);
        return;
    }
    const WalkOrigin origin{0, true, path.native().size(), *id, id->device};
    DirectoryWalk(options, worker, origin)
        .run(HandedFolder{fd, path.native(), 0, *id, {}, {}, &origin});
}

std::vector<bool>
walkRootsConcurrently(const std::vector<WalkRoot>& roots, const WalkOptions& options,
                      const WalkConcurrency& concurrency,
                      const std::function<RootsWorker(std::size_t index)>& makeWorker) {
    const unsigned threads =
        std::max(1U, std::min(std::thread::hardware_concurrency(), concurrency.threads));
    std::deque<WalkOrigin> origins(roots.size());
    std::deque<RootsWorker> workers{makeWorker(0)};
    WalkQueue queue(roots.size(), threads > 1 ? threads : 0);
    std::vector<std::jthread> helpers;
    SharingStart sharing{concurrency.entriesBeforeSharing, nullptr};
    if (threads > 1) {
        sharing.start = [&]() -> WalkQueue* {
            // Every worker exists before any helper runs: a worker told that a root is finished
            // may read what the others gathered for it.
            for (std::size_t index = 1; index < threads; ++index) {
                workers.emplace_back(makeWorker(index));
            }
            for (std::size_t index = 1; index < threads; ++index) {
                const RootsWorker& worker = workers[index];
                helpers.emplace_back([&roots, &origins, &options, &worker, &queue,
                                      progress = ScanProgress::current()] {
                    // The helpers work for the scan of the thread that started them.
                    const ScanProgress::Scope scope(progress);
                    RootsWalker(roots, origins, options, worker, queue).run(nullptr);
                });
            }
            return &queue;
        };
    }
    RootsWalker(roots, origins, options, workers.front(), queue).run(&sharing);
    helpers.clear();
    std::vector<bool> opened;
    opened.reserve(origins.size());
    for (const WalkOrigin& origin : origins) {
        opened.push_back(origin.opened);
    }
    return opened;
}

bool walkDirectoryConcurrently(const WalkRoot& root, const WalkOptions& options,
                               const WalkConcurrency& concurrency,
                               const std::function<WalkWorker(std::size_t index)>& makeWorker) {
    std::deque<WalkWorker> workers;
    const std::vector<bool> opened =
        walkRootsConcurrently({root}, options, concurrency, [&](std::size_t index) {
            const WalkWorker& worker = workers.emplace_back(makeWorker(index));
            return RootsWorker{
                [&worker](std::size_t, const WalkEntry& entry) { return worker.visit(entry); },
                [&worker](std::size_t, const std::filesystem::path& path, int error) {
                    worker.onError(path, error);
                }};
        });
    return opened.front();
}

std::optional<std::vector<ListedEntry>> listDirectory(const WalkRoot& folder,
                                                      bool skipHiddenEntries) {
    std::vector<ListedEntry> entries;
    bool failed = false;
    const bool opened = walkDirectory(
        folder, WalkOptions{.skipHiddenEntries = skipHiddenEntries},
        [&](const WalkEntry& entry) {
            entries.push_back({entry.location(), entry.values()});
            return WalkAction::skipDescendants;
        },
        [&](const std::filesystem::path&, int) { failed = true; });
    if (!opened || failed) {
        return std::nullopt;
    }
    return entries;
}

std::optional<ListedEntry> findEntry(const std::filesystem::path& root,
                                     const std::filesystem::path& below) {
    int error = 0;
    const auto folder = platform::openEntryFolder(root.native(), below.native(), error);
    if (!folder) {
        return std::nullopt;
    }
    auto values = platform::readEntryValues(folder->folder.get(), folder->name.c_str());
    if (!values) {
        return std::nullopt;
    }
    std::string path = root.native();
    appendName(path, below.native());
    model::Location location(path,
                             std::make_shared<const model::FolderSighting>(model::FolderSighting{
                                 static_cast<std::uint32_t>(root.native().size()),
                                 folder->rootIdentity, folder->folderIdentity}),
                             values->identity);
    return ListedEntry{std::move(location), std::move(values)};
}

} // namespace sorvale::engine

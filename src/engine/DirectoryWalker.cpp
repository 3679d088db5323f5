#include "DirectoryWalker.h"

#include "platform/Descriptors.h"
#include "platform/EntryNames.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace sorvale::engine {
namespace {

using platform::EntryType;
using FolderId = model::FileIdentity;

// Deeper folders than this are walked by closing the shallowest descriptors and reopening them,
// one name at a time from the walk's first folder, when the walk climbs back.
constexpr std::size_t kMaxOpenFolders = 64;
// The walk is bound by system calls on folder metadata; a few threads are all that pay.
constexpr unsigned kMostWalkThreads = 4;

void appendName(std::string& path, std::string_view name) {
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    path += name;
}

std::string joined(const std::string& folder, std::string_view name) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path = folder;
    appendName(path, name);
    return path;
}

EntryType typeFromListing(unsigned char type) {
    switch (type) {
    case DT_REG:
        return EntryType::regular;
    case DT_DIR:
        return EntryType::directory;
    case DT_LNK:
        return EntryType::symbolicLink;
    default:
        return EntryType::other;
    }
}

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

std::optional<FolderId> identify(int fd) {
    return platform::identityOf(fd);
}

struct ListedName {
    std::size_t nameOffset;
    unsigned char type;
};

struct Folder {
    int fd = -1;
    std::string name; // relative to the folder below it on the stack
    FolderId id;
    std::string names; // every entry name, each ending in a NUL
    std::vector<ListedName> entries;
    std::size_t next = 0;
};

// An open folder that one thread of a concurrent walk hands to another.
struct HandedFolder {
    int fd;
    std::string path;
    std::size_t depth;
    FolderId id;
    std::vector<FolderId> ancestors;
};

void addListedEntry(Folder& folder, const char* name, unsigned char type) {
    if (isDotOrDotDot(name)) {
        return;
    }
    folder.entries.push_back({folder.names.size(), type});
    folder.names.append(name, std::strlen(name) + 1);
}

// Reads every entry of the open folder; returns 0 or the error that stopped the listing.
int readListing(Folder& folder, std::vector<char>& buffer) {
#ifdef __linux__
    for (;;) {
        const ssize_t count = ::getdents64(folder.fd, buffer.data(), buffer.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (count == 0) {
            return 0;
        }
        for (ssize_t offset = 0; offset < count;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + offset);
            addListedEntry(folder, entry->d_name, entry->d_type);
            offset += entry->d_reclen;
        }
    }
#else
    const int duplicate = ::fcntl(folder.fd, F_DUPFD_CLOEXEC, 0);
    DIR* stream = duplicate < 0 ? nullptr : ::fdopendir(duplicate);
    if (stream == nullptr) {
        const int error = errno;
        if (duplicate >= 0) {
            ::close(duplicate);
        }
        return error;
    }
    int error = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(stream);
        if (entry == nullptr) {
            error = errno;
            break;
        }
        addListedEntry(folder, entry->d_name, entry->d_type);
    }
    ::closedir(stream);
    return error;
#endif
}

// The folders that the threads of a concurrent walk hand to each other, and the count of work
// not yet finished, which tells an idle thread when the whole walk is over.
class WorkQueue {
public:
    WorkQueue() = default;
    WorkQueue(const WorkQueue&) = delete;
    WorkQueue& operator=(const WorkQueue&) = delete;
    ~WorkQueue() {
        for (const HandedFolder& folder : folders_) {
            ::close(folder.fd);
        }
    }

    // Read on every folder a busy thread enters, so it takes no lock.
    [[nodiscard]] bool wantsWork() const {
        return idle_.load(std::memory_order_relaxed) > queued_.load(std::memory_order_relaxed);
    }

    void give(HandedFolder folder) {
        {
            std::lock_guard lock(mutex_);
            folders_.push_back(std::move(folder));
            ++unfinished_;
            queued_.fetch_add(1, std::memory_order_relaxed);
        }
        changed_.notify_one();
    }

    // Waits for a folder; none once every folder of the walk is finished.
    std::optional<HandedFolder> take() {
        std::unique_lock lock(mutex_);
        idle_.fetch_add(1, std::memory_order_relaxed);
        changed_.wait(lock, [this] { return !folders_.empty() || unfinished_ == 0; });
        idle_.fetch_sub(1, std::memory_order_relaxed);
        if (folders_.empty()) {
            return std::nullopt;
        }
        HandedFolder folder = std::move(folders_.front());
        folders_.pop_front();
        queued_.fetch_sub(1, std::memory_order_relaxed);
        return folder;
    }

    // The caller has finished a folder it took, or the walk it started with.
    void finish() {
        bool allDone = false;
        {
            std::lock_guard lock(mutex_);
            allDone = --unfinished_ == 0;
        }
        if (allDone) {
            changed_.notify_all();
        }
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<HandedFolder> folders_;
    std::size_t unfinished_ = 1; // the calling thread's own walk
    std::atomic<std::size_t> idle_ = 0;
    std::atomic<std::size_t> queued_ = 0;
};

// A path whose first `rootLength` bytes name the scanned root, as that root and the rest.
WalkRoot splitAtRoot(std::string_view path, std::size_t rootLength) {
    std::string_view below = path.substr(std::min(rootLength, path.size()));
    below.remove_prefix(std::min(below.find_first_not_of('/'), below.size()));
    return WalkRoot(std::string(path.substr(0, rootLength)), std::string(below));
}

// What every folder of one walk shares: the scanned root it started from, and the device of its
// first folder.
struct WalkOrigin {
    std::size_t rootLength = 0;
    FolderId rootIdentity;
    std::uint64_t device = 0;
};

} // namespace

// The depth-first walk below one open folder, on one thread.
class DirectoryWalk {
public:
    DirectoryWalk(const WalkOptions& options, const WalkWorker& worker, const WalkOrigin& origin)
        : options_(options)
        , worker_(worker)
        , origin_(origin)
        , buffer_(64 * 1024) {}

    DirectoryWalk(const DirectoryWalk&) = delete;
    DirectoryWalk& operator=(const DirectoryWalk&) = delete;
    ~DirectoryWalk() { closeAll(); }

    // From now on, folders are handed to idle threads through `queue`.
    void share(WorkQueue* queue) { queue_ = queue; }
    // Calls `startSharing` once, on this thread, when the walk has met `entries` entries.
    void shareAfter(std::size_t entries, std::function<WorkQueue*()> startSharing) {
        entriesBeforeSharing_ = entries;
        startSharing_ = std::move(startSharing);
    }

    // Walks everything below `folder`, taking ownership of its descriptor.
    void run(HandedFolder folder) {
        baseDepth_ = folder.depth;
        ancestors_ = std::move(folder.ancestors);
        base_ = std::move(folder.path);
        pushOpen(folder.fd, {}, folder.id);
        while (!stack_.empty()) {
            step();
        }
    }

    // The path of the folder on top of the stack: the one whose entries are being visited.
    [[nodiscard]] const std::string& currentFolderPath() const {
        if (!currentPath_) {
            currentPath_ = folderPath(stack_.size() - 1);
        }
        return *currentPath_;
    }
    [[nodiscard]] const FolderId& currentFolderId() const { return stack_.back().id; }
    [[nodiscard]] const WalkOrigin& origin() const { return origin_; }

private:
    [[nodiscard]] std::string folderPath(std::size_t level) const {
        std::string path = base_;
        for (std::size_t index = 1; index <= level; ++index) {
            appendName(path, stack_[index].name);
        }
        return path;
    }

    void step() {
        Folder& folder = stack_.back();
        if (folder.next == folder.entries.size()) {
            leave();
            return;
        }
        const ListedName listed = folder.entries[folder.next++];
        const char* name = folder.names.data() + listed.nameOffset;
        if (options_.skipHiddenEntries && platform::isHiddenName(name)) {
            return;
        }
        if (folder.fd < 0 && !reopen(stack_.size() - 1)) {
            folder.next = folder.entries.size();
            return;
        }
        if (startSharing_ && visited_++ == entriesBeforeSharing_) {
            queue_ = startSharing_();
        }

        WalkEntry entry(*this, folder.fd, name, baseDepth_ + stack_.size());
        entry.type_ = typeFromListing(listed.type);
        if (listed.type == DT_UNKNOWN) {
            if (const auto& values = entry.values()) {
                entry.type_ = values->type;
            }
        }
        const WalkAction action = worker_.visit(entry);
        if (entry.type_ != EntryType::directory || action == WalkAction::skipDescendants ||
            (options_.skipPackageContents && platform::isPackageFolderName(name))) {
            return;
        }
        descend(folder.fd, name);
    }

    void descend(int parent, const char* name) {
        const int fd = ::openat(parent, name, platform::realFolderFlags());
        if (fd < 0) {
            worker_.onError(joined(currentFolderPath(), name), errno);
            return;
        }
        const auto id = identify(fd);
        if (!id) {
            const int error = errno;
            ::close(fd);
            worker_.onError(joined(currentFolderPath(), name), error);
            return;
        }
        // A folder that is its own ancestor (a bind mount or a directory hard link) would make
        // the walk endless.
        const auto isId = [&](const FolderId& other) { return other == *id; };
        const bool isLoop =
            std::any_of(ancestors_.begin(), ancestors_.end(), isId) ||
            std::any_of(stack_.begin(), stack_.end(), [&](const Folder& f) { return isId(f.id); });
        if (isLoop || (options_.stayOnDevice && id->device != origin_.device)) {
            ::close(fd);
            worker_.onError(joined(currentFolderPath(), name), isLoop ? ELOOP : EXDEV);
            return;
        }
        // A folder deep down a chain stays with this thread: handing it over copies the chain.
        if (queue_ != nullptr && baseDepth_ + stack_.size() < kMaxOpenFolders &&
            queue_->wantsWork()) {
            std::vector<FolderId> ancestors = ancestors_;
            for (const Folder& f : stack_) {
                ancestors.push_back(f.id);
            }
            queue_->give({fd, joined(currentFolderPath(), name), baseDepth_ + stack_.size(), *id,
                          std::move(ancestors)});
            return;
        }
        pushOpen(fd, name, *id);
    }

    // Takes ownership of `fd`, lists the folder and puts it on the stack.
    void pushOpen(int fd, std::string name, FolderId id) {
        // The first folder keeps its descriptor: reopening starts from it.
        if (stack_.size() > firstOpen_ && stack_.size() - firstOpen_ + 1 >= kMaxOpenFolders) {
            ::close(stack_[firstOpen_].fd);
            stack_[firstOpen_].fd = -1;
            ++firstOpen_;
        }
        Folder& folder = stack_.emplace_back();
        folder.fd = fd;
        folder.name = std::move(name);
        folder.id = id;
        currentPath_.reset();
        if (const int error = readListing(folder, buffer_); error != 0) {
            worker_.onError(currentFolderPath(), error);
        }
    }

    // Every entry of the top folder has been visited: it is closed and, if the worker wants to
    // know, reported from its parent.
    void leave() {
        if (stack_.back().fd >= 0) {
            ::close(stack_.back().fd);
        }
        const std::string name = std::move(stack_.back().name);
        stack_.pop_back();
        currentPath_.reset();
        firstOpen_ =
            std::clamp<std::size_t>(firstOpen_, 1, std::max<std::size_t>(stack_.size(), 1));
        if (!worker_.leave || stack_.empty()) {
            return;
        }
        if (stack_.back().fd < 0 && !reopen(stack_.size() - 1)) {
            stack_.back().next = stack_.back().entries.size();
            return;
        }
        WalkEntry entry(*this, stack_.back().fd, name.c_str(), baseDepth_ + stack_.size());
        entry.type_ = EntryType::directory;
        worker_.leave(entry);
    }

    void closeAll() {
        for (Folder& folder : stack_) {
            if (folder.fd >= 0) {
                ::close(folder.fd);
            }
        }
    }

    // Opens `target` again, one name at a time from the first folder, never through a link, and
    // checks that every folder on the way is still the one that was listed. The folders between
    // are closed as well, since descriptors are released shallowest first; the deepest of them
    // are kept open.
    bool reopen(std::size_t target) {
        const std::size_t firstKept =
            target + 1 > kMaxOpenFolders ? target + 2 - kMaxOpenFolders : 1;
        int fd = stack_.front().fd;
        int error = 0;
        std::size_t level = 1;
        for (; level <= target; ++level) {
            const int next = ::openat(fd, stack_[level].name.c_str(), platform::realFolderFlags());
            error = errno;
            if (level - 1 >= firstKept) {
                stack_[level - 1].fd = fd;
            } else if (level - 1 > 0) {
                ::close(fd);
            }
            if (next < 0) {
                break;
            }
            if (identify(next) != std::optional(stack_[level].id)) {
                ::close(next);
                error = ENOENT;
                break;
            }
            fd = next;
        }
        if (level > target) {
            stack_[target].fd = fd;
            firstOpen_ = firstKept;
            return true;
        }
        for (std::size_t opened = firstKept; opened < level; ++opened) {
            ::close(stack_[opened].fd);
            stack_[opened].fd = -1;
        }
        worker_.onError(folderPath(target), error);
        return false;
    }

    const WalkOptions& options_;
    const WalkWorker& worker_;
    const WalkOrigin& origin_;
    std::vector<char> buffer_;
    std::vector<Folder> stack_;
    // The path of the first folder; the others are named by the stack.
    std::string base_;
    mutable std::optional<std::string> currentPath_;
    // Depth of the first folder below the walk's root, and the folders above it.
    std::size_t baseDepth_ = 0;
    std::vector<FolderId> ancestors_;
    // Folders from 1 up to this index have released their descriptors.
    std::size_t firstOpen_ = 1;
    WorkQueue* queue_ = nullptr;
    std::function<WorkQueue*()> startSharing_;
    std::size_t entriesBeforeSharing_ = 0;
    std::size_t visited_ = 0;
};

const std::filesystem::path& WalkEntry::path() const {
    if (!path_) {
        path_.emplace(joined(walk_.currentFolderPath(), name_));
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
    const WalkOrigin& origin = walk_.origin();
    return model::Location(path().native(),
                           model::Sighting{static_cast<std::uint32_t>(origin.rootLength),
                                           origin.rootIdentity, walk_.currentFolderId(),
                                           entryValues->identity});
}

WalkRoot WalkEntry::asRoot() const {
    return splitAtRoot(path().native(), walk_.origin().rootLength);
}

WalkRoot walkRootOf(const model::Location& location) {
    if (const model::Sighting* sighting = location.sighting()) {
        return splitAtRoot(location.bytes(), sighting->rootLength);
    }
    const std::filesystem::path path = location.path();
    return path.has_filename() && path.has_parent_path()
               ? WalkRoot(path.parent_path(), path.filename())
               : WalkRoot(path);
}

namespace {

// The walk's first folder, opened and identified, with the origin its folders share; none when
// it cannot be walked.
std::optional<HandedFolder> openFirstFolder(const WalkRoot& root, WalkOrigin& origin) {
    std::string path = root.root.native();
    origin.rootLength = path.size();
    platform::Descriptor folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const auto rootIdentity = folder ? identify(folder.get()) : std::nullopt;
    if (!rootIdentity) {
        return std::nullopt;
    }
    origin.rootIdentity = *rootIdentity;
    FolderId id = *rootIdentity;
    for (const std::filesystem::path& component : root.below) {
        const std::string& name = component.native();
        if (name.empty() || name == "/" || name == ".") {
            continue;
        }
        if (name == "..") {
            return std::nullopt;
        }
        platform::Descriptor next(
            ::openat(folder.get(), name.c_str(), platform::realFolderFlags()));
        const auto nextId = next ? identify(next.get()) : std::nullopt;
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
    return HandedFolder{fd, std::move(path), 0, id, {}};
}

// Runs on each helper thread, and on the calling thread once its own walk is over.
void takeFoldersUntilDone(WorkQueue& queue, const WalkOptions& options, const WalkWorker& worker,
                          const WalkOrigin& origin) {
    while (auto folder = queue.take()) {
        DirectoryWalk walk(options, worker, origin);
        walk.share(&queue);
        walk.run(std::move(*folder));
        queue.finish();
    }
}

} // namespace

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
    const auto id = identify(folder);
    const int fd = id ? ::fcntl(folder, F_DUPFD_CLOEXEC, 0) : -1;
    if (fd < 0) {
        worker.onError(path, errno);
        return;
    }
    const WalkOrigin origin{path.native().size(), *id, id->device};
    DirectoryWalk(options, worker, origin).run(HandedFolder{fd, path.native(), 0, *id, {}});
}

bool walkDirectoryConcurrently(const WalkRoot& root, const WalkOptions& options,
                               const std::function<WalkWorker(std::size_t index)>& makeWorker,
                               std::size_t entriesBeforeSharing) {
    WalkOrigin origin;
    auto folder = openFirstFolder(root, origin);
    if (!folder) {
        return false;
    }
    const unsigned threads = std::min(std::thread::hardware_concurrency(), kMostWalkThreads);
    std::deque<WalkWorker> workers{makeWorker(0)};
    WorkQueue queue;
    std::vector<std::jthread> helpers;
    {
        DirectoryWalk walk(options, workers.front(), origin);
        if (threads > 1) {
            walk.shareAfter(entriesBeforeSharing, [&]() -> WorkQueue* {
                for (std::size_t index = 1; index < threads; ++index) {
                    const WalkWorker& worker = workers.emplace_back(makeWorker(index));
                    helpers.emplace_back([&queue, &options, &worker, &origin] {
                        takeFoldersUntilDone(queue, options, worker, origin);
                    });
                }
                return &queue;
            });
        }
        walk.run(std::move(*folder));
    }
    queue.finish();
    takeFoldersUntilDone(queue, options, workers.front(), origin);
    return true;
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
    model::Location location(path, model::Sighting{static_cast<std::uint32_t>(root.native().size()),
                                                   folder->rootIdentity, folder->folderIdentity,
                                                   values->identity});
    return ListedEntry{std::move(location), std::move(values)};
}

} // namespace sorvale::engine

#include "DirectoryWalker.h"

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

// Deeper folders than this are walked by closing the shallowest descriptors and reopening them,
// one name at a time from the walk's first folder, when the walk climbs back.
constexpr std::size_t kMaxOpenFolders = 64;
// The walk is bound by system calls on folder metadata; a few threads are all that pay.
constexpr unsigned kMostWalkThreads = 4;
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::string joined(const std::string& folder, const char* name) {
    std::string path;
    path.reserve(folder.size() + 1 + std::strlen(name));
    path = folder;
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    path += name;
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

struct FolderId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FolderId&) const = default;
};

std::optional<FolderId> identify(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return std::nullopt;
    }
    return FolderId{status.st_dev, status.st_ino};
}

struct ListedEntry {
    std::size_t nameOffset;
    unsigned char type;
};

struct Folder {
    int fd = -1;
    std::string name; // relative to the folder below it on the stack
    std::string path;
    FolderId id;
    std::string names; // every entry name, each ending in a NUL
    std::vector<ListedEntry> entries;
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

} // namespace

const std::filesystem::path& WalkEntry::path() const {
    if (!path_) {
        path_.emplace(joined(folderPath_, name_));
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

// The depth-first walk below one open folder, on one thread.
class DirectoryWalk {
public:
    DirectoryWalk(const WalkOptions& options, const WalkWorker& worker)
        : options_(options)
        , worker_(worker)
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
        pushOpen(folder.fd, {}, std::move(folder.path), folder.id);
        while (!stack_.empty()) {
            step();
        }
    }

private:
    void step() {
        Folder& folder = stack_.back();
        if (folder.next == folder.entries.size()) {
            pop();
            return;
        }
        const ListedEntry listed = folder.entries[folder.next++];
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

        WalkEntry entry(folder.fd, folder.path, name, baseDepth_ + stack_.size());
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
        descend(folder.fd, name, joined(folder.path, name));
    }

    void descend(int parent, const char* name, std::string path) {
        const int fd = ::openat(parent, name, kFolderFlags);
        if (fd < 0) {
            worker_.onError(path, errno);
            return;
        }
        const auto id = identify(fd);
        if (!id) {
            const int error = errno;
            ::close(fd);
            worker_.onError(path, error);
            return;
        }
        // A folder that is its own ancestor (a bind mount or a directory hard link) would make
        // the walk endless.
        const auto isId = [&](const FolderId& other) { return other == *id; };
        if (std::any_of(ancestors_.begin(), ancestors_.end(), isId) ||
            std::any_of(stack_.begin(), stack_.end(),
                        [&](const Folder& f) { return isId(f.id); })) {
            ::close(fd);
            worker_.onError(path, ELOOP);
            return;
        }
        if (queue_ != nullptr && queue_->wantsWork()) {
            std::vector<FolderId> ancestors = ancestors_;
            for (const Folder& f : stack_) {
                ancestors.push_back(f.id);
            }
            queue_->give(
                {fd, std::move(path), baseDepth_ + stack_.size(), *id, std::move(ancestors)});
            return;
        }
        pushOpen(fd, name, std::move(path), *id);
    }

    // Takes ownership of `fd`, lists the folder and puts it on the stack.
    void pushOpen(int fd, std::string name, std::string path, FolderId id) {
        // The first folder keeps its descriptor: reopening starts from it.
        if (stack_.size() > firstOpen_ && stack_.size() - firstOpen_ + 1 >= kMaxOpenFolders) {
            ::close(stack_[firstOpen_].fd);
            stack_[firstOpen_].fd = -1;
            ++firstOpen_;
        }
        Folder& folder = stack_.emplace_back();
        folder.fd = fd;
        folder.name = std::move(name);
        folder.path = std::move(path);
        folder.id = id;
        if (const int error = readListing(folder, buffer_); error != 0) {
            worker_.onError(folder.path, error);
        }
    }

    void pop() {
        if (stack_.back().fd >= 0) {
            ::close(stack_.back().fd);
        }
        stack_.pop_back();
        firstOpen_ =
            std::clamp<std::size_t>(firstOpen_, 1, std::max<std::size_t>(stack_.size(), 1));
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
            const int next = ::openat(fd, stack_[level].name.c_str(), kFolderFlags);
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
        worker_.onError(stack_[target].path, error);
        return false;
    }

    const WalkOptions& options_;
    const WalkWorker& worker_;
    std::vector<char> buffer_;
    std::vector<Folder> stack_;
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

namespace {

// The walk's root, opened and identified; none when it cannot be walked.
std::optional<HandedFolder> openRoot(const std::filesystem::path& root) {
    const int fd = ::open(root.c_str(), kFolderFlags);
    if (fd < 0) {
        return std::nullopt;
    }
    const auto id = identify(fd);
    if (!id) {
        ::close(fd);
        return std::nullopt;
    }
    return HandedFolder{fd, root.native(), 0, *id, {}};
}

// Runs on each helper thread, and on the calling thread once its own walk is over.
void takeFoldersUntilDone(WorkQueue& queue, const WalkOptions& options, const WalkWorker& worker) {
    while (auto folder = queue.take()) {
        DirectoryWalk walk(options, worker);
        walk.share(&queue);
        walk.run(std::move(*folder));
        queue.finish();
    }
}

} // namespace

bool walkDirectory(const std::filesystem::path& root, const WalkOptions& options,
                   const WalkVisitor& visit, const WalkErrorHandler& onError) {
    auto folder = openRoot(root);
    if (!folder) {
        return false;
    }
    const WalkWorker worker{visit, onError};
    DirectoryWalk(options, worker).run(std::move(*folder));
    return true;
}

bool walkDirectoryConcurrently(const std::filesystem::path& root, const WalkOptions& options,
                               const std::function<WalkWorker(std::size_t index)>& makeWorker,
                               std::size_t entriesBeforeSharing) {
    auto folder = openRoot(root);
    if (!folder) {
        return false;
    }
    const unsigned threads = std::min(std::thread::hardware_concurrency(), kMostWalkThreads);
    std::deque<WalkWorker> workers{makeWorker(0)};
    WorkQueue queue;
    std::vector<std::jthread> helpers;
    {
        DirectoryWalk walk(options, workers.front());
        if (threads > 1) {
            walk.shareAfter(entriesBeforeSharing, [&]() -> WorkQueue* {
                for (std::size_t index = 1; index < threads; ++index) {
                    const WalkWorker& worker = workers.emplace_back(makeWorker(index));
                    helpers.emplace_back([&queue, &options, &worker] {
                        takeFoldersUntilDone(queue, options, worker);
                    });
                }
                return &queue;
            });
        }
        walk.run(std::move(*folder));
    }
    queue.finish();
    takeFoldersUntilDone(queue, options, workers.front());
    return true;
}

std::optional<std::vector<std::filesystem::path>> listDirectory(const std::filesystem::path& folder,
                                                                bool skipHiddenEntries) {
    std::vector<std::filesystem::path> entries;
    bool failed = false;
    const bool opened = walkDirectory(
        folder, WalkOptions{.skipHiddenEntries = skipHiddenEntries},
        [&](const WalkEntry& entry) {
            entries.push_back(entry.path());
            return WalkAction::skipDescendants;
        },
        [&](const std::filesystem::path&, int) { failed = true; });
    if (!opened || failed) {
        return std::nullopt;
    }
    return entries;
}

} // namespace sorvale::engine

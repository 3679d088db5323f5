// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "DirectoryWalk.h"

#include "platform/Descriptors.h"
#include "platform/EntryNames.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace sorvale::engine {
namespace {

using platform::EntryType;

// Deeper folders than this are walked by closing the shallowest descriptors and reopening them,
// one name at a time from the walk's first folder, when the walk climbs back. A folder this deep
// also stays with the thread that found it: handing it over copies the chain above it.
constexpr std::size_t kMaxOpenFolders = 64;

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

} // namespace

DirectoryWalk::DirectoryWalk(const WalkOptions& options, const WalkWorker& worker,
                             const WalkOrigin& origin)
    : options_(options)
    , worker_(worker)
    , origin_(origin)
    , buffer_(64 * 1024) {}

DirectoryWalk::~DirectoryWalk() {
    closeAll();
}

void DirectoryWalk::run(HandedFolder folder) {
    baseDepth_ = folder.depth;
    baseOrder_ = std::move(folder.order);
    ancestors_ = std::move(folder.ancestors);
    base_ = std::move(folder.path);
    pushOpen(folder.fd, {}, folder.id);
    while (!stack_.empty()) {
        step();
    }
}

const std::string& DirectoryWalk::currentFolderPath() const {
    if (!currentPath_) {
        currentPath_ = folderPath(stack_.size() - 1);
    }
    return *currentPath_;
}

const std::shared_ptr<const model::FolderSighting>& DirectoryWalk::currentFolderSighting() const {
    // Made once for all the entries of the folder that report their location.
    auto& sighting = stack_.back().sighting;
    if (!sighting) {
        sighting = std::make_shared<const model::FolderSighting>(
            model::FolderSighting{static_cast<std::uint32_t>(origin_.rootLength),
                                  origin_.rootIdentity, stack_.back().id});
    }
    return sighting;
}

std::vector<std::uint32_t> DirectoryWalk::currentOrder() const {
    std::vector<std::uint32_t> order = baseOrder_;
    for (std::size_t level = 1; level < stack_.size(); ++level) {
        order.push_back(stack_[level].position);
    }
    order.push_back(static_cast<std::uint32_t>(stack_.back().next - 1));
    return order;
}

std::string DirectoryWalk::folderPath(std::size_t level) const {
    std::string path = base_;
    for (std::size_t index = 1; index <= level; ++index) {
        appendName(path, stack_[index].name);
    }
    return path;
}

void DirectoryWalk::step() {
    Folder& folder = stack_.back();
    if (folder.next == folder.listing.size()) {
        leave();
        return;
    }
    const std::size_t index = folder.next++;
    const char* name = folder.listing.name(index);
    if (options_.skipHiddenEntries && platform::isHiddenName(name)) {
        return;
    }
    if (folder.fd < 0 && !reopen(stack_.size() - 1)) {
        folder.next = folder.listing.size();
        return;
    }
    if (sharing_ != nullptr && sharing_->start && sharing_->entriesLeft-- == 0) {
        queue_ = std::exchange(sharing_->start, nullptr)();
    }

    WalkEntry entry(*this, folder.fd, name, baseDepth_ + stack_.size());
    entry.type_ = typeFromListing(folder.listing.type(index));
    if (folder.listing.type(index) == DT_UNKNOWN) {
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

void DirectoryWalk::descend(int parent, const char* name) {
    const int fd = ::openat(parent, name, platform::realFolderFlags());
    if (fd < 0) {
        worker_.onError(joined(currentFolderPath(), name), errno);
        return;
    }
    const auto id = platform::identityOf(fd);
    if (!id) {
        const int error = errno;
        ::close(fd);
        worker_.onError(joined(currentFolderPath(), name), error);
        return;
    }
    // A folder that is its own ancestor (a bind mount or a directory hard link) would make the
    // walk endless.
    const auto isId = [&](const model::FileIdentity& other) { return other == *id; };
    const bool isLoop = std::any_of(ancestors_.begin(), ancestors_.end(), isId) ||
                        std::any_of(stack_.begin(), stack_.end(),
                                    [&](const Folder& folder) { return isId(folder.id); });
    if (isLoop || (options_.stayOnDevice && id->device != origin_.device)) {
        ::close(fd);
        worker_.onError(joined(currentFolderPath(), name), isLoop ? ELOOP : EXDEV);
        return;
    }
    if (queue_ != nullptr && baseDepth_ + stack_.size() < kMaxOpenFolders && queue_->wantsWork()) {
        HandedFolder handed{fd,
                            joined(currentFolderPath(), name),
                            baseDepth_ + stack_.size(),
                            *id,
                            ancestors_,
                            currentOrder(),
                            &origin_};
        for (const Folder& folder : stack_) {
            handed.ancestors.push_back(folder.id);
        }
        queue_->give(std::move(handed));
        return;
    }
    pushOpen(fd, name, *id);
}

void DirectoryWalk::pushOpen(int fd, std::string name, const model::FileIdentity& id) {
    // The first folder keeps its descriptor: reopening starts from it.
    if (stack_.size() > firstOpen_ && stack_.size() - firstOpen_ + 1 >= kMaxOpenFolders) {
        ::close(stack_[firstOpen_].fd);
        stack_[firstOpen_].fd = -1;
        ++firstOpen_;
    }
    const auto position = stack_.empty() ? 0U : static_cast<std::uint32_t>(stack_.back().next - 1);
    Folder& folder = stack_.emplace_back();
    folder.fd = fd;
    folder.name = std::move(name);
    folder.id = id;
    folder.position = position;
    currentPath_.reset();
    if (const int error = folder.listing.read(fd, buffer_); error != 0) {
        worker_.onError(currentFolderPath(), error);
    }
}

void DirectoryWalk::leave() {
    if (stack_.back().fd >= 0) {
        ::close(stack_.back().fd);
    }
    const std::string name = std::move(stack_.back().name);
    stack_.pop_back();
    currentPath_.reset();
    firstOpen_ = std::clamp<std::size_t>(firstOpen_, 1, std::max<std::size_t>(stack_.size(), 1));
    if (!worker_.leave || stack_.empty()) {
        return;
    }
    if (stack_.back().fd < 0 && !reopen(stack_.size() - 1)) {
        stack_.back().next = stack_.back().listing.size();
        return;
    }
    WalkEntry entry(*this, stack_.back().fd, name.c_str(), baseDepth_ + stack_.size());
    entry.type_ = EntryType::directory;
    worker_.leave(entry);
}

void DirectoryWalk::closeAll() {
    for (Folder& folder : stack_) {
        if (folder.fd >= 0) {
            ::close(folder.fd);
        }
    }
}

// Opens `target` again, one name at a time from the first folder, never through a link, and
// checks that every folder on the way is still the one that was listed. The folders between are
// closed as well, since descriptors are released shallowest first; the deepest of them are kept
// open.
bool DirectoryWalk::reopen(std::size_t target) {
    const std::size_t firstKept = target + 1 > kMaxOpenFolders ? target + 2 - kMaxOpenFolders : 1;
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
        if (platform::identityOf(next) != std::optional(stack_[level].id)) {
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

} // namespace sorvale::engine

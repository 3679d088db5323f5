// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "DirectoryWalker.h"
#include "FolderListing.h"
#include "WalkQueue.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace sorvale::engine {

// Starts the helper threads of a concurrent walk once the calling thread has met enough entries
// to be worth them; the walks of the calling thread count down together.
struct SharingStart {
    std::size_t entriesLeft = 0;
    std::function<WalkQueue*()> start;
};

// The depth-first walk below one open folder, on one thread.
class DirectoryWalk {
public:
    DirectoryWalk(const WalkOptions& options, const WalkWorker& worker, const WalkOrigin& origin);
    DirectoryWalk(const DirectoryWalk&) = delete;
    DirectoryWalk& operator=(const DirectoryWalk&) = delete;
    ~DirectoryWalk();

    // From now on, folders are handed to idle threads through `queue`.
    void share(WalkQueue* queue) { queue_ = queue; }
    // Asks `sharing` to start the helpers when its count of entries runs out.
    void shareAfter(SharingStart& sharing) { sharing_ = &sharing; }

    // Walks everything below `folder`, taking ownership of its descriptor.
    void run(HandedFolder folder);

    // What a WalkEntry asks of the folder whose entries are being visited.
    [[nodiscard]] const std::string& currentFolderPath() const;
    [[nodiscard]] const std::shared_ptr<const model::FolderSighting>& currentFolderSighting() const;
    [[nodiscard]] std::vector<std::uint32_t> currentOrder() const;
    [[nodiscard]] const WalkOrigin& origin() const { return origin_; }

private:
    struct Folder {
        int fd = -1;
        std::string name; // relative to the folder below it on the stack
        model::FileIdentity id;
        std::uint32_t position = 0; // in the listing of the folder below it
        mutable std::shared_ptr<const model::FolderSighting> sighting;
        FolderListing listing;
        std::size_t next = 0;
    };

    [[nodiscard]] std::string folderPath(std::size_t level) const;
    void step();
    void descend(int parent, const char* name);
    void pushOpen(int fd, std::string name, const model::FileIdentity& id);
    void leave();
    void closeAll();
    bool reopen(std::size_t target);

    const WalkOptions& options_;
    const WalkWorker& worker_;
    const WalkOrigin& origin_;
    std::vector<char> buffer_;
    std::vector<Folder> stack_;
    // The path of the first folder; the others are named by the stack.
    std::string base_;
    mutable std::optional<std::string> currentPath_;
    // Depth and order of the first folder below the walk's root, and the folders above it.
    std::size_t baseDepth_ = 0;
    std::vector<std::uint32_t> baseOrder_;
    std::vector<model::FileIdentity> ancestors_;
    // Folders from 1 up to this index have released their descriptors.
    std::size_t firstOpen_ = 1;
    WalkQueue* queue_ = nullptr;
    SharingStart* sharing_ = nullptr;
};

} // namespace sorvale::engine

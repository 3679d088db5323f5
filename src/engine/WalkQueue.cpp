// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "WalkQueue.h"

#include <unistd.h>

namespace sorvale::engine {

WalkQueue::~WalkQueue() {
    for (const HandedFolder& folder : folders_) {
        ::close(folder.fd);
    }
}

void WalkQueue::give(HandedFolder folder) {
    {
        std::lock_guard lock(mutex_);
        ++unfinishedOfRoot_[folder.origin->root];
        folders_.push_back(std::move(folder));
        ++unfinished_;
        queued_.fetch_add(1, std::memory_order_relaxed);
    }
    changed_.notify_one();
}

std::optional<WalkQueue::Work> WalkQueue::take() {
    std::unique_lock lock(mutex_);
    if (folders_.empty() && nextRoot_ < roots_) {
        unfinishedOfRoot_[nextRoot_] = 1;
        return Work(nextRoot_++);
    }
    idle_.fetch_add(1, std::memory_order_relaxed);
    changed_.wait(lock,
                  [this] { return !folders_.empty() || nextRoot_ < roots_ || unfinished_ == 0; });
    idle_.fetch_sub(1, std::memory_order_relaxed);
    if (!folders_.empty()) {
        HandedFolder folder = std::move(folders_.front());
        folders_.pop_front();
        queued_.fetch_sub(1, std::memory_order_relaxed);
        return Work(std::move(folder));
    }
    if (nextRoot_ < roots_) {
        unfinishedOfRoot_[nextRoot_] = 1;
        return Work(nextRoot_++);
    }
    return std::nullopt;
}

bool WalkQueue::finish(std::size_t root) {
    bool allDone = false;
    bool rootDone = false;
    {
        std::lock_guard lock(mutex_);
        allDone = --unfinished_ == 0;
        rootDone = --unfinishedOfRoot_[root] == 0;
    }
    if (allDone) {
        changed_.notify_all();
    }
    return rootDone;
}

} // namespace sorvale::engine

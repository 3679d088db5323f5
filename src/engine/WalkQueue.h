// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "model/Location.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace sorvale::engine {

// What every folder below one walk's root shares: the scanned root, the device of the walk's
// first folder, and the root's place among the roots of a walk of several.
struct WalkOrigin {
    std::size_t root = 0;
    bool opened = false;
    std::size_t rootLength = 0;
    model::FileIdentity rootIdentity;
    std::uint64_t device = 0;
};

// An open folder that one thread of a concurrent walk hands to another: what it needs to go on
// as the thread that found it would have.
struct HandedFolder {
    int fd = -1;
    std::string path;
    std::size_t depth = 0;
    model::FileIdentity id;
    std::vector<model::FileIdentity> ancestors;
    // The positions, in their folders' listings, of the folders from the root down to this one:
    // the sequential walk visits entries in the order of these paths.
    std::vector<std::uint32_t> order;
    const WalkOrigin* origin = nullptr;
};

// The work of a concurrent walk: the roots not yet begun, and the folders that busy threads hand
// to idle ones. It counts what is unfinished, which tells an idle thread when the walk is over.
class WalkQueue {
public:
    // `backlog` folders are kept queued while every thread is busy, so that a thread finishing
    // its part takes the next at once instead of sleeping until another thread enters a folder.
    WalkQueue(std::size_t roots, std::size_t backlog)
        : roots_(roots)
        , backlog_(backlog)
        , unfinished_(roots)
        , unfinishedOfRoot_(roots, 0) {}
    WalkQueue(const WalkQueue&) = delete;
    WalkQueue& operator=(const WalkQueue&) = delete;
    ~WalkQueue();

    // Read on every folder a busy thread enters, so it takes no lock.
    [[nodiscard]] bool wantsWork() const {
        return idle_.load(std::memory_order_relaxed) + backlog_ >
               queued_.load(std::memory_order_relaxed);
    }

    void give(HandedFolder folder);

    // Waits for work: a handed folder first, else the index of the next root; none once all the
    // walk's work is finished.
    using Work = std::variant<HandedFolder, std::size_t>;
    std::optional<Work> take();

    // The caller has finished a piece of work it took below root `root`; whether that was the
    // root's last, so that everything inside it has been visited.
    [[nodiscard]] bool finish(std::size_t root);

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<HandedFolder> folders_;
    std::size_t nextRoot_ = 0;
    std::size_t roots_;
    std::size_t backlog_;
    std::size_t unfinished_;
    std::vector<std::size_t> unfinishedOfRoot_;
    std::atomic<std::size_t> idle_ = 0;
    std::atomic<std::size_t> queued_ = 0;
};

} // namespace sorvale::engine

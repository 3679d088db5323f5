// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace sorvale::engine {

// How far one scan has come, read from another thread while it runs, and the wish that it end
// early. The scan's walks write to it in batches (entries once per folder, sizes every few
// hundred files), so it costs the walk next to nothing; a reader polls it a few times a second.
//
// A scan reaches it as the progress of the thread it runs on (`current`), which the walks hand on
// to their helper threads: the scan modules and their operations take no parameter for it.
class ScanProgress {
public:
    struct Figures {
        // Entries the walks listed, items found and the bytes they hold; every figure only grows.
        std::int64_t entries = 0;
        std::int64_t items = 0;
        std::int64_t bytes = 0;

        bool operator==(const Figures&) const = default;
    };

    [[nodiscard]] Figures figures() const {
        return {entries_.load(std::memory_order_relaxed), items_.load(std::memory_order_relaxed),
                bytes_.load(std::memory_order_relaxed)};
    }
    // The folder a walk entered since the last call, if one did; each call asks for the next.
    [[nodiscard]] std::optional<std::string> takeFolder();

    // Asks the walks to end at their next entry. What the scan then returns is incomplete: the
    // caller that stopped it drops it.
    void stop() { stopped_.store(true, std::memory_order_relaxed); }
    [[nodiscard]] bool stopped() const { return stopped_.load(std::memory_order_relaxed); }

    // What the walks report.
    void addEntries(std::int64_t count) { entries_.fetch_add(count, std::memory_order_relaxed); }
    void addFound(std::int64_t items, std::int64_t bytes) {
        items_.fetch_add(items, std::memory_order_relaxed);
        bytes_.fetch_add(bytes, std::memory_order_relaxed);
    }
    // Whether a reader waits for a folder: only then is its path worth making.
    [[nodiscard]] bool wantsFolder() const {
        return folderState_.load(std::memory_order_relaxed) == kRequested;
    }
    void offerFolder(const std::string& path);

    // The progress of the scan running on this thread; none outside a scan.
    [[nodiscard]] static ScanProgress* current();

    // Makes `progress` the current progress of this thread while it lives.
    class Scope {
    public:
        explicit Scope(ScanProgress* progress);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ScanProgress* previous_;
    };

private:
    // The folder passes from one walk thread to the reader without a lock: a walk may write it
    // only after taking the request (requested → writing), the reader may read it only once it
    // is written, and asks for the next by setting the request again.
    enum : int { kRequested, kWriting, kWritten };

    std::atomic<std::int64_t> entries_ = 0;
    std::atomic<std::int64_t> items_ = 0;
    std::atomic<std::int64_t> bytes_ = 0;
    std::atomic<bool> stopped_ = false;
    std::atomic<int> folderState_ = kRequested;
    std::string folder_;
};

// Counts for one walk thread and hands the counts to the scan's progress in batches.
class ProgressTally {
public:
    ProgressTally()
        : progress_(ScanProgress::current()) {}
    ~ProgressTally() { flush(); }
    ProgressTally(const ProgressTally&) = delete;
    ProgressTally& operator=(const ProgressTally&) = delete;

    void addEntries(std::int64_t count) {
        entries_ += count;
        if (++calls_ >= kBatch) {
            flush();
        }
    }
    void addFound(std::int64_t items, std::int64_t bytes) {
        items_ += items;
        bytes_ += bytes;
        if (++calls_ >= kBatch) {
            flush();
        }
    }
    void flush();

    [[nodiscard]] ScanProgress* progress() const { return progress_; }

private:
    static constexpr int kBatch = 32;

    ScanProgress* progress_;
    std::int64_t entries_ = 0;
    std::int64_t items_ = 0;
    std::int64_t bytes_ = 0;
    int calls_ = 0;
};

} // namespace sorvale::engine

// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "ScanProgress.h"

namespace sorvale::engine {
namespace {

thread_local ScanProgress* currentProgress = nullptr;

} // namespace

std::optional<std::string> ScanProgress::takeFolder() {
    if (folderState_.load(std::memory_order_acquire) != kWritten) {
        return std::nullopt;
    }
    std::string folder = std::move(folder_);
    folderState_.store(kRequested, std::memory_order_release);
    return folder;
}

void ScanProgress::offerFolder(const std::string& path) {
    int expected = kRequested;
    // Only one walk thread wins the request; the others go on at once.
    if (folderState_.compare_exchange_strong(expected, kWriting, std::memory_order_acquire,
                                             std::memory_order_relaxed)) {
        folder_ = path;
        folderState_.store(kWritten, std::memory_order_release);
    }
}

ScanProgress* ScanProgress::current() {
    return currentProgress;
}

ScanProgress::Scope::Scope(ScanProgress* progress)
    : previous_(std::exchange(currentProgress, progress)) {}

ScanProgress::Scope::~Scope() {
    currentProgress = previous_;
}

void ProgressTally::flush() {
    if (progress_ != nullptr && calls_ > 0) {
        progress_->addEntries(entries_);
        progress_->addFound(items_, bytes_);
    }
    entries_ = items_ = bytes_ = 0;
    calls_ = 0;
}

} // namespace sorvale::engine

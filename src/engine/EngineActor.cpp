// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "EngineActor.h"

namespace sorvale::engine {

EngineActor::EngineActor(ScanEngine engine)
    : engine_(std::move(engine))
    , worker_([this] { run(); }) {}

EngineActor::~EngineActor() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_one();
    worker_.join();
}

void EngineActor::enqueue(std::function<void(const ScanEngine&)> task) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void EngineActor::run() {
    for (;;) {
        std::function<void(const ScanEngine&)> task;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_) {
                return;
            }
            task = std::move(queue_.front());
            queue_.pop_front();
        }
        task(engine_);
    }
}

} // namespace sorvale::engine

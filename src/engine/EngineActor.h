// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#pragma once

#include "ScanEngine.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <type_traits>

namespace sorvale::engine {

// Runs the engine's operations on one worker thread, one at a time, in the order they were
// posted. The engine never checks for cancellation: a caller that no longer wants a result
// ignores it when it arrives.
class EngineActor {
public:
    // Schedules a task on the thread that should receive a result (for example the UI thread).
    using Executor = std::function<void(std::function<void()>)>;

    explicit EngineActor(ScanEngine engine);
    // Waits for the running operation to finish; operations not yet started are dropped.
    ~EngineActor();

    EngineActor(const EngineActor&) = delete;
    EngineActor& operator=(const EngineActor&) = delete;

    // Runs `operation(engine)` on the worker, then hands its result to `completion` through
    // `deliverOn`.
    template <class Operation, class Completion>
    void post(Operation operation, Executor deliverOn, Completion completion) {
        using Result = std::invoke_result_t<Operation&, const ScanEngine&>;
        enqueue([operation = std::move(operation), deliverOn = std::move(deliverOn),
                 completion = std::move(completion)](const ScanEngine& engine) mutable {
            Result result = operation(engine);
            deliverOn([completion = std::move(completion), result = std::move(result)]() mutable {
                completion(std::move(result));
            });
        });
    }

private:
    void enqueue(std::function<void(const ScanEngine&)> task);
    void run();

    const ScanEngine engine_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void(const ScanEngine&)>> queue_;
    bool stopping_ = false;
    std::thread worker_;
};

} // namespace sorvale::engine

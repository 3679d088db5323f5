// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "engine/EngineActor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <mutex>
#include <numeric>
#include <thread>
#include <vector>

namespace sorvale::engine {
namespace {

TEST(EngineActor, OperationsRunOneAtATimeOffTheCallersThreadAndReturnThroughTheExecutor) {
    constexpr int kOperations = 20;
    std::mutex mutex;
    std::vector<int> delivered;
    std::vector<std::thread::id> workers;
    std::promise<void> allDelivered;
    // Stands in for the UI thread's event queue.
    const EngineActor::Executor deliverOn = [&](std::function<void()> task) {
        std::lock_guard lock(mutex);
        task();
    };
    {
        EngineActor actor{ScanEngine("/fixture-root")};
        for (int i = 0; i < kOperations; ++i) {
            actor.post(
                [i, &workers](const ScanEngine& engine) {
                    workers.push_back(std::this_thread::get_id());
                    return engine.systemRoot() / std::to_string(i);
                },
                deliverOn,
                [&, i](std::filesystem::path result) {
                    EXPECT_EQ(result, std::filesystem::path("/fixture-root") / std::to_string(i));
                    delivered.push_back(i);
                    if (delivered.size() == kOperations) {
                        allDelivered.set_value();
                    }
                });
        }
        allDelivered.get_future().wait();
    }
    std::vector<int> expected(kOperations);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(delivered, expected);
    EXPECT_EQ(std::count(workers.begin(), workers.end(), workers.front()), kOperations);
    EXPECT_NE(workers.front(), std::this_thread::get_id());
}

} // namespace
} // namespace sorvale::engine

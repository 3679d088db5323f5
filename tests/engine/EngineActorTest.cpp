#include "engine/EngineActor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <numeric>
#include <thread>
#include <vector>

namespace sorvale::engine {
namespace {

// Stands in for the UI thread: tasks handed to it run when the test drains it.
class TestThreadQueue {
public:
    EngineActor::Executor executor() {
        return [this](std::function<void()> task) {
            {
                std::lock_guard lock(mutex_);
                tasks_.push_back(std::move(task));
            }
            ready_.notify_one();
        };
    }

    void runNext() {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex_);
            ready_.wait(lock, [this] { return !tasks_.empty(); });
            task = std::move(tasks_.front());
            tasks_.erase(tasks_.begin());
        }
        task();
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<std::function<void()>> tasks_;
};

TEST(EngineActor, OperationsRunOffTheCallersThreadInOrderAndReturnWhereAsked) {
    TestThreadQueue queue;
    EngineActor actor{ScanEngine("/fixture-root")};
    const auto caller = std::this_thread::get_id();
    std::vector<int> order;
    std::vector<std::thread::id> workers;
    std::vector<std::thread::id> receivers;
    for (int i = 0; i < 20; ++i) {
        actor.post(
            [i, &workers](const ScanEngine& engine) {
                workers.push_back(std::this_thread::get_id());
                return std::make_pair(i, engine.systemRoot());
            },
            queue.executor(),
            [&](std::pair<int, std::filesystem::path> result) {
                order.push_back(result.first);
                receivers.push_back(std::this_thread::get_id());
                EXPECT_EQ(result.second, "/fixture-root");
            });
    }
    for (int i = 0; i < 20; ++i) {
        queue.runNext();
    }
    std::vector<int> expected(20);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(order, expected);
    ASSERT_EQ(workers.size(), 20U);
    EXPECT_NE(workers.front(), caller);
    EXPECT_EQ(std::count(workers.begin(), workers.end(), workers.front()), 20);
    EXPECT_EQ(std::count(receivers.begin(), receivers.end(), caller), 20);
}

} // namespace
} // namespace sorvale::engine

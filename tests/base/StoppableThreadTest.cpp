#include "base/StoppableThread.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <optional>
#include <semaphore>

namespace {

// A body that waits for nothing but its stop request, and tells whether it saw one.
struct StopWatcher
{
    std::binary_semaphore started{0};
    std::atomic<bool> sawStop{false};
    std::atomic<bool> ended{false};

    auto body()
    {
        return [this](std::stop_token token) {
            started.release();
            std::mutex mutex;
            std::condition_variable_any woken;
            std::unique_lock lock(mutex);
            woken.wait(lock, token, [] { return false; });
            sawStop = token.stop_requested();
            ended = true;
        };
    }
};

struct EndingCase
{
    const char* name;
    std::function<void(std::optional<StoppableThread>&)> end;
};

class StoppableThreadEndingTest : public ::testing::TestWithParam<EndingCase>
{};

} // namespace

// Each way its owner ends a thread asks the body to stop and has waited for it on return.
TEST_P(StoppableThreadEndingTest, StopReachesTheBodyAndTheThreadIsJoined)
{
    StopWatcher watcher;
    std::optional<StoppableThread> thread(std::in_place);
    ASSERT_TRUE(thread->start(watcher.body()));
    watcher.started.acquire();
    EXPECT_TRUE(thread->running());

    GetParam().end(thread);

    EXPECT_TRUE(watcher.ended);
    EXPECT_TRUE(watcher.sawStop);
    if (thread) {
        EXPECT_FALSE(thread->running());
        EXPECT_FALSE(thread->joinable());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Base, StoppableThreadEndingTest,
    ::testing::Values(EndingCase{"RequestStopThenJoin",
                                 [](auto& t) {
                                     t->requestStop();
                                     EXPECT_TRUE(t->stopRequested());
                                     t->join();
                                 }},
                      EndingCase{"StopAndJoin", [](auto& t) { t->stopAndJoin(); }},
                      EndingCase{"Destruction", [](auto& t) { t.reset(); }},
                      EndingCase{"AnotherAssignedOverIt", [](auto& t) { *t = StoppableThread(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StoppableThreadTest, BodyThatEndsOnItsOwnIsJoinedWithoutAStopRequest)
{
    StoppableThread thread;
    int result = 0;
    ASSERT_TRUE(thread.start([&](std::stop_token) { result = 42; }));
    thread.join();
    EXPECT_EQ(result, 42);
    EXPECT_FALSE(thread.stopRequested());
    EXPECT_FALSE(thread.running());
    EXPECT_FALSE(thread.joinable());
}

TEST(StoppableThreadTest, StartIsRefusedUntilTheHeldThreadIsJoined)
{
    StoppableThread thread;
    std::binary_semaphore release{0};
    std::atomic<bool> secondRan{false};
    std::atomic<bool> thirdRan{false};
    ASSERT_TRUE(thread.start([&](std::stop_token) { release.acquire(); }));
    EXPECT_FALSE(thread.start([&](std::stop_token) { secondRan = true; }));
    release.release();
    thread.join();
    EXPECT_TRUE(thread.start([&](std::stop_token) { thirdRan = true; }));
    thread.join();
    EXPECT_FALSE(secondRan);
    EXPECT_TRUE(thirdRan);
}

// The scan's own sink may stop the scan from its first steps, while start() is still storing
// the handle (a race ThreadSanitizer shows when the stop state is the handle's).
TEST(StoppableThreadTest, BodyAskingItsOwnStopAtOnceSeesItInItsToken)
{
    StoppableThread thread;
    std::atomic<bool> sawStop{false};
    ASSERT_TRUE(thread.start([&](std::stop_token token) {
        thread.requestStop();
        sawStop = token.stop_requested();
    }));
    thread.join();
    EXPECT_TRUE(sawStop);
    EXPECT_TRUE(thread.stopRequested());
}

// A thread that ends its own work (a callback shutting down what runs it) must not deadlock.
TEST(StoppableThreadTest, JoinOnTheThreadItselfReturnsAtOnce)
{
    StoppableThread thread;
    std::binary_semaphore started{0};
    std::atomic<bool> onItself{false};
    std::atomic<bool> pastJoin{false};
    ASSERT_TRUE(thread.start([&](std::stop_token) {
        started.acquire(); // start() has stored the handle
        onItself = thread.isCurrent();
        thread.join();
        pastJoin = true;
    }));
    EXPECT_FALSE(thread.isCurrent());
    started.release();
    thread.join();
    EXPECT_TRUE(onItself);
    EXPECT_TRUE(pastJoin);
}

// A thread handed on while it runs (a run retiring its controller) stays owned and joined.
TEST(StoppableThreadTest, MovedThreadStaysOwnedAndTheEmptyOneStartsAgain)
{
    StopWatcher watcher;
    StoppableThread first;
    ASSERT_TRUE(first.start(watcher.body()));
    watcher.started.acquire();
    StoppableThread retired = std::move(first);
    EXPECT_FALSE(first.joinable());
    EXPECT_FALSE(first.running());
    EXPECT_TRUE(retired.running());

    bool ran = false;
    ASSERT_TRUE(first.start([&](std::stop_token) { ran = true; }));
    first.join();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(watcher.ended);
    retired.stopAndJoin();
    EXPECT_TRUE(watcher.sawStop);
}

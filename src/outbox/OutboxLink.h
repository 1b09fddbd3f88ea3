#pragma once

#include "outbox/OutboxAddress.h"
#include "outbox/OutboxDatabase.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Connections to the outbox, each on a thread of its own, for callers on any thread (the sending
// workers mark their rows from theirs): a call runs on the next free connection and its result
// or OutboxError comes back to the caller. Several connections let the database commit the
// workers' rows together rather than one after another.
class OutboxLink
{
public:
    // Throws OutboxError when the database cannot be opened.
    explicit OutboxLink(const OutboxAddress& address, int connections = 1);
    ~OutboxLink();
    OutboxLink(const OutboxLink&) = delete;
    OutboxLink& operator=(const OutboxLink&) = delete;

    template <typename Work> auto call(Work work) -> decltype(work(std::declval<OutboxDatabase&>()))
    {
        using Result = decltype(work(std::declval<OutboxDatabase&>()));
        auto task = std::make_shared<std::packaged_task<Result(OutboxDatabase&)>>(std::move(work));
        std::future<Result> result = task->get_future();
        post([task](OutboxDatabase& database) { (*task)(database); });
        return result.get();
    }

private:
    void post(std::function<void(OutboxDatabase&)> job);
    void serve(const OutboxAddress& address, std::promise<void>& opened);
    void close();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void(OutboxDatabase&)>> m_jobs;
    bool m_closing = false;
    std::vector<std::thread> m_threads;
};

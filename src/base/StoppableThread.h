#pragma once

#include <atomic>
#include <memory>
#include <stop_token>
#include <thread>
#include <utility>

// A worker thread that is always asked to stop and joined, never detached or killed, so no
// thread outlives the object it works on. The body gets a std::stop_token and ends when asked.
//
// The owner's calls (start, join, assignment) come from one thread at a time. requestStop,
// stopRequested and running may come from any thread between them, and from the body from its
// first step; isCurrent and id from the body once start has returned. An owner whose members
// the body uses joins in its own destructor (or declares the StoppableThread last), before
// those members go. Destroying it on its own thread while it is held is a fault
// (std::terminate), as for std::thread.
class StoppableThread
{
public:
    StoppableThread() = default;
    ~StoppableThread() { stopAndJoin(); }
    StoppableThread(StoppableThread&&) noexcept = default;
    // Stops and joins the thread held before.
    StoppableThread& operator=(StoppableThread&& other) noexcept
    {
        if (this != &other) {
            stopAndJoin();
            m_thread = std::move(other.m_thread);
            m_stop = std::move(other.m_stop);
            m_running = std::move(other.m_running);
        }
        return *this;
    }

    // Runs body(std::stop_token) on a new thread. Refused (false, nothing done) while a thread
    // is held, running or ended: join it first.
    template <class Body> bool start(Body&& body)
    {
        if (m_thread.joinable())
            return false;
        // In place before the thread exists: the body may ask for its own stop at once, while
        // the handle is still being stored.
        m_stop = std::stop_source();
        m_running = std::make_shared<std::atomic<bool>>(true);
        try {
            m_thread = std::jthread([token = m_stop.get_token(), running = m_running,
                                     body = std::forward<Body>(body)]() mutable {
                body(std::move(token));
                running->store(false);
            });
        } catch (...) {
            m_running.reset();
            throw;
        }
        return true;
    }

    // Asks the body to end: its token reports the request. Does not wait.
    void requestStop() noexcept { m_stop.request_stop(); }
    bool stopRequested() const noexcept { return m_stop.stop_requested(); }

    // Waits for the body to return, without asking it to. On the thread itself it returns at
    // once: a thread cannot wait for itself, its owner joins it later from another thread.
    void join()
    {
        if (m_thread.joinable() && !isCurrent())
            m_thread.join();
    }
    void stopAndJoin()
    {
        requestStop();
        join();
    }

    // A thread is held: running, or ended and not joined yet.
    bool joinable() const noexcept { return m_thread.joinable(); }
    // The body has been started and has not returned yet.
    bool running() const noexcept { return m_running && m_running->load(); }
    // Called on this thread.
    bool isCurrent() const noexcept { return m_thread.get_id() == std::this_thread::get_id(); }
    std::thread::id id() const noexcept { return m_thread.get_id(); }

private:
    // The thread is a std::jthread for its joining; the stop state is made before it, for the
    // body to use from its first step.
    std::jthread m_thread;
    std::stop_source m_stop{std::nostopstate};
    std::shared_ptr<std::atomic<bool>> m_running;
};

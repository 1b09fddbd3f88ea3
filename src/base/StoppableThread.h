#pragma once

#include <atomic>
#include <memory>
#include <stop_token>
#include <thread>
#include <utility>

// A worker thread that is always asked to stop and joined, never detached or killed, so no
// thread outlives the object it works on. The body gets a std::stop_token and ends when asked.
//
// start, join and assignment belong to the owner; requestStop, stopRequested and running may
// be called from any thread meanwhile. An owner whose members the body uses joins in its own
// destructor (or declares the StoppableThread last), before those members go. Destroying it on
// its own thread while it is held is a fault (std::terminate), as for std::thread.
class StoppableThread
{
public:
    StoppableThread() = default;
    ~StoppableThread() { stopAndJoin(); }
    StoppableThread(StoppableThread&&) noexcept = default;
    // Stops and joins the thread held before, as std::jthread does.
    StoppableThread& operator=(StoppableThread&&) noexcept = default;

    // Runs body(std::stop_token) on a new thread. Refused (false, nothing done) while a thread
    // is held, running or ended: join it first.
    template <class Body> bool start(Body&& body)
    {
        if (m_thread.joinable())
            return false;
        auto running = std::make_shared<std::atomic<bool>>(true);
        m_running = running;
        m_thread =
            std::jthread([running, body = std::forward<Body>(body)](std::stop_token token) mutable {
                body(std::move(token));
                running->store(false);
            });
        return true;
    }

    // Asks the body to end: its token reports the request. Does not wait.
    void requestStop() noexcept { m_thread.request_stop(); }
    bool stopRequested() const noexcept { return m_thread.get_stop_token().stop_requested(); }

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
    std::jthread m_thread;
    std::shared_ptr<std::atomic<bool>> m_running;
};

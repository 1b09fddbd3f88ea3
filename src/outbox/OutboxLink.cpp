#include "outbox/OutboxLink.h"

#include <algorithm>

OutboxLink::OutboxLink(const OutboxAddress& address, int connections)
{
    for (int i = 0; i < std::max(1, connections); ++i) {
        std::promise<void> opened;
        std::future<void> ready = opened.get_future();
        m_threads.emplace_back([this, address, &opened] { serve(address, opened); });
        try {
            ready.get();
        } catch (...) {
            close();
            throw;
        }
    }
}

OutboxLink::~OutboxLink()
{
    close();
}

void OutboxLink::close()
{
    {
        std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    m_wake.notify_all();
    for (std::thread& thread : m_threads)
        if (thread.joinable())
            thread.join();
}

void OutboxLink::post(std::function<void(OutboxDatabase&)> job)
{
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void OutboxLink::serve(const OutboxAddress& address, std::promise<void>& opened)
{
    std::unique_ptr<OutboxDatabase> database;
    try {
        database = std::make_unique<OutboxDatabase>(address);
    } catch (...) {
        opened.set_exception(std::current_exception());
        return;
    }
    opened.set_value();
    for (;;) {
        std::function<void(OutboxDatabase&)> job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_closing || !m_jobs.empty(); });
            if (m_jobs.empty())
                return; // closing, every call answered
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job(*database);
    }
}

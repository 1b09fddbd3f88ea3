#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// Holds threads until a count of arrivals is reached or the gate is opened. Never hangs a test
// for long: a wait gives up after ten seconds.
class Gate
{
public:
    explicit Gate(int expected = 1) : m_expected(expected) {}

    void arriveAndWait()
    {
        std::unique_lock lock(m_mutex);
        if (++m_arrived >= m_expected)
            m_open = true;
        m_changed.notify_all();
        m_changed.wait_for(lock, std::chrono::seconds(10), [this] { return m_open; });
    }
    void wait()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, std::chrono::seconds(10), [this] { return m_open; });
    }
    void open()
    {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_expected;
    int m_arrived = 0;
    bool m_open = false;
};

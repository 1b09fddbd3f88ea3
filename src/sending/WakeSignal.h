#pragma once

#include "base/Clock.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>

// The sleeps of a run: a designed wait on the run's clock that ends early when whatever the
// sleeper waits for (a stop, usually) comes true and the signal is raised.
class WakeSignal
{
public:
    explicit WakeSignal(const Clock& clock) : m_clock(clock) {}

    // Waits up to ms of designed time; true when done() turned true.
    template <class Done> bool waitMs(std::uint32_t ms, Done&& done)
    {
        std::unique_lock lock(m_mutex);
        return m_wake.wait_for(lock, m_clock.realDuration(ms), done);
    }

    void raise()
    {
        {
            std::lock_guard lock(m_mutex);
        }
        m_wake.notify_all();
    }

    const Clock& clock() const { return m_clock; }

private:
    const Clock& m_clock;
    std::mutex m_mutex;
    std::condition_variable m_wake;
};

#pragma once

#include "base/StoppableThread.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>

class Clock;

// The two timers of a sending run, 1010 (every 50 ms: activity bar and stop detection) and 2020
// (every second: the pause countdown), on a thread of their own. A callback runs without the
// timer lock, so it may stop or start either timer. Nothing runs while both are stopped.
class RunTimers
{
public:
    static constexpr std::uint32_t ActivityPeriodMs = 50;
    static constexpr std::uint32_t CountdownPeriodMs = 1000;

    RunTimers(const Clock& clock, std::function<void()> onActivity,
              std::function<void()> onCountdown);
    ~RunTimers();
    RunTimers(const RunTimers&) = delete;
    RunTimers& operator=(const RunTimers&) = delete;

    void startActivity() { set(m_activity, true); }
    void stopActivity() { set(m_activity, false); }
    void startCountdown() { set(m_countdown, true); }
    void stopCountdown() { set(m_countdown, false); }
    bool activityRunning() const;
    bool countdownRunning() const;

    // Ends the thread; no callback runs afterwards.
    void shutdown();

private:
    using TimePoint = std::chrono::steady_clock::time_point;
    struct Timer
    {
        bool running = false;
        TimePoint due;
        std::chrono::milliseconds period;
    };

    void set(Timer& timer, bool running);
    void run(const std::stop_token& stop);

    const Clock& m_clock;
    std::function<void()> m_onActivity;
    std::function<void()> m_onCountdown;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    Timer m_activity;
    Timer m_countdown;
    // Its stop request is the shutdown; made under m_mutex so the wait cannot miss it.
    StoppableThread m_thread;
};

#include "sending/RunTimers.h"

#include "base/Clock.h"

RunTimers::RunTimers(const Clock& clock, std::function<void()> onActivity,
                     std::function<void()> onCountdown)
    : m_clock(clock), m_onActivity(std::move(onActivity)), m_onCountdown(std::move(onCountdown))
{
    m_activity.period = clock.realDuration(ActivityPeriodMs);
    m_countdown.period = clock.realDuration(CountdownPeriodMs);
    m_thread.start([this](const std::stop_token& stop) { run(stop); });
}

RunTimers::~RunTimers()
{
    shutdown();
}

void RunTimers::shutdown()
{
    {
        std::lock_guard lock(m_mutex);
        m_thread.requestStop();
    }
    m_changed.notify_all();
    m_thread.join(); // returns at once from a callback, on the timers' own thread
}

bool RunTimers::activityRunning() const
{
    std::lock_guard lock(m_mutex);
    return m_activity.running;
}

bool RunTimers::countdownRunning() const
{
    std::lock_guard lock(m_mutex);
    return m_countdown.running;
}

void RunTimers::set(Timer& timer, bool running)
{
    {
        std::lock_guard lock(m_mutex);
        if (timer.running == running)
            return;
        timer.running = running;
        timer.due = std::chrono::steady_clock::now() + timer.period;
    }
    m_changed.notify_all();
}

void RunTimers::run(const std::stop_token& stop)
{
    std::unique_lock lock(m_mutex);
    while (!stop.stop_requested()) {
        const bool any = m_activity.running || m_countdown.running;
        if (!any) {
            m_changed.wait(lock);
            continue;
        }
        TimePoint next = TimePoint::max();
        for (const Timer* timer : {&m_activity, &m_countdown})
            if (timer->running && timer->due < next)
                next = timer->due;
        if (m_changed.wait_until(lock, next) == std::cv_status::no_timeout)
            continue; // a change: work out the next due time again
        const auto now = std::chrono::steady_clock::now();
        for (auto [timer, callback] :
             {std::pair{&m_activity, &m_onActivity}, std::pair{&m_countdown, &m_onCountdown}}) {
            if (stop.stop_requested() || !timer->running || timer->due > now)
                continue;
            timer->due = now + timer->period;
            lock.unlock();
            (*callback)();
            lock.lock();
        }
    }
}

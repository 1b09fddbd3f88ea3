#include "base/Clock.h"

#include <algorithm>
#include <thread>

Clock::Clock(unsigned factor)
    : m_factor(std::max(1u, factor)), m_start(std::chrono::steady_clock::now())
{}

const Clock& Clock::system()
{
    static const Clock clock(1);
    return clock;
}

void Clock::sleepMs(std::uint32_t ms) const
{
    std::this_thread::sleep_for(realDuration(ms));
}

std::chrono::milliseconds Clock::realDuration(std::uint32_t ms) const
{
    // A non-zero wait never collapses to zero: callers rely on giving up the processor.
    const auto scaled = static_cast<std::int64_t>(ms) / m_factor;
    return std::chrono::milliseconds(ms == 0 ? 0 : std::max<std::int64_t>(1, scaled));
}

std::uint64_t Clock::tickCount() const
{
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - m_start);
    return static_cast<std::uint64_t>(elapsed.count()) * m_factor;
}

#pragma once

#include <chrono>
#include <cstdint>

// Every fixed wait and time-out of the program goes through a Clock, so tests can run the
// designed waits (seconds, minutes) in milliseconds. A clock dilates time by a whole factor:
// waits are divided by it and measured time is multiplied by it, so the program's own
// arithmetic on ticks and waits stays consistent.
class Clock
{
public:
    explicit Clock(unsigned factor = 1);

    // The real clock of the program.
    static const Clock& system();

    // Blocks the calling thread for the given (designed) number of milliseconds.
    void sleepMs(std::uint32_t ms) const;

    // A designed duration converted to the real time to wait for it.
    std::chrono::milliseconds realDuration(std::uint32_t ms) const;

    // Milliseconds since an arbitrary start, in designed time (a tick counter).
    std::uint64_t tickCount() const;

    unsigned factor() const { return m_factor; }

private:
    unsigned m_factor;
    std::chrono::steady_clock::time_point m_start;
};

#pragma once

#include <atomic>
#include <csignal>
#include <thread>

// SIGINT and SIGTERM as the window's Stop: the first is only noted, for the command to stop its
// run the designed way (no new submission starts, the one in flight finishes, every row gets
// its status); a second ends the program at once. The signals are taken by a thread of this
// object with sigtimedwait, so no handler runs inside the sending threads. Create it before
// any other thread, which then inherits the blocked signals.
class StopSignals
{
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // The first signal received, 0 while none came.
    int received() const { return m_first.load(); }

    // The exit status a command stopped by the signal ends with: 128 + the signal number.
    static int exitStatusFor(int signalNumber) { return 128 + signalNumber; }

private:
    void watch();

    sigset_t m_signals{};
    sigset_t m_previous{};
    std::atomic<int> m_first{0};
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

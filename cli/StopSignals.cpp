#include "StopSignals.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <pthread.h>

StopSignals::StopSignals()
{
    sigemptyset(&m_signals);
    sigaddset(&m_signals, SIGINT);
    sigaddset(&m_signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &m_signals, &m_previous);
    m_thread = std::thread([this] { watch(); });
}

StopSignals::~StopSignals()
{
    m_done = true;
    m_thread.join();
    pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
}

void StopSignals::watch()
{
    // Woken every 100 ms to see whether the command is done.
    const timespec poll{0, 100'000'000};
    while (!m_done) {
        const int signalNumber = sigtimedwait(&m_signals, nullptr, &poll);
        if (signalNumber <= 0)
            continue;
        int none = 0;
        if (!m_first.compare_exchange_strong(none, signalNumber))
            std::_Exit(exitStatusFor(signalNumber));
    }
}

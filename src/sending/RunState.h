#pragma once

#include "sending/ConsumedQuotaLog.h"
#include "sending/WorkerRegistry.h"

#include <QString>
#include <atomic>
#include <cstdint>
#include <mutex>

// The flags and counters a sending run shares with its workers. The main window owns one for
// the life of the program (a run window resets what it needs when it opens); every field is
// safe to read and change from any thread, and no increment is lost.
class RunState
{
public:
    std::atomic<int> RunOpen{0};          // 1 while a sending window is open
    std::atomic<int> RunGeneration{0};    // raised per opened window; workers compare it
    std::atomic<int> Mark_To_Stop_All{0}; // 1 once the run is to end
    std::atomic<int> PauseActive{0};      // 1 while every worker idles for a pause
    std::atomic<std::int64_t> PauseRemainingMs{0};
    std::atomic<int> ProcessedCount{0}; // rows with an outcome in the current round
    std::atomic<int> SentSincePause{0}; // attempts of all workers since the last pause
    std::atomic<int> RetryRoundActive{0};
    std::atomic<int> RetryRound{0};
    std::atomic<int> RetryLimit{0}; // 0 when retries are off

    ConsumedQuotaLog consumedQuotaLog;
    WorkerRegistry workerRegistry;

    // The "Pause every" and "for" texts, taken when Send is pressed.
    void setPauseTexts(const QString& every, const QString& forText);
    QString PauseEveryText() const;
    QString PauseForText() const;

    // Lowers RunGeneration by one, never below 0.
    void lowerGeneration();
    // Lowers SentSincePause to at most limit.
    void capSentSincePause(int limit);

private:
    mutable std::mutex m_textMutex;
    QString m_pauseEvery;
    QString m_pauseFor;
};

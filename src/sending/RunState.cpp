#include "sending/RunState.h"

void RunState::setPauseTexts(const QString& every, const QString& forText)
{
    std::lock_guard lock(m_textMutex);
    m_pauseEvery = every;
    m_pauseFor = forText;
}

QString RunState::PauseEveryText() const
{
    std::lock_guard lock(m_textMutex);
    return m_pauseEvery;
}

QString RunState::PauseForText() const
{
    std::lock_guard lock(m_textMutex);
    return m_pauseFor;
}

void RunState::lowerGeneration()
{
    int current = RunGeneration.load();
    while (current > 0 && !RunGeneration.compare_exchange_weak(current, current - 1)) {
    }
}

void RunState::capSentSincePause(int limit)
{
    int current = SentSincePause.load();
    while (current > limit && !SentSincePause.compare_exchange_weak(current, limit)) {
    }
}

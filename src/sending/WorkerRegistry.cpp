#include "sending/WorkerRegistry.h"

bool WorkerRegistry::insert(int index, CSend_SMS_Thread* worker)
{
    std::lock_guard lock(m_mutex);
    return m_workers.emplace(index, worker).second;
}

bool WorkerRegistry::contains(int index) const
{
    std::lock_guard lock(m_mutex);
    return m_workers.count(index) != 0;
}

bool WorkerRegistry::empty() const
{
    std::lock_guard lock(m_mutex);
    return m_workers.empty();
}

int WorkerRegistry::size() const
{
    std::lock_guard lock(m_mutex);
    return int(m_workers.size());
}

bool WorkerRegistry::removeAndCheckLast(int index)
{
    std::lock_guard lock(m_mutex);
    const bool removed = m_workers.erase(index) != 0;
    return removed && m_workers.empty() && m_launches == 0;
}

void WorkerRegistry::beginLaunch()
{
    std::lock_guard lock(m_mutex);
    ++m_launches;
}

bool WorkerRegistry::endLaunch()
{
    std::lock_guard lock(m_mutex);
    --m_launches;
    return m_launches == 0 && m_workers.empty();
}

void WorkerRegistry::forEach(const std::function<void(int, CSend_SMS_Thread*)>& visit) const
{
    std::lock_guard lock(m_mutex);
    for (const auto& [index, worker] : m_workers)
        visit(index, worker);
}

#pragma once

#include <functional>
#include <map>
#include <mutex>

class CSend_SMS_Thread;

// The running workers of a run by worker index. Its size tells whether any worker still runs.
//
// The run's controller holds a launch while it starts workers, so that a worker that ends
// before the next one has been started does not take itself for the last one; whoever leaves
// last (the last worker, or the controller when every worker already ended) is told so.
class WorkerRegistry
{
public:
    // Enters the worker unless the index already has one; false then.
    bool insert(int index, CSend_SMS_Thread* worker);
    bool contains(int index) const;
    bool empty() const;
    int size() const;

    // Removes the index; true when that left nobody: no worker and no launch.
    bool removeAndCheckLast(int index);

    void beginLaunch();
    // True when no worker runs at the end of the launch.
    bool endLaunch();

    void forEach(const std::function<void(int, CSend_SMS_Thread*)>& visit) const;

private:
    mutable std::mutex m_mutex;
    std::map<int, CSend_SMS_Thread*> m_workers;
    int m_launches = 0;
};

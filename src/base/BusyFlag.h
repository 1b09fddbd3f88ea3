#pragma once

#include <atomic>

// Shared by the windows and the workers.
class BusyFlag
{
public:
    // Set while a long operation (sending, importing) owns the main window.
    bool isBusy() const { return m_busy.load(); }
    void setBusy(bool busy) { m_busy.store(busy); }

private:
    std::atomic<bool> m_busy{false};
};

#pragma once

#include <atomic>

// State of the whole run that windows and workers share.
class AppState
{
public:
    // Set while a long operation (sending, importing) owns the main window.
    bool isBusy() const { return m_busy.load(); }
    void setBusy(bool busy) { m_busy.store(busy); }

private:
    std::atomic<bool> m_busy{false};
};

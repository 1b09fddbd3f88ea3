#include "sending/RunDisplay.h"

RunView RunDisplay::view() const
{
    std::lock_guard lock(m_mutex);
    return m_view;
}

QString RunDisplay::statusLabel() const
{
    std::lock_guard lock(m_mutex);
    return m_view.statusLabel;
}

QString RunDisplay::stopButtonText() const
{
    std::lock_guard lock(m_mutex);
    return m_view.stopButtonText;
}

QString RunDisplay::progressText() const
{
    std::lock_guard lock(m_mutex);
    return m_view.progressText;
}

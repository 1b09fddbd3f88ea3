#include "app/ui/WindowStatusExport.h"

#include "exports/ui/ExportCommands.h"

bool WindowStatusExport::isRunning() const
{
    return m_commands && m_commands->isRunning();
}

void WindowStatusExport::exportStatuses(const std::vector<ProcessStatusRow>& rows, bool withRetry)
{
    if (m_commands)
        m_commands->exportProcessStatuses(m_window, rows, withRetry);
}

#pragma once

#include "sending/SendingContext.h"

class ExportCommands;
class QWidget;

// The sending window's way to the exports: the status choice and the export run over the
// window.
class WindowStatusExport : public ProcessStatusExport
{
public:
    WindowStatusExport(ExportCommands* commands, QWidget* window)
        : m_commands(commands), m_window(window)
    {}

    bool isRunning() const override;
    void exportStatuses(const std::vector<ProcessStatusRow>& rows, bool withRetry) override;

private:
    ExportCommands* m_commands;
    QWidget* m_window;
};

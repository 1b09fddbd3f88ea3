#pragma once

#include "exports/ExportServices.h"

class QWidget;

// Runs the writer on the export thread while the window is disabled under the wait pop-up and
// the wait cursor shows; both go away when the writer returns, whatever it returns.
class WaitingExportWorker : public ExportWorker
{
public:
    explicit WaitingExportWorker(QWidget* window) : m_window(window) {}

    ExportResult run(const std::function<ExportResult()>& write) override;

private:
    QWidget* m_window;
};

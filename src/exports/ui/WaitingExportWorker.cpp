#include "exports/ui/WaitingExportWorker.h"

#include "widgets/BackgroundJob.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

ExportResult WaitingExportWorker::run(const std::function<ExportResult()>& write)
{
    const WaitCursor cursor;
    ExportResult result;
    RunBackgroundJobAndWait(m_window, [&result, &write] { result = write(); });
    return result;
}

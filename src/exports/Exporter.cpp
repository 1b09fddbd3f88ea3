#include "exports/Exporter.h"

#include "base/Prompter.h"
#include "exports/BiffWriter.h"
#include "exports/ExportPreparation.h"
#include "exports/ExportServices.h"
#include "exports/XlsxExportWriter.h"

ExportOutcome Exporter::run(const ExportJob& job)
{
    const PreparedTarget prepared =
        PrepareExportTarget(m_services.saveDialog, m_services.prompter, job.formats);
    if (prepared.status != PreparedTarget::Status::Chosen)
        return prepared.status == PreparedTarget::Status::Refused ? ExportOutcome::Refused
                                                                  : ExportOutcome::Cancelled;
    const ExportFormat format = prepared.target.format;
    const ExportWriter writer = writerFor(job, format);
    if (!writer)
        return ExportOutcome::Refused;
    if (format == ExportFormat::Xls && !confirmSheetSplit(job.table.rowCount))
        return ExportOutcome::Cancelled;

    const QString path = prepared.target.path;
    const ExportResult result =
        m_services.worker.run([&writer, &path, &job] { return writer(path, job.table); });
    if (!result.ok()) {
        m_services.prompter.inform(tr("Message"), ExportFailureText(result),
                                   Prompter::Icon::Information);
        return ExportOutcome::Failed;
    }
    reportSuccess(ExportSuccessText(job.successText, result), path);
    return ExportOutcome::Written;
}

bool Exporter::confirmSheetSplit(qsizetype rowCount)
{
    if (rowCount <= XlsSheetRows)
        return true;
    return m_services.prompter.confirm(
        tr("Confirm"),
        tr("Number of rows in table is greater than the capacity of MS Excel worksheet so "
           "remaining rows convert in new worksheet of same MS Excel File.\n\nAre you sure you "
           "want to continue?"),
        Prompter::Icon::Question);
}

void Exporter::reportSuccess(const QString& successText, const QString& path)
{
    if (!m_services.resultPrompt.askToOpen(successText))
        return;
    if (m_services.opener.openWithDefault(path) || m_services.opener.openWithChooser(path))
        return;
    m_services.prompter.inform(
        tr("Message"),
        tr("No application could be started to open the exported file. It is saved as:\n\n%1")
            .arg(path),
        Prompter::Icon::Information);
}

ExportWriter Exporter::writerFor(const ExportJob& job, ExportFormat format) const
{
    switch (format) {
    case ExportFormat::Xls:
        return WriteXls;
    case ExportFormat::Xlsx:
        return WriteXlsx;
    case ExportFormat::Txt:
        return job.textWriter;
    case ExportFormat::Html:
        return job.htmlWriter;
    }
    return {};
}

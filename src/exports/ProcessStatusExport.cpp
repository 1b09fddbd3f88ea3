#include "exports/ProcessStatusExport.h"

#include "base/Prompter.h"

#include <memory>

QStringList ProcessStatusColumns(bool withRetry, bool withDelivery)
{
    QStringList columns{QStringLiteral("Number"), QStringLiteral("Message"),
                        QStringLiteral("Current Status"), QStringLiteral("Status")};
    if (withRetry)
        columns.append(QStringLiteral("Retry"));
    if (withDelivery)
        columns.append(QStringLiteral("Delivery"));
    return columns;
}

ExportOutcome ExportProcessStatuses(Exporter& exporter, const std::vector<ProcessStatusRow>& rows,
                                    bool withRetry, StatusChoice choice)
{
    auto chosen = std::make_shared<std::vector<ProcessStatusRow>>();
    for (const ProcessStatusRow& row : rows) {
        if (MatchesStatusChoice(choice, row.Status))
            chosen->push_back(row);
    }
    if (chosen->empty()) {
        exporter.prompter().inform(Exporter::tr("Message"),
                                   Exporter::tr("There is no item for selected Export Option."),
                                   Prompter::Icon::Information);
        return ExportOutcome::Refused;
    }

    const bool withDelivery = rows.front().Delivery.has_value();
    ExportJob job;
    job.formats = {ExportFormat::Xls, ExportFormat::Xlsx};
    job.table.columns = ProcessStatusColumns(withRetry, withDelivery);
    job.table.rowCount = qsizetype(chosen->size());
    job.table.row = [chosen, withRetry, withDelivery](qsizetype i) {
        const ProcessStatusRow& row = (*chosen)[size_t(i)];
        QStringList cells{row.Number, row.Message, row.CurrentStatus, row.Status};
        if (withRetry)
            cells.append(row.Retry);
        if (withDelivery)
            cells.append(row.Delivery.value_or(QString()));
        return cells;
    };
    job.successText = Exporter::tr("Sent Items have been exported successfully.");
    return exporter.run(job);
}

#include "sending/StatusExport.h"

#include "sending/RowPredicates.h"
#include "sending/SendQueue.h"

QStringList StatusChoiceTexts()
{
    return {QCoreApplication::translate("StatusExport", "All Items"),
            QCoreApplication::translate("StatusExport", "Only Successfully sent items"),
            QCoreApplication::translate("StatusExport", "Only Failed items")};
}

bool MatchesStatusChoice(const QueueRow& row, StatusChoice choice)
{
    switch (choice) {
    case StatusChoice::Succeeded:
        return RowPredicates::IsSuccess(row);
    case StatusChoice::Failed:
        return RowPredicates::IsFailed(row);
    default:
        return true;
    }
}

StatusExportTable SelectStatusRows(const SendQueue& queue, StatusChoice choice, bool retriesOn)
{
    StatusExportTable table;
    table.choiceCode = StatusChoiceCode(choice);
    table.columns = QStringList{QStringLiteral("Number"), QStringLiteral("Message"),
                                QStringLiteral("Current Status"), QStringLiteral("Status")};
    if (retriesOn)
        table.columns.append(QStringLiteral("Retry"));
    const int count = queue.rowCount();
    constexpr int Chunk = 4096; // copies in blocks so the workers are not held up
    for (int first = 0; first < count; first += Chunk) {
        for (const QueueRow& row : queue.rows(first, Chunk)) {
            if (!MatchesStatusChoice(row, choice))
                continue;
            QStringList cells{row[NumberColumn], row[MessageColumn], row[CurrentStatusColumn],
                              row[StatusColumn]};
            if (retriesOn)
                cells.append(row[RetryColumn]);
            table.rows.append(cells);
        }
    }
    return table;
}

QString NoItemForExportOptionText()
{
    return QCoreApplication::translate("StatusExport",
                                       "There is no item for selected Export Option.");
}

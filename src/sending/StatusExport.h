#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "stores/StatusChoice.h"

class SendQueue;
struct QueueRow;

// The option texts in the order offered; "All Items" is preset.
QStringList StatusChoiceTexts();
bool MatchesStatusChoice(const QueueRow& row, StatusChoice choice);

// What the run hands to the status export: "Number", "Message", "Current Status", "Status"
// and, when retries are on, "Retry", for the rows that match the choice, in queue order.
struct StatusExportTable
{
    QStringList columns;
    QList<QStringList> rows;
    QString choiceCode;
};

StatusExportTable SelectStatusRows(const SendQueue& queue, StatusChoice choice, bool retriesOn);

// The process-status export of the exports; it runs on a thread of its own, so it must not
// touch widgets directly.
class StatusExporter
{
public:
    virtual ~StatusExporter() = default;
    virtual void exportStatuses(const StatusExportTable& table) = 0;
};

// The text when no row matches the choice.
QString NoItemForExportOptionText();

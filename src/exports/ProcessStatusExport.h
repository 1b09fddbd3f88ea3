#pragma once

#include "exports/Exporter.h"
#include "exports/StatusChoice.h"

#include <optional>
#include <vector>

// The cells of one row of a sending run that its status export writes.
struct ProcessStatusRow
{
    QString Number;
    QString Message;
    QString CurrentStatus;
    QString Status;
    QString Retry;
    // The row's delivery state when the run asked for delivery reports; unset otherwise.
    std::optional<QString> Delivery = std::nullopt;
};

// The column titles: "Number", "Message", "Current Status", "Status", "Retry" when the run
// retried failed messages, and "Delivery" when it asked for delivery reports.
QStringList ProcessStatusColumns(bool withRetry, bool withDelivery = false);

// The rows whose "Status" passes the choice, in the run's order, as xls or xlsx. When none
// passes, says "There is no item for selected Export Option." and writes no file.
ExportOutcome ExportProcessStatuses(Exporter& exporter, const std::vector<ProcessStatusRow>& rows,
                                    bool withRetry, StatusChoice choice = StatusChoice::All);

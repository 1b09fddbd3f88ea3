#pragma once

#include "exports/Exporter.h"
#include "exports/StatusChoice.h"
#include "stores/SentItem.h"

#include <QDate>
#include <vector>

// What the sent-items window's export options chose.
struct SentItemsExportOptions
{
    StatusChoice choice = StatusChoice::All;
    QDate start;
    QDate end;
    ExportFormat format = ExportFormat::Txt;
};

// The day a record was written, from its date text; invalid when the text is not a date.
QDate SentItemDay(const SentItem& item);

// Whether a record lies within the period (both days included) and passes the status choice.
bool IsSentItemSelected(const SentItem& item, const SentItemsExportOptions& options);

// The records to export, in list order.
std::vector<SentItem> SelectSentItems(const std::vector<SentItem>& records,
                                      const SentItemsExportOptions& options);

// The sent items of the period that pass the status choice, numbered from 1, in the one format
// chosen beforehand. When none is selected, says "There is no record for selected duration."
// and writes no file. `deliveries` are the records' "Delivery" texts in their order (see
// SentItemsExport): when any of them is not empty, a "Delivery" column follows "Status".
ExportOutcome ExportSentItems(Exporter& exporter, const std::vector<SentItem>& records,
                              const SentItemsExportOptions& options,
                              const std::vector<QString>& deliveries = {});

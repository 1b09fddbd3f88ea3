#pragma once

#include "exports/Exporter.h"

class RecipientList;

// The recipient list as an export table: "Number" and "Message", in display order. The table
// reads the list as the writer goes, so the list must not change until the export is over.
ExportTable RecipientExportTable(const RecipientList& list);

// The main window's "Export": the recipient list as xls or xlsx.
ExportOutcome ExportRecipientList(Exporter& exporter, const RecipientList& list);

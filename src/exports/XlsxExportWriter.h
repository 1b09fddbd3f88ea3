#pragma once

#include "exports/ExportResult.h"
#include "exports/ExportTable.h"

// Writes the table as an Excel workbook (xlsx): sheet "Sheet1" with the column titles in its
// first row and the rows under them. Every cell is a text cell holding the row's text as given
// (cut to ExcelCellMaxChars), so leading zeros and long digit strings stay as they are, with no
// apostrophe added. Rows stream through libxlsxwriter into temporary files in the target's
// folder, so memory stays flat. A table past XlsxSheetRows rows goes on in "Sheet2" and so on,
// under the same titles.
ExportResult WriteXlsx(const QString& path, const ExportTable& table);

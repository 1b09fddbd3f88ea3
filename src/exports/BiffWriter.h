#pragma once

#include "exports/ExportResult.h"
#include "exports/ExportTable.h"

// Writes the table as an Excel 97-2003 workbook (BIFF8 in a compound file): sheets "Sheet1",
// "Sheet2", ... each with the column titles in its first row and at most XlsSheetRows rows
// under them. Every cell is a text cell holding the row's text as given (cut to
// ExcelCellMaxChars), whatever characters it contains.
ExportResult WriteXls(const QString& path, const ExportTable& table);

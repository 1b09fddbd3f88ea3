#pragma once

#include "spreadsheet/Spreadsheet.h"

#include <QStringView>
#include <cstdint>
#include <vector>

class XlsxPart;
class XlsxSharedStrings;

// What the cells of a sheet refer to elsewhere in the workbook.
struct XlsxSheetContext
{
    const XlsxSharedStrings* sharedStrings = nullptr;
    const std::vector<bool>* dateStyles = nullptr;
    bool date1904 = false;
};

// Streams the cells of a worksheet part to the sink, one <c> element at a time. The sheet's
// <dimension> element is not consulted: writers leave it stale or out.
SpreadsheetError ReadXlsxSheet(XlsxPart& part, const XlsxSheetContext& context, CellSink& sink);

// "B12" -> row 12, column 2. False for anything that is not a cell on a sheet.
bool ParseCellReference(QStringView reference, std::uint32_t& row, std::uint32_t& column);

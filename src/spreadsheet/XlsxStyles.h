#pragma once

#include "spreadsheet/Spreadsheet.h"

#include <vector>

class XlsxPart;

// For every cell format of the workbook (the s attribute of a cell), whether it shows a date.
SpreadsheetError ReadXlsxDateStyles(XlsxPart& part, std::vector<bool>& dateStyles);

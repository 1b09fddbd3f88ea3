#pragma once

#include "recipients/ImportProgress.h"
#include "recipients/ImportTexts.h"
#include "recipients/NumberRule.h"

#include <optional>
#include <vector>

class RecipientBatch;
class SheetTable;
class SpreadsheetReader;

// Limits of the Excel imports.
constexpr int MaxImportRows = 50'000;
constexpr qsizetype MaxImportMessageChars = 1600;

// How a sheet reading ended: read through, or discarded at a cell that has no text (an error
// value such as #N/A); the rows gathered before that stay.
enum class SheetReadEnd
{
    Complete,
    Discarded
};

// The cell's text, or nothing for a cell whose value is not convertible to text.
std::optional<QString> ImportCellText(const SheetTable& sheet, int row, int column);

// The sheet as the import reads it: null, with the notice to show, when it cannot be had.
// An empty sheet is not an error here; callers decide what it means for them.
const SheetTable* ReadImportSheet(SpreadsheetReader& reader, int sheetIndex, ImportNotice* failure);

// "Load Contacts From File" on a workbook: every ticked column (by position from 0), one after
// the other, each from row 1 (the header) to the last row of the used range, every cell a
// number token given the composer text.
SheetReadEnd ImportTickedColumns(const SheetTable& sheet, const std::vector<bool>& ticked,
                                 RecipientBatch& batch, const QString& composer,
                                 const NumberCheckOptions& options);

// The wizard's "Import Numbers and their respective messages": for rows 1 to 50,000 the number
// from one column (from 1) and the message from another, cut to 1600 characters.
SheetReadEnd ImportNumbersAndMessages(const SheetTable& sheet, int numberColumn, int messageColumn,
                                      RecipientBatch& batch, const NumberCheckOptions& options,
                                      ImportProgress* progress = nullptr);

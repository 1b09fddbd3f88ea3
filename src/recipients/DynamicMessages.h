#pragma once

#include "recipients/ExcelImport.h"

#include <vector>

// The placeholder of a column (from 1): "<COL-%d>".
QString Placeholder(int column);

// The template with the placeholders filled from one row of the sheet. In ten passes k = 1..10,
// each over j = 0 .. min(C, 10) - 1, every "<COL-(k+j)>" is replaced by the cell (row, k+j);
// so columns 1 to 9 + min(C, 10) are filled (cells right of the used range as empty text), a
// cell text holding a placeholder of a column filled later is filled too, and any other text,
// a lower-case or higher-numbered placeholder included, stays as typed. Nothing when a filled
// cell holds no text (an error value).
std::optional<QString> FillPlaceholders(const QString& messageTemplate, const SheetTable& sheet,
                                        int row);

// The total the progress window shows for this many ticked number columns over R rows.
std::uint64_t DynamicTotalRecords(int numberColumns, int rows);

// The wizard's personalised messages: for every number column (from 1, in the order given) and
// every row from 1 to 50,000 of the used range, the filled template cut to 1600 characters
// with the row's number from that column.
SheetReadEnd BuildDynamicMessages(const SheetTable& sheet, const std::vector<int>& numberColumns,
                                  const QString& messageTemplate, RecipientBatch& batch,
                                  const NumberCheckOptions& options,
                                  ImportProgress* progress = nullptr);

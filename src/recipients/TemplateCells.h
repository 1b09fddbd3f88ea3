#pragma once

#include "recipients/ExcelImport.h"

#include <QStringList>
#include <vector>

// "Import Templates" of the templates window: the text of every cell of the ticked columns (by
// position from 0), column by column, each from row 1 to the last row of the used range. The
// window skips empty texts and templates it already lists. A cell without text ends the reading
// as Discarded, keeping the texts before it.
QStringList TemplateCells(const SheetTable& sheet, const std::vector<bool>& ticked,
                          SheetReadEnd* end);

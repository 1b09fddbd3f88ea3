#include "recipients/TemplateCells.h"

#include "spreadsheet/SheetTable.h"

#include <algorithm>

QStringList TemplateCells(const SheetTable& sheet, const std::vector<bool>& ticked,
                          SheetReadEnd* end)
{
    QStringList cells;
    *end = SheetReadEnd::Complete;
    const int columns = std::min(sheet.columnCount(), int(ticked.size()));
    for (int column = 1; column <= columns; ++column) {
        if (!ticked[size_t(column - 1)])
            continue;
        for (int row = 1; row <= sheet.rowCount(); ++row) {
            const std::optional<QString> text = ImportCellText(sheet, row, column);
            if (!text) {
                *end = SheetReadEnd::Discarded;
                return cells;
            }
            cells.append(*text);
        }
    }
    return cells;
}

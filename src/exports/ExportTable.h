#pragma once

#include <QList>
#include <QStringList>
#include <functional>

// What an export writes, independent of the list it comes from: the column titles and the rows,
// each a list of text cells in column order, in the list's own order.
struct ExportTable
{
    QStringList columns;
    qsizetype rowCount = 0;
    // The cells of row `index` (0-based). Writers call it once per row, in order; a row with
    // fewer cells than columns is filled with empty cells, extra cells are ignored.
    std::function<QStringList(qsizetype index)> row;

    // A table over rows already held in memory.
    static ExportTable fromRows(QStringList columns, QList<QStringList> rows);
};

// Rows a workbook sheet holds under its header row, and how many sheets a table needs.
constexpr qsizetype XlsSheetRows = 65535;
constexpr qsizetype XlsxSheetRows = 1048575;
qsizetype SheetCount(qsizetype rowCount, qsizetype rowsPerSheet);
QString SheetName(qsizetype sheetIndex); // "Sheet1" for index 0

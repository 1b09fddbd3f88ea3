#include "exports/ExportTable.h"

ExportTable ExportTable::fromRows(QStringList columns, QList<QStringList> rows)
{
    ExportTable table;
    table.columns = std::move(columns);
    table.rowCount = rows.size();
    table.row = [rows = std::move(rows)](qsizetype index) { return rows.at(index); };
    return table;
}

qsizetype SheetCount(qsizetype rowCount, qsizetype rowsPerSheet)
{
    // An empty table still gets one sheet with its header row.
    return rowCount <= 0 ? 1 : (rowCount + rowsPerSheet - 1) / rowsPerSheet;
}

QString SheetName(qsizetype sheetIndex)
{
    return QStringLiteral("Sheet%1").arg(sheetIndex + 1);
}

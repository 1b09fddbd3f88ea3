#pragma once

#include "spreadsheet/SheetTable.h"
#include "spreadsheet/Spreadsheet.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// What the import windows use in place of Excel: open a workbook, list its sheets, read one
// sheet's cells once into a table and then ask for cell texts over the used range.
//
//   SpreadsheetReader reader;
//   if (!reader.open(path).ok()) -> "Failed to open Excel file!"
//   const SheetTable* sheet = reader.sheet(index, &error);
//   if (!sheet) -> the cells could not be read (error.code says why)
//   if (sheet->isEmpty()) -> "Excel sheet is empty."
//   sheet->rowCount(), sheet->columnCount(), sheet->cellText(row, column)  (from 1)
//
// Not thread-safe; an import thread owns its reader.
class SpreadsheetReader
{
public:
    explicit SpreadsheetReader(const ReadLimits& limits = {});
    ~SpreadsheetReader();
    SpreadsheetReader(const SpreadsheetReader&) = delete;
    SpreadsheetReader& operator=(const SpreadsheetReader&) = delete;

    // Opens a workbook, closing any open one. The error is ok on success.
    [[nodiscard]] SpreadsheetError open(const QString& path);
    void close();
    bool isOpen() const { return m_workbook != nullptr; }

    // Worksheet names in workbook order; the index of a name is the sheet's index below.
    QStringList sheetNames() const;

    // The cells of a sheet, read on first use and kept until another sheet is read or the
    // workbook closes. Null on failure, with the reason in *error when given.
    [[nodiscard]] const SheetTable* sheet(int index, SpreadsheetError* error = nullptr);

    // Streams a sheet's cells without keeping them (see CellSink).
    SpreadsheetError readCells(int index, CellSink& sink);

private:
    ReadLimits m_limits;
    std::unique_ptr<Workbook> m_workbook;
    std::optional<int> m_sheetIndex;
    SheetTable m_sheet;
};

// The names of a sheet's columns for choosing them: the header cell (row 1) of each column of
// the used range, trimmed; an empty header is "Untitled Column " followed by the count of
// untitled columns so far.
QStringList ColumnNames(const SheetTable& sheet);

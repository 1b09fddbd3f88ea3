#pragma once

#include "FuzzSupport.h"
#include "spreadsheet/SpreadsheetReader.h"

#include <QHash>
#include <utility>

// Opens the bytes as a workbook the way the import windows do (the reader decides between
// xlsx and xls by content), lists the sheets, reads each one whole and then every cell of its
// used range.

namespace spreadsheetfuzz {

// Keeps what the streaming read reports, to hold the table against it.
class CellCollector final : public CellSink
{
public:
    bool cell(std::uint32_t row, std::uint32_t column, const CellValue& value) override
    {
        require(row >= 1 && column >= 1, "cells are counted from 1");
        if (m_cells.size() < 100000)
            m_cells.insert({row, column}, value.text.toString());
        return true;
    }
    const QHash<std::pair<std::uint32_t, std::uint32_t>, QString>& cells() const { return m_cells; }

private:
    QHash<std::pair<std::uint32_t, std::uint32_t>, QString> m_cells;
};

inline void readEveryCell(const SheetTable& sheet)
{
    const UsedRange& range = sheet.usedRange();
    require(sheet.isEmpty() == (sheet.cellCount() == 0), "an empty range holds no cells");
    ColumnNames(sheet);
    // A used range can be huge and nearly empty; reading its corners and a bounded block is
    // what an import of it does first.
    const int rows = std::min(range.rows, 200);
    const int columns = std::min(range.columns, 50);
    for (int row = 0; row <= rows + 1; ++row)
        for (int column = 0; column <= columns + 1; ++column)
            sheet.cellText(row, column);
    sheet.cellText(range.rows, range.columns);
    sheet.cellText(range.rows + 1, range.columns + 1);
    sheet.cellText(-1, -1);
}

inline void checkAgainstStream(const SheetTable& sheet, const CellCollector& stream)
{
    const UsedRange& range = sheet.usedRange();
    for (auto it = stream.cells().cbegin(); it != stream.cells().cend(); ++it) {
        if (it.value().isEmpty())
            continue;
        const std::int64_t row = std::int64_t(it.key().first) - range.firstRow + 1;
        const std::int64_t column = std::int64_t(it.key().second) - range.firstColumn + 1;
        require(row >= 1 && row <= range.rows && column >= 1 && column <= range.columns,
                "every cell read lies in the used range");
    }
}

inline int fuzzWorkbook(const char* fileName, const std::uint8_t* data, std::size_t size)
{
    const QString path = writeFuzzFile(fileName, data, size);
    SpreadsheetReader reader;
    if (!reader.open(path).ok())
        return 0;
    const QStringList names = reader.sheetNames();
    for (int index = 0; index <= names.size(); ++index) {
        SpreadsheetError error;
        const SheetTable* sheet = reader.sheet(index, &error);
        require((sheet == nullptr) == !error.ok(), "a table exactly when there is no error");
        if (index == names.size()) {
            require(!sheet, "no sheet past the last");
            break;
        }
        if (!sheet)
            continue;
        readEveryCell(*sheet);
        CellCollector stream;
        if (!reader.readCells(index, stream).ok())
            continue;
        sheet = reader.sheet(index);
        require(sheet != nullptr, "a sheet read once reads again");
        checkAgainstStream(*sheet, stream);
    }
    return 0;
}

} // namespace spreadsheetfuzz

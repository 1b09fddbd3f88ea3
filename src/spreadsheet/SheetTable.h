#pragma once

#include "spreadsheet/Spreadsheet.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

// The non-empty cells of one sheet, held compactly: one 16-byte entry per cell, their texts in
// one buffer, rows indexed so that finding a cell costs a constant number of steps. Rows and
// columns are counted from 1 within the used range, as the importers read them.
class SheetTable
{
public:
    const UsedRange& usedRange() const { return m_range; }
    int rowCount() const { return m_range.rows; }
    int columnCount() const { return m_range.columns; }
    bool isEmpty() const { return m_range.isEmpty(); }
    std::int64_t cellCount() const { return std::int64_t(m_cells.size()); }

    // Empty text outside the used range and for empty cells. The view lives as long as the table.
    QStringView cellView(int row, int column) const;
    QString cellText(int row, int column) const { return cellView(row, column).toString(); }
    CellKind cellKind(int row, int column) const;

private:
    friend class SheetTableBuilder;

    struct Cell
    {
        std::uint32_t row;
        std::uint16_t column;
        CellKind kind;
        std::uint8_t spare;
        std::uint32_t offset;
        std::uint32_t length;
    };

    const Cell* find(int row, int column) const;

    UsedRange m_range;
    std::vector<Cell> m_cells;             // by row, then column
    std::vector<std::uint32_t> m_rowStart; // first cell of each row, and the end
    QString m_text;
};

// Collects a sheet's cells from a reader into a SheetTable, within the reading limits.
class SheetTableBuilder final : public CellSink
{
public:
    explicit SheetTableBuilder(const ReadLimits& limits) : m_limits(limits) {}

    bool cell(std::uint32_t row, std::uint32_t column, const CellValue& value) override;
    // TooLarge once a limit was reached (the reading was stopped there).
    const SpreadsheetError& error() const { return m_error; }
    SheetTable finish();

private:
    bool addText(QStringView text, SheetTable::Cell& cell);
    void sortAndDeduplicate();
    void index();

    ReadLimits m_limits;
    SheetTable m_table;
    QHash<std::uint64_t, std::pair<std::uint32_t, std::uint32_t>> m_shared;
    bool m_ordered = true;
    bool m_duplicates = false;
    SpreadsheetError m_error;
};

#include "spreadsheet/SheetTable.h"

#include <algorithm>
#include <limits>

const SheetTable::Cell* SheetTable::find(int row, int column) const
{
    if (row < 1 || row > m_range.rows || column < 1 || column > m_range.columns)
        return nullptr;
    const auto begin = m_cells.begin() + m_rowStart[row - 1];
    const auto end = m_cells.begin() + m_rowStart[row];
    if (begin == end)
        return nullptr;
    const std::uint16_t wanted = std::uint16_t(column - 1);
    // Rows are usually filled from their first cell on: try the direct position first.
    const auto guess = begin + (wanted - std::min<int>(wanted, begin->column));
    if (guess < end && guess->column == wanted)
        return &*guess;
    const auto found = std::lower_bound(
        begin, end, wanted, [](const Cell& c, std::uint16_t col) { return c.column < col; });
    return found != end && found->column == wanted ? &*found : nullptr;
}

QStringView SheetTable::cellView(int row, int column) const
{
    const Cell* c = find(row, column);
    return c ? QStringView(m_text).mid(c->offset, c->length) : QStringView();
}

CellKind SheetTable::cellKind(int row, int column) const
{
    const Cell* c = find(row, column);
    return c ? c->kind : CellKind::Empty;
}

bool SheetTableBuilder::addText(QStringView text, SheetTable::Cell& cell)
{
    const std::int64_t size = m_table.m_text.size();
    const std::int64_t limit =
        std::min<std::int64_t>(m_limits.maxTextChars, std::numeric_limits<std::uint32_t>::max());
    if (size + text.size() > limit) {
        m_error = {SpreadsheetErrorCode::TooLarge,
                   QStringLiteral("Sheet text beyond %1 characters").arg(limit)};
        return false;
    }
    cell.offset = std::uint32_t(size);
    cell.length = std::uint32_t(text.size());
    m_table.m_text.append(text);
    return true;
}

bool SheetTableBuilder::cell(std::uint32_t row, std::uint32_t column, const CellValue& value)
{
    if (value.text.isEmpty() || row == 0 || column == 0 || column > 0xFFFF)
        return true;
    auto& cells = m_table.m_cells;
    if (std::int64_t(cells.size()) >= m_limits.maxCells) {
        m_error = {SpreadsheetErrorCode::TooLarge,
                   QStringLiteral("More than %1 cells in the sheet").arg(m_limits.maxCells)};
        return false;
    }
    SheetTable::Cell cell{row, std::uint16_t(column), value.kind, 0, 0, 0};
    if (value.shareKey) {
        const auto known = m_shared.constFind(value.shareKey);
        if (known != m_shared.cend()) {
            cell.offset = known->first;
            cell.length = known->second;
        } else {
            if (!addText(value.text, cell))
                return false;
            m_shared.insert(value.shareKey, {cell.offset, cell.length});
        }
    } else if (!addText(value.text, cell)) {
        return false;
    }
    if (!cells.empty()) {
        const SheetTable::Cell& last = cells.back();
        if (row < last.row || (row == last.row && column <= last.column)) {
            m_ordered = false;
            m_duplicates = true; // possibly: checked after sorting
        }
    }
    cells.push_back(cell);
    return true;
}

void SheetTableBuilder::sortAndDeduplicate()
{
    auto& cells = m_table.m_cells;
    const auto before = [](const SheetTable::Cell& a, const SheetTable::Cell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    };
    if (!m_ordered)
        std::stable_sort(cells.begin(), cells.end(), before);
    if (!m_duplicates)
        return;
    // A cell given twice keeps its last value, as a later write would.
    std::vector<SheetTable::Cell> unique;
    unique.reserve(cells.size());
    for (const SheetTable::Cell& c : cells) {
        if (!unique.empty() && unique.back().row == c.row && unique.back().column == c.column)
            unique.back() = c;
        else
            unique.push_back(c);
    }
    cells.swap(unique);
}

void SheetTableBuilder::index()
{
    auto& cells = m_table.m_cells;
    std::uint32_t firstColumn = 0xFFFF, lastColumn = 0;
    for (const SheetTable::Cell& c : cells) {
        firstColumn = std::min<std::uint32_t>(firstColumn, c.column);
        lastColumn = std::max<std::uint32_t>(lastColumn, c.column);
    }
    const std::uint32_t firstRow = cells.front().row;
    const std::uint32_t rows = cells.back().row - firstRow + 1;
    m_table.m_range = {int(firstRow), int(firstColumn), int(rows),
                       int(lastColumn - firstColumn + 1)};
    auto& rowStart = m_table.m_rowStart;
    rowStart.assign(rows + 1, 0);
    for (SheetTable::Cell& c : cells) {
        c.row -= firstRow;
        c.column = std::uint16_t(c.column - firstColumn);
        ++rowStart[c.row + 1];
    }
    for (std::uint32_t r = 0; r < rows; ++r)
        rowStart[r + 1] += rowStart[r];
}

SheetTable SheetTableBuilder::finish()
{
    if (!m_table.m_cells.empty()) {
        sortAndDeduplicate();
        index();
    }
    m_shared.clear();
    SheetTable table = std::move(m_table);
    m_table = SheetTable();
    return table;
}

#include "recipients/ExcelColumnChoice.h"

#include "recipients/ExcelImport.h"
#include "spreadsheet/SheetTable.h"
#include "spreadsheet/SpreadsheetReader.h"

#include <algorithm>

ExcelColumnChoice::ExcelColumnChoice(SpreadsheetReader& reader)
    : m_reader(reader), m_sheets(reader.sheetNames())
{}

std::optional<ImportNotice> ExcelColumnChoice::chooseSheet(int index)
{
    m_sheet = index;
    m_columns.clear();
    m_ticked.clear();
    m_selectAll = false;
    ImportNotice failure;
    const SheetTable* table = ReadImportSheet(m_reader, index, &failure);
    if (!table)
        return failure;
    if (table->isEmpty())
        return ImportText::sheetEmpty();
    m_columns = ColumnNames(*table);
    m_ticked.assign(size_t(m_columns.size()), false);
    return std::nullopt;
}

void ExcelColumnChoice::setSelectAll(bool ticked)
{
    m_selectAll = ticked;
    std::fill(m_ticked.begin(), m_ticked.end(), ticked);
}

void ExcelColumnChoice::setTicked(int column, bool ticked)
{
    if (column < 0 || size_t(column) >= m_ticked.size())
        return;
    m_ticked[size_t(column)] = ticked;
    m_selectAll = std::all_of(m_ticked.begin(), m_ticked.end(), [](bool t) { return t; });
}

std::optional<ImportNotice> ExcelColumnChoice::accept() const
{
    if (m_columns.isEmpty())
        return ImportText::message("There is no column.\n\nOR\n\nNo column is selected.");
    if (std::none_of(m_ticked.begin(), m_ticked.end(), [](bool t) { return t; }))
        return ImportText::message("No column is selected.");
    return std::nullopt;
}

#include "spreadsheet/SpreadsheetReader.h"

SpreadsheetReader::SpreadsheetReader(const ReadLimits& limits) : m_limits(limits) {}

SpreadsheetReader::~SpreadsheetReader() = default;

SpreadsheetError SpreadsheetReader::open(const QString& path)
{
    close();
    SpreadsheetError error;
    m_workbook = OpenWorkbook(path, error, m_limits);
    return error;
}

void SpreadsheetReader::close()
{
    m_workbook.reset();
    m_sheetIndex.reset();
    m_sheet = SheetTable();
}

QStringList SpreadsheetReader::sheetNames() const
{
    return m_workbook ? m_workbook->sheetNames() : QStringList();
}

const SheetTable* SpreadsheetReader::sheet(int index, SpreadsheetError* error)
{
    SpreadsheetError result;
    if (m_sheetIndex != index) {
        m_sheetIndex.reset();
        m_sheet = SheetTable(); // free the previous sheet before reading the next
        SheetTableBuilder builder(m_limits);
        result = readCells(index, builder);
        if (result.ok())
            result = builder.error();
        if (result.ok()) {
            m_sheet = builder.finish();
            m_sheetIndex = index;
        }
    }
    if (error)
        *error = result;
    return result.ok() ? &m_sheet : nullptr;
}

SpreadsheetError SpreadsheetReader::readCells(int index, CellSink& sink)
{
    if (!m_workbook)
        return {SpreadsheetErrorCode::NoSuchSheet, QStringLiteral("No workbook is open")};
    if (index < 0 || index >= m_workbook->sheetNames().size())
        return {SpreadsheetErrorCode::NoSuchSheet, QStringLiteral("No sheet %1").arg(index)};
    return m_workbook->readCells(index, sink);
}

QStringList ColumnNames(const SheetTable& sheet)
{
    QStringList names;
    int untitled = 0;
    for (int column = 1; column <= sheet.columnCount(); ++column) {
        const QString name = sheet.cellView(1, column).trimmed().toString();
        names.append(name.isEmpty() ? QStringLiteral("Untitled Column %1").arg(++untitled) : name);
    }
    return names;
}

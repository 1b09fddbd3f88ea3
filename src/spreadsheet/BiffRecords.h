#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <cstdint>

// The BIFF8 records of a plain workbook whose cells are all strings from the shared string table.
namespace Biff {

constexpr std::uint16_t Continue = 0x003C;
constexpr std::uint16_t Sst = 0x00FC;
constexpr std::uint16_t ExtSst = 0x00FF;
constexpr std::uint16_t LabelSst = 0x00FD;

// Record data is at most this long; longer data goes on in CONTINUE records.
constexpr qsizetype MaxRecordData = 8224;
constexpr qsizetype RecordHeaderSize = 4;
constexpr qsizetype LabelSstSize = RecordHeaderSize + 10;

void appendRecord(QByteArray& out, std::uint16_t type, const QByteArray& data);

// The workbook globals up to, not including, the shared string table: BOF, code page (UTF-16),
// window, fonts, cell formats, the Normal style and one BOUNDSHEET per sheet, each pointing at
// its sheet's BOF in the stream. Its size does not depend on the offsets.
QByteArray globalsHead(const QStringList& sheetNames, const QList<std::uint32_t>& sheetOffsets);

// The end of the globals, or of a sheet.
QByteArray endOfFile();

// A sheet of `rows` rows (header row included) and `columns` columns: BOF and DIMENSIONS, then
// the cells, then sheetTail().
QByteArray sheetHead(std::uint32_t rows, std::uint16_t columns);
// Cell (row, column) showing shared string `stringIndex` as text.
void appendTextCell(QByteArray& out, std::uint16_t row, std::uint16_t column,
                    std::uint32_t stringIndex);
// WINDOW2 and EOF; the first sheet is the selected one.
QByteArray sheetTail(bool firstSheet);

} // namespace Biff

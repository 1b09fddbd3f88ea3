#include "exports/BiffWriter.h"

#include "base/FileOutput.h"
#include "exports/ExportTarget.h"
#include "spreadsheet/BiffRecords.h"
#include "spreadsheet/CompoundFile.h"
#include "spreadsheet/ExcelCellLimit.h"
#include "spreadsheet/SharedStringTable.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace {

constexpr qsizetype kMaxColumns = 256;
constexpr qsizetype kChunk = 1 << 16;

struct SheetPlan
{
    qsizetype sheets;
    std::uint16_t columns;
    qsizetype rowCount;

    qsizetype rowsIn(qsizetype sheet) const
    {
        return std::clamp<qsizetype>(rowCount - sheet * XlsSheetRows, 0, XlsSheetRows);
    }
    QStringList sheetNames() const
    {
        QStringList names;
        for (qsizetype i = 0; i < sheets; ++i)
            names.append(SheetName(i));
        return names;
    }
};

// Every sheet's texts in cell order: its header row, then its rows. Empty cells are left out,
// as workbooks do (some readers take no empty shared string); which ones they were is all that
// is kept, one bit a cell, so the cells can be written after the strings.
std::vector<bool> addStrings(SharedStringTable& strings, const ExportTable& table,
                             const SheetPlan& plan, qsizetype& cutCells)
{
    std::vector<bool> empty;
    empty.reserve(std::size_t(plan.sheets + plan.rowCount) * plan.columns);
    const auto add = [&](const QString& text) {
        empty.push_back(text.isEmpty());
        if (!text.isEmpty())
            strings.add(ExcelCellText(text, cutCells));
    };
    qsizetype next = 0;
    for (qsizetype sheet = 0; sheet < plan.sheets; ++sheet) {
        for (qsizetype c = 0; c < plan.columns; ++c)
            add(table.columns.value(c));
        for (qsizetype r = 0; r < plan.rowsIn(sheet); ++r) {
            const QStringList cells = table.row(next++);
            for (qsizetype c = 0; c < plan.columns; ++c)
                add(cells.value(c));
        }
    }
    return empty;
}

// Writes one sheet, its cells numbered in `cell` and its strings in `nextString`, both going on
// from the sheet before; returns its size.
std::uint64_t writeSheet(FileOutput& out, qsizetype dataRows, std::uint16_t columns,
                         const std::vector<bool>& emptyCells, std::size_t& cell,
                         std::uint32_t& nextString, bool firstSheet)
{
    QByteArray chunk = Biff::sheetHead(std::uint32_t(dataRows + 1), columns);
    chunk.reserve(kChunk + Biff::LabelSstSize * kMaxColumns);
    std::uint64_t size = 0;
    for (qsizetype row = 0; row <= dataRows; ++row) {
        for (std::uint16_t c = 0; c < columns; ++c) {
            if (!emptyCells[cell++])
                Biff::appendTextCell(chunk, std::uint16_t(row), c, nextString++);
        }
        if (chunk.size() >= kChunk) {
            out.write(chunk);
            size += std::uint64_t(chunk.size());
            chunk.resize(0);
        }
    }
    chunk.append(Biff::sheetTail(firstSheet));
    out.write(chunk);
    return size + std::uint64_t(chunk.size());
}

ExportResult failed(ExportStatus status, int errorNumber, qsizetype cutCells = 0)
{
    return {status, errorNumber, cutCells};
}

} // namespace

ExportResult WriteXls(const QString& path, const ExportTable& table)
{
    const qsizetype rowCount = std::max<qsizetype>(table.rowCount, 0);
    const SheetPlan plan{SheetCount(rowCount, XlsSheetRows),
                         std::uint16_t(std::clamp<qsizetype>(table.columns.size(), 1, kMaxColumns)),
                         rowCount};
    const std::uint64_t maxStrings = std::uint64_t(plan.sheets + rowCount) * plan.columns;
    if (maxStrings > 0xFFFFFFFFull)
        return failed(ExportStatus::CannotCreate, EFBIG);

    ExportTarget target(path);
    if (!target.create())
        return failed(ExportStatus::CannotCreate, target.errorNumber());
    FileOutput out(target.fd());

    // The globals come first in the stream but point at the sheets, so they are written last,
    // into the room left for them.
    const QStringList names = plan.sheetNames();
    const auto globalsSize = std::uint64_t(Biff::globalsHead(names, {}).size());
    out.moveTo(CompoundFile::StreamOffset + globalsSize);
    SharedStringTable strings(out, globalsSize, std::uint32_t(maxStrings));
    qsizetype cutCells = 0;
    const std::vector<bool> emptyCells = addStrings(strings, table, plan, cutCells);
    std::uint64_t streamSize = strings.finish();
    const QByteArray end = Biff::endOfFile();
    out.write(end);
    streamSize += std::uint64_t(end.size());

    QList<std::uint32_t> sheetOffsets;
    std::size_t cell = 0;
    std::uint32_t nextString = 0;
    for (qsizetype sheet = 0; sheet < plan.sheets; ++sheet) {
        if (streamSize > CompoundFile::MaxStreamSize)
            return failed(ExportStatus::WriteFailed, EFBIG, cutCells);
        sheetOffsets.append(std::uint32_t(streamSize));
        streamSize += writeSheet(out, plan.rowsIn(sheet), plan.columns, emptyCells, cell,
                                 nextString, sheet == 0);
    }
    if (streamSize > CompoundFile::MaxStreamSize)
        return failed(ExportStatus::WriteFailed, EFBIG, cutCells);

    const CompoundFile container(streamSize);
    container.writeTrailer(out);
    out.writeAt(0, container.header());
    out.writeAt(CompoundFile::StreamOffset, Biff::globalsHead(names, sheetOffsets));
    if (!out.flush())
        return failed(ExportStatus::WriteFailed, out.errorNumber(), cutCells);
    const ExportStatus committed = target.commit();
    if (committed != ExportStatus::Written)
        return failed(committed, target.errorNumber(), cutCells);
    return {ExportStatus::Written, 0, cutCells};
}

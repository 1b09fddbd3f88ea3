#include "exports/XlsxExportWriter.h"

#include "exports/ExportTarget.h"
#include "spreadsheet/XlsxCellText.h"
#include "spreadsheet/XlsxPackageCheck.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <xlsxwriter.h>

namespace {

constexpr qsizetype kMaxColumns = 16384;

// Frees a workbook that is given up without being written.
struct WorkbookFree
{
    void operator()(lxw_workbook* workbook) const { lxw_workbook_free(workbook); }
};
using Workbook = std::unique_ptr<lxw_workbook, WorkbookFree>;

class SheetWriter
{
public:
    SheetWriter(const ExportTable& table, qsizetype columns, lxw_format* text)
        : m_table(table), m_columns(columns), m_text(text)
    {}

    qsizetype cutCells() const { return m_cutCells; }

    // Writes the titles and `rows` rows from row `first` of the table on; false on failure.
    bool write(lxw_worksheet* sheet, qsizetype first, qsizetype rows)
    {
        if (!writeRow(sheet, 0, m_table.columns))
            return false;
        for (qsizetype r = 0; r < rows; ++r) {
            if (!writeRow(sheet, lxw_row_t(r + 1), m_table.row(first + r)))
                return false;
        }
        return true;
    }

private:
    bool writeRow(lxw_worksheet* sheet, lxw_row_t row, const QStringList& texts)
    {
        const qsizetype n = std::min(m_columns, texts.size());
        for (qsizetype c = 0; c < n; ++c) {
            if (texts[c].isEmpty())
                continue;
            const QByteArray utf8 = XlsxCellText(texts[c], m_cutCells);
            if (worksheet_write_string(sheet, row, lxw_col_t(c), utf8.constData(), m_text) !=
                LXW_NO_ERROR)
                return false;
        }
        return true;
    }

    const ExportTable& m_table;
    qsizetype m_columns;
    lxw_format* m_text;
    qsizetype m_cutCells = 0;
};

int failureErrno()
{
    return errno ? errno : EIO;
}

// The rows libxlsxwriter has passed on to its temporary file so far; it does not check those
// writes itself.
bool rowsWritten(lxw_worksheet* sheet)
{
    FILE* rows = sheet->optimize_tmpfile;
    return !rows || (std::fflush(rows) == 0 && !std::ferror(rows));
}

} // namespace

ExportResult WriteXlsx(const QString& path, const ExportTable& table)
{
    ExportTarget target(path);
    if (!target.create())
        return {ExportStatus::CannotCreate, target.errorNumber(), 0};

    // libxlsxwriter writes the package to the temporary file itself, and keeps the rows of
    // every sheet in temporary files next to it rather than in memory.
    const QByteArray file = QFile::encodeName(target.temporaryPath());
    const QByteArray folder = QFile::encodeName(QFileInfo(target.temporaryPath()).absolutePath());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char*>(folder.constData());
    errno = 0;
    Workbook workbook(workbook_new_opt(file.constData(), &options));
    if (!workbook)
        return {ExportStatus::WriteFailed, failureErrno(), 0};
    lxw_format* text = workbook_add_format(workbook.get());
    format_set_num_format(text, "@");

    const qsizetype rowCount = std::max<qsizetype>(table.rowCount, 0);
    const qsizetype columns = std::clamp<qsizetype>(table.columns.size(), 1, kMaxColumns);
    SheetWriter writer(table, columns, text);
    for (qsizetype s = 0, first = 0; s < SheetCount(rowCount, XlsxSheetRows); ++s) {
        const qsizetype rows = std::min(rowCount - first, XlsxSheetRows);
        lxw_worksheet* sheet =
            workbook_add_worksheet(workbook.get(), SheetName(s).toUtf8().constData());
        if (!sheet || !writer.write(sheet, first, rows) || !rowsWritten(sheet))
            return {ExportStatus::WriteFailed, failureErrno(), writer.cutCells()};
        first += rows;
    }
    if (workbook_close(workbook.release()) != LXW_NO_ERROR)
        return {ExportStatus::WriteFailed, failureErrno(), writer.cutCells()};
    // The package is built from temporary files whose writes libxlsxwriter does not check: a
    // part cut short shows only in the finished file.
    if (!XlsxPackageIsWhole(target.temporaryPath()))
        return {ExportStatus::WriteFailed, failureErrno(), writer.cutCells()};
    const ExportStatus committed = target.commit();
    return {committed, target.errorNumber(), writer.cutCells()};
}

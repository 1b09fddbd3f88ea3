#include "stores/XlsxExportWriter.h"

#include "stores/ExcelCellLimit.h"
#include "stores/ExportTarget.h"
#include "stores/XlsxParts.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

// The package is zipped through QuaZip rather than written with libxlsxwriter: both carry a
// minizip with the same function names and different interfaces, and with QuaZip loaded for
// reading workbooks, libxlsxwriter's calls land in QuaZip's copy and crash.

namespace {

constexpr qsizetype kMaxColumns = 16384;
constexpr qsizetype kChunk = 1 << 16;
// Parts stay within the 4 GB a zip entry holds without extensions some readers lack.
constexpr qint64 kMaxPartSize = 0xFFFFFFFFll;

class Package
{
public:
    explicit Package(int fd)
    {
        m_device.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                      QFileDevice::DontCloseHandle);
        m_zip.setIoDevice(&m_device);
        m_ok = m_zip.open(QuaZip::mdCreate);
        keepError();
    }

    bool ok() const { return m_ok; }
    int errorNumber() const { return m_errorNumber; }

    void writePart(const QString& name, const QByteArray& content)
    {
        if (beginPart(name))
            write(content);
        endPart();
    }

    bool beginPart(const QString& name)
    {
        if (!m_ok)
            return false;
        m_part = std::make_unique<QuaZipFile>(&m_zip);
        m_ok = m_part->open(QIODevice::WriteOnly, QuaZipNewInfo(name));
        keepError();
        return m_ok;
    }

    void write(const QByteArray& bytes)
    {
        if (!m_ok)
            return;
        m_ok = m_part->pos() + bytes.size() <= kMaxPartSize && m_part->write(bytes) == bytes.size();
        if (!m_ok)
            m_errorNumber = errno ? errno : EFBIG;
    }

    void endPart()
    {
        if (m_part) {
            m_part->close();
            m_ok = m_ok && m_part->getZipError() == ZIP_OK;
            keepError();
            m_part.reset();
        }
    }

    bool close()
    {
        m_zip.close();
        m_ok = m_ok && m_zip.getZipError() == ZIP_OK;
        keepError();
        return m_ok;
    }

private:
    void keepError()
    {
        if (!m_ok && m_errorNumber == 0)
            m_errorNumber = errno ? errno : EIO;
    }

    QFile m_device;
    QuaZip m_zip;
    std::unique_ptr<QuaZipFile> m_part;
    bool m_ok = false;
    int m_errorNumber = 0;
};

struct SheetPlan
{
    qsizetype rowCount;
    qsizetype columns;

    qsizetype sheets() const { return SheetCount(rowCount, XlsxSheetRows); }
    qsizetype rowsIn(qsizetype sheet) const
    {
        return std::clamp<qsizetype>(rowCount - sheet * XlsxSheetRows, 0, XlsxSheetRows);
    }
};

class SheetWriter
{
public:
    SheetWriter(const ExportTable& table, qsizetype columns) : m_table(table), m_columns(columns)
    {
        m_chunk.reserve(kChunk * 2);
    }

    qsizetype cutCells() const { return m_cutCells; }

    // Writes one sheet of `rows` rows from row `first` of the table on.
    void write(Package& package, qsizetype sheet, qsizetype first, qsizetype rows)
    {
        if (!package.beginPart(Xlsx::sheetPartName(sheet)))
            return;
        m_chunk = Xlsx::sheetHead(rows + 1, m_columns, sheet == 0);
        append(1, m_table.columns);
        for (qsizetype r = 0; r < rows && package.ok(); ++r) {
            append(r + 2, m_table.row(first + r));
            if (m_chunk.size() >= kChunk) {
                package.write(m_chunk);
                m_chunk.resize(0);
            }
        }
        m_chunk += Xlsx::sheetTail();
        package.write(m_chunk);
        package.endPart();
    }

private:
    void append(qsizetype row, const QStringList& texts)
    {
        m_cells.resize(0);
        for (qsizetype c = 0; c < m_columns; ++c)
            m_cells.append(c < texts.size() ? ExcelCellText(texts[c], m_cutCells) : QStringView());
        Xlsx::appendRow(m_chunk, row, m_cells);
    }

    const ExportTable& m_table;
    qsizetype m_columns;
    qsizetype m_cutCells = 0;
    QByteArray m_chunk;
    QList<QStringView> m_cells;
};

} // namespace

ExportResult WriteXlsx(const QString& path, const ExportTable& table)
{
    ExportTarget target(path);
    if (!target.create())
        return {ExportStatus::CannotCreate, target.errorNumber(), 0};

    const SheetPlan plan{std::max<qsizetype>(table.rowCount, 0),
                         std::clamp<qsizetype>(table.columns.size(), 1, kMaxColumns)};
    QStringList names;
    for (qsizetype i = 0; i < plan.sheets(); ++i)
        names.append(SheetName(i));

    errno = 0;
    Package package(target.fd());
    package.writePart(QStringLiteral("[Content_Types].xml"), Xlsx::contentTypes(plan.sheets()));
    package.writePart(QStringLiteral("_rels/.rels"), Xlsx::packageRelationships());
    package.writePart(QStringLiteral("xl/workbook.xml"), Xlsx::workbook(names));
    package.writePart(QStringLiteral("xl/_rels/workbook.xml.rels"),
                      Xlsx::workbookRelationships(plan.sheets()));
    package.writePart(QStringLiteral("xl/styles.xml"), Xlsx::styles());
    SheetWriter sheets(table, plan.columns);
    qsizetype first = 0;
    for (qsizetype s = 0; s < plan.sheets() && package.ok(); ++s) {
        sheets.write(package, s, first, plan.rowsIn(s));
        first += plan.rowsIn(s);
    }
    if (!package.close())
        return {ExportStatus::WriteFailed, package.errorNumber(), sheets.cutCells()};
    const ExportStatus committed = target.commit();
    return {committed, target.errorNumber(), sheets.cutCells()};
}

#include "spreadsheet/XlsWorkbook.h"

#include "spreadsheet/CellText.h"
#include "spreadsheet/OleCompoundFile.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <freexl.h>

namespace {

SpreadsheetError freexlError(const char* what, int code)
{
    return {code == FREEXL_INSUFFICIENT_MEMORY ? SpreadsheetErrorCode::TooLarge
                                               : SpreadsheetErrorCode::Corrupt,
            QStringLiteral("%1 failed with FreeXL error %2").arg(QLatin1String(what)).arg(code)};
}

std::uint64_t cellKey(std::uint32_t row, std::uint32_t column)
{
    return (std::uint64_t(row) << 16) | column;
}

} // namespace

void XlsWorkbook::Closer::operator()(const void* handle) const
{
    freexl_close(handle);
}

XlsWorkbook::~XlsWorkbook() = default;

std::unique_ptr<Workbook> XlsWorkbook::open(const QString& path, const QByteArray& contents,
                                            const ReadLimits& limits, SpreadsheetError& error)
{
    OleCompoundFile file;
    const bool parsed = file.parse(contents);
    if (parsed && file.hasStream(QStringLiteral("EncryptedPackage"))) {
        error = {SpreadsheetErrorCode::Encrypted, QStringLiteral("Password-protected package")};
        return nullptr;
    }
    if (parsed && !file.hasStream(QStringLiteral("Workbook")) &&
        !file.hasStream(QStringLiteral("Book"))) {
        error = {SpreadsheetErrorCode::NotAWorkbook, QStringLiteral("No workbook stream")};
        return nullptr;
    }
    // FreeXL trusts what it reads and can crash on damaged files: it only gets files whose
    // container and records we could walk ourselves.
    BiffSummary summary;
    std::optional<QByteArray> stream;
    if (parsed)
        stream = file.stream(QStringLiteral("Workbook"));
    if (parsed && !stream)
        stream = file.stream(QStringLiteral("Book"));
    const bool scanned = stream && ScanBiff(*stream, summary);
    if (summary.encrypted) {
        error = {SpreadsheetErrorCode::Encrypted, QStringLiteral("Password-protected workbook")};
        return nullptr;
    }
    if (!scanned) {
        error = {SpreadsheetErrorCode::Corrupt, QStringLiteral("Damaged workbook stream")};
        return nullptr;
    }
    std::uint64_t claimed = 0;
    for (const BiffSheet& s : summary.sheets)
        claimed += s.claimedCells;
    if (claimed > std::uint64_t(limits.maxXlsGridCells)) {
        error = {SpreadsheetErrorCode::TooLarge,
                 QStringLiteral("Sheets claim %1 cells").arg(claimed)};
        return nullptr;
    }

    std::unique_ptr<XlsWorkbook> workbook(new XlsWorkbook);
    error = workbook->openFreexl(path);
    if (error.ok()) {
        workbook->matchSheets(summary);
        // FreeXL drops the sheets of a workbook it cannot parse to the end, without an error;
        // and a workbook always has a sheet.
        if (workbook->m_sheets.size() < summary.sheets.size() || workbook->m_sheets.empty())
            error = {SpreadsheetErrorCode::Corrupt, QStringLiteral("FreeXL lost some sheets")};
    }
    if (error.ok())
        return workbook;
    if (error.code == SpreadsheetErrorCode::Encrypted)
        return nullptr;
    // FreeXL refuses some whole workbooks, such as one with a text spread over more than two
    // records (any cell past about 16,400 characters); our own walk of the records reads them.
    return openOwnReading(*stream, error);
}

std::unique_ptr<Workbook> XlsWorkbook::openOwnReading(const QByteArray& stream,
                                                      SpreadsheetError& error)
{
    BiffSummary summary;
    if (!ScanBiff(stream, summary, true) || summary.sheets.empty())
        return nullptr; // FreeXL's error stands
    std::unique_ptr<XlsWorkbook> workbook(new XlsWorkbook);
    for (BiffSheet& sheet : summary.sheets)
        workbook->m_sheets.push_back({sheet.name, 0, std::move(sheet.cells)});
    error = {};
    return workbook;
}

SpreadsheetError XlsWorkbook::openFreexl(const QString& path)
{
    const void* handle = nullptr;
    const int rc = freexl_open(QFile::encodeName(path).constData(), &handle);
    m_handle.reset(handle);
    if (rc != FREEXL_OK)
        return freexlError("Opening", rc);
    unsigned int password = 0;
    if (freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK &&
        password == FREEXL_BIFF_OBFUSCATED)
        return {SpreadsheetErrorCode::Encrypted, QStringLiteral("Password-protected workbook")};
    return {};
}

void XlsWorkbook::matchSheets(const BiffSummary& summary)
{
    unsigned int count = 0;
    freexl_get_info(m_handle.get(), FREEXL_BIFF_SHEET_COUNT, &count);
    std::vector<QString> names;
    for (unsigned int i = 0; i < count && i <= 0xFFFF; ++i) {
        const char* name = nullptr;
        freexl_get_worksheet_name(m_handle.get(), (unsigned short)i, &name);
        names.push_back(QString::fromUtf8(name ? name : ""));
    }
    // FreeXL lists chart sheets too; only worksheets are offered. Its list is normally the
    // workbook's whole sheet directory; otherwise worksheets are found in it by name.
    const bool wholeDirectory = names.size() == std::size_t(summary.directorySize);
    std::size_t next = 0;
    for (const BiffSheet& sheet : summary.sheets) {
        if (wholeDirectory) {
            next = std::size_t(sheet.directoryIndex);
        } else {
            while (next < names.size() && names[next] != sheet.name)
                ++next;
            if (next == names.size())
                return;
        }
        m_sheets.push_back({sheet.name, (unsigned short)next, sheet.cells});
        ++next;
    }
}

QStringList XlsWorkbook::sheetNames() const
{
    QStringList names;
    for (const Sheet& s : m_sheets)
        names.append(s.name);
    return names;
}

namespace {
constexpr unsigned int XlsMaxRows = 65536;
} // namespace

SpreadsheetError XlsWorkbook::readCells(int index, CellSink& sink)
{
    if (index < 0 || std::size_t(index) >= m_sheets.size())
        return {SpreadsheetErrorCode::NoSuchSheet, QStringLiteral("No sheet %1").arg(index)};
    const Sheet& sheet = m_sheets[index];
    if (ownReading()) {
        for (const BiffCell& c : sheet.extraCells)
            if (!sink.cell(c.row + 1, c.column + 1, {c.kind, c.text, c.shareKey}))
                return {};
        return {};
    }
    const void* h = m_handle.get();
    int rc = freexl_select_active_worksheet(h, sheet.freexlIndex);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (rc == FREEXL_OK)
        rc = freexl_worksheet_dimensions(h, &rows, &columns);
    if (rc != FREEXL_OK)
        return freexlError("Selecting the sheet", rc);
    // The dimensions come from the file: a damaged one may claim billions of rows and no
    // column, which is nothing to walk. An xls sheet has at most 65,536 rows.
    if (columns == 0)
        return {};
    rows = std::min(rows, XlsMaxRows);

    QHash<std::uint64_t, const BiffCell*> extras;
    for (const BiffCell& c : sheet.extraCells)
        extras.insert(cellKey(c.row, c.column), &c);
    // Shared strings are decoded once however many cells repeat them.
    QHash<const char*, QString> decoded;
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            if (const BiffCell* extra = extras.take(cellKey(row, column))) {
                if (!sink.cell(row + 1, column + 1, {extra->kind, extra->text, 0}))
                    return {};
                continue;
            }
            FreeXL_CellValue value;
            rc = freexl_get_cell_value(h, row, column, &value);
            if (rc != FREEXL_OK)
                return freexlError("Reading a cell", rc);
            QString text;
            CellKind kind = CellKind::Text;
            std::uint64_t shareKey = 0;
            switch (value.type) {
            case FREEXL_CELL_INT:
                kind = CellKind::Number;
                text = CellText::number(value.value.int_value);
                break;
            case FREEXL_CELL_DOUBLE:
                kind = CellKind::Number;
                text = CellText::number(value.value.double_value);
                break;
            case FREEXL_CELL_SST_TEXT: {
                auto known = decoded.find(value.value.text_value);
                if (known == decoded.end())
                    known = decoded.insert(value.value.text_value,
                                           QString::fromUtf8(value.value.text_value));
                text = *known;
                shareKey = reinterpret_cast<std::uintptr_t>(value.value.text_value);
                break;
            }
            case FREEXL_CELL_TEXT:
                text = QString::fromUtf8(value.value.text_value);
                break;
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                kind = CellKind::Date;
                text = CellText::isoDate(QString::fromLatin1(value.value.text_value));
                break;
            default:
                continue;
            }
            if (!text.isEmpty() && !sink.cell(row + 1, column + 1, {kind, text, shareKey}))
                return {};
        }
    }
    // Cells outside the area FreeXL knows.
    for (const BiffCell* extra : std::as_const(extras))
        if (!sink.cell(extra->row + 1, extra->column + 1, {extra->kind, extra->text, 0}))
            return {};
    return {};
}

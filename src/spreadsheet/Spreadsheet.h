#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <memory>

// Reading Excel workbooks (.xls and .xlsx) without Excel: sheet names in workbook order and the
// cells of one sheet as text. The files come from users, so every reader bounds what it
// unpacks and refuses encrypted or malformed input with a typed error instead of crashing.

enum class SpreadsheetErrorCode
{
    None,
    FileNotFound, // no such file, or it cannot be read
    NotAWorkbook, // neither a zip package nor an OLE2 compound file (e.g. renamed text)
    Encrypted,    // password-protected workbook
    Corrupt,      // damaged container, stream or XML
    TooLarge,     // unpacks beyond the reading limits (zip bomb and the like)
    Unsupported,  // well-formed but of a kind not read (document type declarations, ...)
    NoSuchSheet,  // sheet index out of range
};

// The outcome of a reading step; test it with ok(). Ignoring a returned one hides a failure.
struct [[nodiscard]] SpreadsheetError
{
    SpreadsheetErrorCode code = SpreadsheetErrorCode::None;
    QString detail; // for logs, in English; the user is shown the caller's own texts

    [[nodiscard]] bool ok() const { return code == SpreadsheetErrorCode::None; }
};

// Bounds on what a workbook may unpack to. The defaults keep a million-cell sheet well inside
// them and a crafted file from exhausting memory or time.
struct ReadLimits
{
    std::int64_t maxPartBytes = 256LL << 20;  // one unpacked xlsx part (sheet, shared strings)
    std::int64_t maxCells = 8'000'000;        // non-empty cells of one sheet
    std::int64_t maxTextChars = 128LL << 20;  // characters held for one sheet or string table
    std::int64_t maxXlsGridCells = 1LL << 24; // xls DIMENSIONS areas over all sheets
};

// The smallest rectangle holding every non-empty cell; first row and column as numbered on
// the sheet (A1 is row 1, column 1). An empty sheet has no rows and no columns.
struct UsedRange
{
    int firstRow = 0;
    int firstColumn = 0;
    int rows = 0;
    int columns = 0;

    bool isEmpty() const { return rows == 0 || columns == 0; }
    bool operator==(const UsedRange&) const = default;
};

enum class CellKind : std::uint8_t
{
    Empty,
    Text,
    Number,
    Boolean, // text TRUE or FALSE
    Error,   // text such as #N/A or #DIV/0!
    Date,    // text dd/mm/yyyy, with " hh:mm:ss" when there is a time of day
};

// One non-empty cell as a reader reports it. The text is only valid during the call.
struct CellValue
{
    CellKind kind = CellKind::Text;
    QStringView text;
    // Non-zero when the text comes from the workbook's shared strings: equal keys mean equal
    // texts, so a sink can keep one copy of a string that thousands of cells repeat.
    std::uint64_t shareKey = 0;
};

// Receives the cells of a sheet as they are read, in file order (normally row by row, left to
// right). Row and column are sheet positions counted from 1. Returning false stops reading.
class CellSink
{
public:
    virtual ~CellSink() = default;
    virtual bool cell(std::uint32_t row, std::uint32_t column, const CellValue& value) = 0;
};

// An open workbook. Not thread-safe: use one from one thread at a time.
class Workbook
{
public:
    virtual ~Workbook() = default;
    // Worksheet names in workbook order (chart sheets are not worksheets).
    virtual QStringList sheetNames() const = 0;
    // Streams the non-empty cells of a sheet (index from 0) to the sink; cells whose text is
    // empty are not reported. When the sink stops the reading, the result is ok: the sink
    // knows why it stopped.
    virtual SpreadsheetError readCells(int sheet, CellSink& sink) = 0;
};

// Opens a workbook by its content (zip package or OLE2 file), not by its extension.
[[nodiscard]] std::unique_ptr<Workbook> OpenWorkbook(const QString& path, SpreadsheetError& error,
                                                     const ReadLimits& limits = {});

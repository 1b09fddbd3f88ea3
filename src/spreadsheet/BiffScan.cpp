#include "spreadsheet/BiffScan.h"

#include "spreadsheet/CellText.h"
#include "spreadsheet/ExcelNumberFormat.h"

#include <QHash>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

enum Record : std::uint16_t
{
    Formula = 0x0006,
    Eof = 0x000A,
    DateMode = 0x0022,
    FilePass = 0x002F,
    Continue = 0x003C,
    BoundSheet = 0x0085,
    Sst = 0x00FC,
    LabelSst = 0x00FD,
    RString = 0x00D6,
    MulRk = 0x00BD,
    Xf = 0x00E0,
    Dimensions = 0x0200,
    Number = 0x0203,
    Label = 0x0204,
    BoolErr = 0x0205,
    String = 0x0207,
    Rk = 0x027E,
    Format = 0x041E,
    Bof = 0x0809,
};

struct RecordView
{
    std::uint16_t type = 0;
    QByteArrayView body;
};

// Walks the records of a stream from a position; stops at the end or a record that overruns it.
class Records
{
public:
    Records(const QByteArray& stream, qsizetype at) : m_stream(stream), m_at(at) {}

    bool next(RecordView& r)
    {
        if (m_at < 0 || m_at + 4 > m_stream.size())
            return false;
        const char* p = m_stream.constData() + m_at;
        const std::uint16_t length = qFromLittleEndian<std::uint16_t>(p + 2);
        if (m_at + 4 + length > m_stream.size())
            return false;
        r.type = qFromLittleEndian<std::uint16_t>(p);
        r.body = QByteArrayView(p + 4, length);
        m_at += 4 + length;
        return true;
    }

    // The record after the current one, without moving.
    bool peekType(std::uint16_t& type) const
    {
        if (m_at + 4 > m_stream.size())
            return false;
        type = qFromLittleEndian<std::uint16_t>(m_stream.constData() + m_at);
        return true;
    }

private:
    const QByteArray& m_stream;
    qsizetype m_at;
};

std::uint16_t u16(QByteArrayView b, qsizetype at)
{
    return at + 2 <= b.size() ? qFromLittleEndian<std::uint16_t>(b.data() + at) : 0;
}

std::uint32_t u32(QByteArrayView b, qsizetype at)
{
    return at + 4 <= b.size() ? qFromLittleEndian<std::uint32_t>(b.data() + at) : 0;
}

// Characters of a BIFF8 string: one byte each (Latin-1) or two (UTF-16), from `at`.
void appendChars(QString& out, QByteArrayView b, qsizetype at, qsizetype count, bool wide)
{
    const qsizetype size = wide ? 2 : 1;
    count = std::min(count, (b.size() - at) / size);
    for (qsizetype i = 0; i < count; ++i)
        out.append(wide ? QChar(u16(b, at + 2 * i)) : QChar(uchar(b[at + i])));
}

// Whether count characters from `at` lie inside the record. FreeXL copies as many characters as
// a string claims, so one that runs past its record would be read past FreeXL's buffer.
bool charsFit(QByteArrayView b, qsizetype at, qsizetype count, bool wide)
{
    return at <= b.size() && count * (wide ? 2 : 1) <= b.size() - at;
}

// Whether every string of a shared-string table (its SST body and the CONTINUE bodies after it)
// lies inside those records. A string that continues in the next record starts that record with
// a flags byte telling its character width. FreeXL copies as many characters as a string claims.
// With `texts`, the strings are kept there too.
bool sharedStringsFit(const QByteArray& data, const std::vector<qsizetype>& segmentEnds,
                      QStringList* texts = nullptr)
{
    const auto endOf = [&](qsizetype at) {
        for (const qsizetype end : segmentEnds)
            if (at < end)
                return end;
        return qsizetype(data.size());
    };
    if (data.size() < 8)
        return false;
    const std::uint32_t unique = qFromLittleEndian<std::uint32_t>(data.constData() + 4);
    qsizetype at = 8;
    for (std::uint32_t i = 0; i < unique && at < data.size(); ++i) {
        if (at + 3 > data.size())
            return false;
        qsizetype left = u16(data, at);
        const uchar flags = uchar(data[at + 2]);
        at += 3;
        qsizetype runs = 0;
        qsizetype extra = 0;
        if (flags & 0x08) {
            if (at + 2 > data.size())
                return false;
            runs = u16(data, at);
            at += 2;
        }
        if (flags & 0x04) {
            if (at + 4 > data.size())
                return false;
            extra = qFromLittleEndian<std::uint32_t>(data.constData() + at);
            at += 4;
        }
        qsizetype width = (flags & 0x01) ? 2 : 1;
        QString text;
        while (left > 0) {
            const qsizetype end = endOf(at);
            const qsizetype here = std::min(left, (end - at) / width);
            if (texts)
                appendChars(text, data, at, here, width == 2);
            left -= here;
            at += here * width;
            if (left == 0)
                break;
            if (end >= data.size())
                return false;
            width = (uchar(data[end]) & 0x01) ? 2 : 1;
            at = end + 1;
        }
        at += runs * 4 + extra;
        if (at > data.size())
            return false;
        if (texts)
            texts->append(std::move(text));
    }
    return true;
}

// XLUnicodeString with a 2-byte length, as in FORMAT records.
QString unicodeString(QByteArrayView b, qsizetype at)
{
    QString s;
    const std::uint16_t count = u16(b, at);
    if (at + 3 <= b.size())
        appendChars(s, b, at + 3, count, b[at + 2] & 1);
    return s;
}

struct Globals
{
    bool biff8 = true; // else BIFF5/7: 8-bit strings without option bytes, 16-bit rows
    bool allCells = false;
    QStringList strings; // the shared strings, when all cells are read
    QHash<int, QString> formatCodes;
    std::vector<int> xfFormats;
    bool date1904 = false;

    bool isDate(std::uint16_t xf) const
    {
        if (xf >= xfFormats.size())
            return false;
        const int id = xfFormats[xf];
        return ExcelNumberFormat::isDate(id, formatCodes.value(id));
    }
};

// A formula's cached result; strings come in the STRING record that follows.
// Every cell found goes through here. A record can name column 0xFFFF, past the last column any
// sheet table holds (it counts columns from 1 in 16 bits): such a cell is damage and is left out.
void keepCell(BiffSheet& sheet, BiffCell cell)
{
    if (cell.column == 0xFFFF)
        return;
    sheet.cells.push_back(std::move(cell));
}

struct PendingString
{
    bool waiting = false;
    BiffCell cell;
};

void readFormula(const RecordView& r, const Globals& g, BiffSheet& sheet, PendingString& pending)
{
    if (r.body.size() < 14)
        return;
    BiffCell cell;
    cell.row = u16(r.body, 0);
    cell.column = u16(r.body, 2);
    const std::uint16_t xf = u16(r.body, 4);
    const QByteArrayView value = r.body.sliced(6, 8);
    if (u16(value, 6) == 0xFFFF) {
        switch (uchar(value[0])) {
        case 0:
            pending = {true, cell};
            return;
        case 1:
            cell.kind = CellKind::Boolean;
            cell.text = CellText::boolean(value[2] != 0);
            break;
        case 2:
            cell.kind = CellKind::Error;
            cell.text = CellText::errorText(uchar(value[2]));
            break;
        default:
            return; // an empty text
        }
    } else {
        double number;
        const quint64 bits = qFromLittleEndian<quint64>(value.data());
        std::memcpy(&number, &bits, 8);
        const bool date = g.isDate(xf);
        cell.kind = date ? CellKind::Date : CellKind::Number;
        cell.text = date ? CellText::serialDate(number, g.date1904) : CellText::number(number);
    }
    keepCell(sheet, std::move(cell));
}

// The STRING record after a formula, possibly continued in CONTINUE records that each start
// with a fresh option byte.
QString readFormulaString(const RecordView& first, Records& records, bool biff8)
{
    const std::uint16_t count = u16(first.body, 0);
    QString text;
    if (!biff8) {
        appendChars(text, first.body, 2, count, false);
        return text;
    }
    if (first.body.size() >= 3)
        appendChars(text, first.body, 3, count, first.body[2] & 1);
    std::uint16_t type = 0;
    while (text.size() < count && records.peekType(type) && type == Continue) {
        RecordView more;
        records.next(more);
        if (more.body.isEmpty())
            break;
        appendChars(text, more.body, 1, count - text.size(), more.body[0] & 1);
    }
    return text;
}

double rkNumber(std::uint32_t rk)
{
    double value;
    if (rk & 2) {
        value = double(std::int32_t(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, 8);
    }
    return rk & 1 ? value / 100 : value;
}

// Numbers in a date format become dates by our own reading of the format, as in xlsx files;
// FreeXL's reading of formats differs.
void addDate(std::uint32_t row, std::uint16_t column, std::uint16_t xf, double number,
             const Globals& g, BiffSheet& sheet)
{
    if (g.isDate(xf))
        keepCell(sheet, {row, column, CellKind::Date, CellText::serialDate(number, g.date1904)});
    else if (g.allCells)
        keepCell(sheet, {row, column, CellKind::Number, CellText::number(number)});
}

// LABELSST, LABEL and RSTRING: text cells, read only when all cells are.
void readText(const RecordView& r, const Globals& g, BiffSheet& sheet)
{
    if (r.body.size() < 6)
        return;
    BiffCell cell{u16(r.body, 0), u16(r.body, 2), CellKind::Text, {}};
    if (r.type == LabelSst) {
        const std::uint32_t index = u32(r.body, 6);
        if (r.body.size() < 10 || index >= std::uint32_t(g.strings.size()))
            return;
        cell.text = g.strings[qsizetype(index)];
        cell.shareKey = std::uint64_t(index) + 1;
    } else if (g.biff8) {
        cell.text = unicodeString(r.body, 6);
    } else {
        appendChars(cell.text, r.body, 8, u16(r.body, 6), false);
    }
    if (!cell.text.isEmpty())
        keepCell(sheet, std::move(cell));
}

void readNumbers(const RecordView& r, const Globals& g, BiffSheet& sheet)
{
    const std::uint16_t row = u16(r.body, 0);
    if (r.type == Number && r.body.size() >= 14) {
        double number;
        const quint64 bits = qFromLittleEndian<quint64>(r.body.data() + 6);
        std::memcpy(&number, &bits, 8);
        addDate(row, u16(r.body, 2), u16(r.body, 4), number, g, sheet);
    } else if (r.type == Rk && r.body.size() >= 10) {
        addDate(row, u16(r.body, 2), u16(r.body, 4), rkNumber(u32(r.body, 6)), g, sheet);
    } else if (r.type == MulRk && r.body.size() >= 6) {
        const std::uint16_t first = u16(r.body, 2);
        for (qsizetype i = 0; 4 + i * 6 + 6 <= r.body.size() - 2; ++i)
            addDate(row, std::uint16_t(first + i), u16(r.body, 4 + i * 6),
                    rkNumber(u32(r.body, 4 + i * 6 + 2)), g, sheet);
    }
}

void readBoolErr(const RecordView& r, BiffSheet& sheet)
{
    if (r.body.size() < 8)
        return;
    BiffCell cell;
    cell.row = u16(r.body, 0);
    cell.column = u16(r.body, 2);
    const bool error = r.body[7] != 0;
    cell.kind = error ? CellKind::Error : CellKind::Boolean;
    cell.text = error ? CellText::errorText(uchar(r.body[6])) : CellText::boolean(r.body[6] != 0);
    keepCell(sheet, std::move(cell));
}

bool scanSheet(const QByteArray& stream, qsizetype at, const Globals& g, BiffSheet& sheet)
{
    Records records(stream, at);
    RecordView r;
    if (!records.next(r) || r.type != Bof)
        return false;
    int depth = 1; // charts and other objects nest their own BOF .. EOF
    PendingString pending;
    while (depth > 0 && records.next(r)) {
        switch (r.type) {
        case Bof:
            ++depth;
            break;
        case Eof:
            --depth;
            break;
        case Dimensions:
            if (depth == 1 && r.body.size() >= 12) {
                const std::uint32_t rows =
                    u32(r.body, 4) - std::min(u32(r.body, 0), u32(r.body, 4));
                const std::uint16_t columns =
                    u16(r.body, 10) - std::min(u16(r.body, 8), u16(r.body, 10));
                sheet.claimedCells = std::uint64_t(rows) * columns;
            }
            break;
        case Formula:
            if (depth == 1)
                readFormula(r, g, sheet, pending);
            break;
        case String:
            if (pending.waiting) {
                pending.cell.text = readFormulaString(r, records, g.biff8);
                keepCell(sheet, std::move(pending.cell));
                pending = {};
            }
            break;
        case BoolErr:
            if (depth == 1)
                readBoolErr(r, sheet);
            break;
        case Number:
        case Rk:
        case MulRk:
            if (depth == 1)
                readNumbers(r, g, sheet);
            break;
        case LabelSst:
        case Label:
        case RString:
            if (depth == 1 && g.allCells)
                readText(r, g, sheet);
            break;
        default:
            break;
        }
    }
    return depth == 0;
}

// Every record of the stream fits in it, up to zero padding at the end. FreeXL walks the whole
// stream trusting record lengths; a file that breaks them is not given to it.
bool wellFramed(const QByteArray& stream)
{
    qsizetype at = 0;
    while (at + 4 <= stream.size()) {
        const std::uint16_t length = qFromLittleEndian<std::uint16_t>(stream.constData() + at + 2);
        if (length > 8224 || at + 4 + length > stream.size())
            return false;
        at += 4 + length;
    }
    return std::all_of(stream.begin() + at, stream.end(), [](char c) { return c == 0; });
}

} // namespace

bool ScanBiff(const QByteArray& stream, BiffSummary& summary, bool allCells)
{
    Records records(stream, 0);
    RecordView r;
    if (!records.next(r) || r.type != Bof)
        return false;
    Globals g;
    const std::uint16_t version = u16(r.body, 0);
    if (version != 0x0600 && version != 0x0500)
        return false;
    g.biff8 = version == 0x0600;
    g.allCells = allCells;
    struct Entry
    {
        QString name;
        std::uint32_t offset;
        int index;
    };
    std::vector<Entry> sheets;
    bool ended = false;
    QByteArray strings; // the shared-string table being gathered, with its segments' ends
    std::vector<qsizetype> stringSegments;
    bool inStrings = false;
    while (!ended && records.next(r)) {
        if (inStrings && r.type == Continue) {
            strings.append(r.body.data(), r.body.size());
            stringSegments.push_back(strings.size());
            continue;
        }
        if (inStrings) {
            inStrings = false;
            if (!sharedStringsFit(strings, stringSegments, allCells ? &g.strings : nullptr))
                return false;
        }
        switch (r.type) {
        case Sst:
            strings = QByteArray(r.body.data(), r.body.size());
            stringSegments = {strings.size()};
            inStrings = true;
            break;
        case FilePass:
            summary.encrypted = true;
            return false; // everything after it is ciphertext
        case DateMode:
            g.date1904 = u16(r.body, 0) == 1;
            break;
        case Format:
            if (g.biff8 ? r.body.size() < 5 || !charsFit(r.body, 5, u16(r.body, 2), r.body[4] & 1)
                        : r.body.size() < 3 || !charsFit(r.body, 3, uchar(r.body[2]), false))
                return false;
            if (g.biff8) {
                g.formatCodes.insert(u16(r.body, 0), unicodeString(r.body, 2));
            } else if (r.body.size() >= 3) {
                QString code;
                appendChars(code, r.body, 3, uchar(r.body[2]), false);
                g.formatCodes.insert(u16(r.body, 0), code);
            }
            break;
        case Xf:
            g.xfFormats.push_back(u16(r.body, 2));
            break;
        case BoundSheet:
            if (r.body.size() >= 7 &&
                !(g.biff8
                      ? r.body.size() >= 8 && charsFit(r.body, 8, uchar(r.body[6]), r.body[7] & 1)
                      : charsFit(r.body, 7, uchar(r.body[6]), false)))
                return false;
            if (r.body.size() >= 7 && r.body[5] == 0) {
                QString name;
                if (g.biff8)
                    appendChars(name, r.body, 8, uchar(r.body[6]),
                                r.body.size() > 7 && (r.body[7] & 1));
                else
                    appendChars(name, r.body, 7, uchar(r.body[6]), false);
                sheets.push_back({name, u32(r.body, 0), summary.directorySize});
            }
            ++summary.directorySize;
            break;
        case Eof:
            ended = true;
            break;
        default:
            break;
        }
    }
    if (inStrings && !sharedStringsFit(strings, stringSegments, allCells ? &g.strings : nullptr))
        return false;
    if (!ended || !wellFramed(stream))
        return false;
    summary.date1904 = g.date1904;
    for (const Entry& entry : sheets) {
        BiffSheet sheet;
        sheet.name = entry.name;
        sheet.directoryIndex = entry.index;
        if (!scanSheet(stream, qsizetype(entry.offset), g, sheet))
            return false;
        summary.sheets.push_back(std::move(sheet));
    }
    return true;
}

#pragma once

// Builds small BIFF8 workbooks (.xls) in an OLE2 compound file, for tests and benchmarks that
// need xls input without an office suite. Header-only so that benchmarks can use it too.
//
// Only what a reader needs is written: BOF/EOF, code page, date mode, one number format, XF
// records (15 general, 16 date, 17 date and time, 18 time, 19 the custom format), the sheet
// directory, shared strings and the cell records NUMBER, RK, LABELSST, BOOLERR, BLANK and
// FORMULA with a cached number.

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace xlsfixture {

enum class Kind
{
    Number,  // NUMBER record
    Rk,      // RK record (number must fit: a whole number below 2^29)
    Text,    // LABELSST
    Bool,    // BOOLERR, number 0 or 1
    Error,   // BOOLERR, number is the error code (0x07 #DIV/0!, 0x2A #N/A ...)
    Formula, // FORMULA with a cached number
    Date,    // NUMBER with XF 16 (built-in date format 14)
    DateTime,
    Time,
    Blank,  // BLANK: a formatted cell without a value
    Custom, // NUMBER with XF 19, whose format is the book's customFormat
};

struct Cell
{
    int row = 0; // 0-based, as in the file
    int column = 0;
    Kind kind = Kind::Number;
    double number = 0;
    QString text;
};

struct Sheet
{
    QString name;
    std::vector<Cell> cells;
    // The DIMENSIONS record is computed from the cells unless given: first row, last row + 1,
    // first column, last column + 1.
    std::optional<std::array<int, 4>> dimensions;
    bool chart = false; // a chart sheet: no cells, not a worksheet
};

struct Book
{
    std::vector<Sheet> sheets;
    bool date1904 = false;
    bool filePass = false; // a FILEPASS record: the workbook claims to be encrypted
    QString customFormat = QStringLiteral("0.00"); // format 164, used by XF 19
};

inline Cell number(int row, int column, double value)
{
    return {row, column, Kind::Number, value, {}};
}
inline Cell text(int row, int column, const QString& value)
{
    return {row, column, Kind::Text, 0, value};
}

namespace detail {

inline void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
inline void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
inline void putDouble(QByteArray& out, double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, 8);
    char b[8];
    qToLittleEndian(bits, b);
    out.append(b, 8);
}

inline void record(QByteArray& out, quint16 type, const QByteArray& body)
{
    put16(out, type);
    put16(out, quint16(body.size()));
    out.append(body);
}

inline bool fitsLatin1(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x100; });
}

// Characters of a string, compressed (one byte each) when possible.
inline QByteArray chars(const QString& s, bool compressed)
{
    QByteArray out;
    for (QChar c : s) {
        if (compressed)
            out.append(char(c.unicode()));
        else
            put16(out, c.unicode());
    }
    return out;
}

// The shared string table: SST followed by CONTINUE records, strings split between records
// with a fresh option byte as BIFF8 requires.
inline void sst(QByteArray& out, const std::vector<QString>& strings, quint32 total)
{
    const int maxBody = 8224;
    std::vector<QByteArray> bodies(1);
    put32(bodies[0], total);
    put32(bodies[0], quint32(strings.size()));
    for (const QString& s : strings) {
        const bool compressed = fitsLatin1(s);
        const int charSize = compressed ? 1 : 2;
        if (bodies.back().size() + 3 + charSize > maxBody)
            bodies.emplace_back();
        put16(bodies.back(), quint16(s.size()));
        bodies.back().append(char(compressed ? 0 : 1));
        qsizetype done = 0;
        while (done < s.size()) {
            const qsizetype room = (maxBody - bodies.back().size()) / charSize;
            if (room <= 0) {
                bodies.emplace_back();
                bodies.back().append(char(compressed ? 0 : 1));
                continue;
            }
            const qsizetype n = std::min<qsizetype>(room, s.size() - done);
            bodies.back().append(chars(s.mid(done, n), compressed));
            done += n;
        }
    }
    record(out, 0x00FC, bodies[0]);
    for (size_t i = 1; i < bodies.size(); ++i)
        record(out, 0x003C, bodies[i]);
}

inline QByteArray bof(quint16 type)
{
    QByteArray b;
    put16(b, 0x0600);
    put16(b, type);
    put16(b, 0x0DBB);
    put16(b, 0x07CC);
    put32(b, 0);
    put32(b, 0x06);
    return b;
}

inline QByteArray xf(quint16 font, quint16 format)
{
    QByteArray b;
    put16(b, font);
    put16(b, format);
    put16(b, 0x0001); // cell XF, locked
    b.append(QByteArray(14, '\0'));
    return b;
}

inline QByteArray font()
{
    QByteArray b;
    put16(b, 200); // height in twips
    put16(b, 0);
    put16(b, 0x7FFF);
    put16(b, 400);
    put16(b, 0);
    b.append(QByteArray(4, '\0'));
    b.append(char(5));
    b.append(char(0));
    b.append("Arial");
    return b;
}

inline QByteArray cellHead(const Cell& c, quint16 xfIndex)
{
    QByteArray b;
    put16(b, quint16(c.row));
    put16(b, quint16(c.column));
    put16(b, xfIndex);
    return b;
}

inline void cellRecord(QByteArray& out, const Cell& c, const std::map<QString, quint32>& sstIndex)
{
    QByteArray b;
    switch (c.kind) {
    case Kind::Number:
    case Kind::Date:
    case Kind::DateTime:
    case Kind::Time:
    case Kind::Custom: {
        const quint16 xfIndex = c.kind == Kind::Date       ? 16
                                : c.kind == Kind::DateTime ? 17
                                : c.kind == Kind::Time     ? 18
                                : c.kind == Kind::Custom   ? 19
                                                           : 15;
        b = cellHead(c, xfIndex);
        putDouble(b, c.number);
        record(out, 0x0203, b);
        break;
    }
    case Kind::Rk:
        b = cellHead(c, 15);
        put32(b, (quint32(qint32(c.number)) << 2) | 0x2);
        record(out, 0x027E, b);
        break;
    case Kind::Text:
        b = cellHead(c, 15);
        put32(b, sstIndex.at(c.text));
        record(out, 0x00FD, b);
        break;
    case Kind::Bool:
    case Kind::Error:
        b = cellHead(c, 15);
        b.append(char(int(c.number)));
        b.append(char(c.kind == Kind::Error ? 1 : 0));
        record(out, 0x0205, b);
        break;
    case Kind::Blank:
        record(out, 0x0201, cellHead(c, 15));
        break;
    case Kind::Formula:
        b = cellHead(c, 15);
        putDouble(b, c.number);
        put16(b, 0); // options
        put32(b, 0);
        put16(b, 3); // formula: the constant as an integer token
        b.append(char(0x1E));
        put16(b, quint16(c.number));
        record(out, 0x0006, b);
        break;
    }
}

inline QByteArray sheetStream(const Sheet& sheet, const std::map<QString, quint32>& sstIndex)
{
    QByteArray out;
    record(out, 0x0809, bof(sheet.chart ? 0x0020 : 0x0010));
    QByteArray dim;
    std::array<int, 4> d{0, 0, 0, 0};
    if (sheet.dimensions) {
        d = *sheet.dimensions;
    } else if (!sheet.cells.empty()) {
        d = {65535, 0, 255, 0};
        for (const Cell& c : sheet.cells) {
            d[0] = std::min(d[0], c.row);
            d[1] = std::max(d[1], c.row + 1);
            d[2] = std::min(d[2], c.column);
            d[3] = std::max(d[3], c.column + 1);
        }
    }
    put32(dim, quint32(d[0]));
    put32(dim, quint32(d[1]));
    put16(dim, quint16(d[2]));
    put16(dim, quint16(d[3]));
    put16(dim, 0);
    record(out, 0x0200, dim);
    for (const Cell& c : sheet.cells)
        cellRecord(out, c, sstIndex);
    record(out, 0x000A, {});
    return out;
}

inline QByteArray u16(quint16 v)
{
    QByteArray b;
    put16(b, v);
    return b;
}

} // namespace detail

// The Workbook stream of a book.
inline QByteArray workbookStream(const Book& book)
{
    using namespace detail;
    std::vector<QString> strings;
    std::map<QString, quint32> sstIndex;
    quint32 total = 0;
    for (const Sheet& s : book.sheets)
        for (const Cell& c : s.cells)
            if (c.kind == Kind::Text) {
                ++total;
                if (sstIndex.emplace(c.text, quint32(strings.size())).second)
                    strings.push_back(c.text);
            }

    QByteArray globals;
    record(globals, 0x0809, bof(0x0005));
    if (book.filePass) {
        QByteArray fp;
        put16(fp, 1); // RC4
        put16(fp, 1);
        put16(fp, 1);
        fp.append(QByteArray(48, '\x5A'));
        record(globals, 0x002F, fp);
    }
    record(globals, 0x0042, u16(0x04B0));
    record(globals, 0x0022, u16(book.date1904 ? 1 : 0));
    for (int i = 0; i < 5; ++i)
        record(globals, 0x0031, font());
    QByteArray format = u16(164);
    put16(format, quint16(book.customFormat.size()));
    format.append(char(1));
    format.append(chars(book.customFormat, false));
    record(globals, 0x041E, format);
    // XF 0-14 are style XFs, 15 the default cell XF, then date, date-time and time.
    for (int i = 0; i < 15; ++i) {
        QByteArray style = xf(0, 0);
        style[4] = char(0xF5);
        style[5] = char(0xFF);
        record(globals, 0x00E0, style);
    }
    record(globals, 0x00E0, xf(0, 0));
    record(globals, 0x00E0, xf(0, 14));
    record(globals, 0x00E0, xf(0, 22));
    record(globals, 0x00E0, xf(0, 21));
    record(globals, 0x00E0, xf(0, 164));

    std::vector<QByteArray> sheets;
    for (const Sheet& s : book.sheets)
        sheets.push_back(sheetStream(s, sstIndex));

    // Sheet directory entries hold the stream offset of each sheet's BOF, so their size
    // must be known first.
    qsizetype dirSize = 0;
    for (const Sheet& s : book.sheets)
        dirSize += 4 + 6 + 2 + s.name.size() * 2;
    QByteArray tail;
    sst(tail, strings, total);
    record(tail, 0x000A, {});

    qsizetype offset = globals.size() + dirSize + tail.size();
    QByteArray out = globals;
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        QByteArray b;
        put32(b, quint32(offset));
        b.append(char(0));                            // visible
        b.append(char(book.sheets[i].chart ? 2 : 0)); // chart sheet or worksheet
        b.append(char(book.sheets[i].name.size()));
        b.append(char(1)); // UTF-16 name
        b.append(chars(book.sheets[i].name, false));
        record(out, 0x0085, b);
        offset += sheets[i].size();
    }
    out.append(tail);
    for (const QByteArray& s : sheets)
        out.append(s);
    return out;
}

// An OLE2 compound file (version 3, 512-byte sectors) holding the given streams in the root
// storage. Streams under 4096 bytes go to the mini stream when asked, otherwise they are padded
// to 4096 bytes as Excel does with its Workbook stream.
inline QByteArray compoundFile(std::vector<std::pair<QString, QByteArray>> streams,
                               bool miniStream = false)
{
    using namespace detail;
    const quint32 endOfChain = 0xFFFFFFFE, freeSect = 0xFFFFFFFF, fatSect = 0xFFFFFFFD,
                  difSect = 0xFFFFFFFC, noStream = 0xFFFFFFFF;
    std::vector<quint32> fat;
    QByteArray data;
    // Appends bytes as a chain of regular sectors; returns its first sector.
    auto addChain = [&](const QByteArray& bytes) {
        const quint32 first = quint32(fat.size());
        const qsizetype sectors = (bytes.size() + 511) / 512;
        for (qsizetype i = 0; i < sectors; ++i)
            fat.push_back(i + 1 < sectors ? first + quint32(i) + 1 : endOfChain);
        data.append(bytes);
        data.append(QByteArray(sectors * 512 - bytes.size(), '\0'));
        return sectors ? first : endOfChain;
    };

    std::vector<quint32> starts;
    std::vector<quint32> miniFat;
    QByteArray mini;
    for (auto& s : streams) {
        if (miniStream && s.second.size() < 4096) {
            const quint32 first = quint32(miniFat.size());
            const qsizetype sectors = (s.second.size() + 63) / 64;
            for (qsizetype i = 0; i < sectors; ++i)
                miniFat.push_back(i + 1 < sectors ? first + quint32(i) + 1 : endOfChain);
            mini.append(s.second);
            mini.append(QByteArray(sectors * 64 - s.second.size(), '\0'));
            starts.push_back(sectors ? first : endOfChain);
            continue;
        }
        if (s.second.size() < 4096)
            s.second.append(QByteArray(4096 - s.second.size(), '\0'));
        starts.push_back(addChain(s.second));
    }
    const quint32 miniStart = addChain(mini);
    QByteArray miniFatBytes;
    for (quint32 v : miniFat)
        put32(miniFatBytes, v);
    while (miniFatBytes.size() % 512)
        put32(miniFatBytes, freeSect);
    const quint32 miniFatStart = addChain(miniFatBytes);

    auto entry = [&](const QString& name, char type, quint32 child, quint32 right, quint32 start,
                     quint32 size) {
        QByteArray e;
        QByteArray n = chars(name, false);
        n.append(QByteArray(64 - n.size(), '\0'));
        e.append(n);
        put16(e, quint16(name.isEmpty() ? 0 : (name.size() + 1) * 2));
        e.append(type);
        e.append(char(1)); // black
        put32(e, noStream);
        put32(e, right);
        put32(e, child);
        e.append(QByteArray(16 + 4 + 16, '\0'));
        put32(e, start);
        put32(e, size);
        put32(e, 0);
        return e;
    };
    QByteArray dir = entry(QStringLiteral("Root Entry"), 5, streams.empty() ? noStream : 1,
                           noStream, miniStart, quint32(mini.size()));
    for (size_t i = 0; i < streams.size(); ++i)
        dir.append(entry(streams[i].first, 2, noStream,
                         i + 1 < streams.size() ? quint32(i) + 2 : noStream, starts[i],
                         quint32(streams[i].second.size())));
    while (dir.size() % 512)
        dir.append(entry(QString(), 0, noStream, noStream, 0, 0));
    const quint32 dirStart = addChain(dir);

    // FAT and DIFAT sectors describe themselves too, so grow them until they fit.
    qsizetype fatSectors = 0, difatSectors = 0;
    for (;;) {
        const qsizetype total = qsizetype(fat.size()) + fatSectors + difatSectors;
        const qsizetype needFat = (total + 127) / 128;
        const qsizetype needDifat = needFat > 109 ? (needFat - 109 + 126) / 127 : 0;
        if (needFat == fatSectors && needDifat == difatSectors)
            break;
        fatSectors = needFat;
        difatSectors = needDifat;
    }
    const quint32 fatStart = quint32(fat.size());
    for (qsizetype i = 0; i < fatSectors; ++i)
        fat.push_back(fatSect);
    const quint32 difatStart = quint32(fat.size());
    for (qsizetype i = 0; i < difatSectors; ++i)
        fat.push_back(difSect);
    while (fat.size() % 128)
        fat.push_back(freeSect);

    QByteArray header;
    header.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    header.append(QByteArray(16, '\0'));
    put16(header, 0x003E);
    put16(header, 0x0003);
    put16(header, 0xFFFE);
    put16(header, 9);
    put16(header, 6);
    header.append(QByteArray(6, '\0'));
    put32(header, 0);
    put32(header, quint32(fatSectors));
    put32(header, dirStart);
    put32(header, 0);
    put32(header, 4096);
    put32(header, miniFatStart);
    put32(header, quint32(miniFatBytes.size() / 512));
    put32(header, difatSectors ? difatStart : endOfChain);
    put32(header, quint32(difatSectors));
    for (qsizetype i = 0; i < 109; ++i)
        put32(header, i < fatSectors ? fatStart + quint32(i) : freeSect);

    QByteArray fatBytes;
    for (quint32 v : fat)
        put32(fatBytes, v);
    fatBytes.truncate(fatSectors * 512);

    QByteArray difat;
    for (qsizetype d = 0; d < difatSectors; ++d) {
        for (qsizetype i = 0; i < 127; ++i) {
            const qsizetype index = 109 + d * 127 + i;
            put32(difat, index < fatSectors ? fatStart + quint32(index) : freeSect);
        }
        put32(difat, d + 1 < difatSectors ? difatStart + quint32(d) + 1 : endOfChain);
    }
    return header + data + fatBytes + difat;
}

inline QByteArray xls(const Book& book, bool miniStream = false)
{
    return compoundFile({{QStringLiteral("Workbook"), workbookStream(book)}}, miniStream);
}

} // namespace xlsfixture

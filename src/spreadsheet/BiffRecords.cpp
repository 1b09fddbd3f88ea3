#include "spreadsheet/BiffRecords.h"

#include "spreadsheet/LittleEndian.h"

using namespace LittleEndian;

namespace Biff {

namespace {

constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kCodePage = 0x0042;
constexpr std::uint16_t kWindow1 = 0x003D;
constexpr std::uint16_t kFont = 0x0031;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kStyle = 0x0293;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kDimensions = 0x0200;
constexpr std::uint16_t kWindow2 = 0x023E;

constexpr std::uint16_t kGlobalsType = 0x0005;
constexpr std::uint16_t kWorksheetType = 0x0010;
constexpr std::uint16_t kUtf16CodePage = 1200;
constexpr std::uint16_t kTextFormat = 49; // the built-in "@" format
// Excel expects 15 style formats and a default cell format before any of its own.
constexpr int kStyleXfCount = 15;
// Cells use the format after the default cell format: text, so an edited cell stays text.
constexpr std::uint16_t kTextCellXf = kStyleXfCount + 1;

QByteArray bof(std::uint16_t substreamType)
{
    QByteArray d;
    put16(d, 0x0600); // BIFF8
    put16(d, substreamType);
    put16(d, 0x0DBB); // build and year of the application that wrote it
    put16(d, 0x07CC);
    put32(d, 0x00000041);
    put32(d, 0x00000006); // lowest version that can read the file
    QByteArray out;
    appendRecord(out, kBof, d);
    return out;
}

// A name of at most 255 characters stored as 8-bit text (the names here are ASCII).
void putShortName(QByteArray& out, const QString& name)
{
    const QByteArray latin = name.left(255).toLatin1();
    put8(out, std::uint8_t(latin.size()));
    put8(out, 0);
    out.append(latin);
}

void appendFonts(QByteArray& out)
{
    QByteArray d;
    put16(d, 200); // 10 points, in twentieths
    put16(d, 0);
    put16(d, 0x7FFF); // the window text colour
    put16(d, 400);    // normal weight
    put16(d, 0);
    put8(d, 0);
    put8(d, 0);
    put8(d, 0);
    put8(d, 0);
    putShortName(d, QStringLiteral("Arial"));
    // Font index 4 does not exist in this format, so four fonts are the usual minimum.
    for (int i = 0; i < 4; ++i)
        appendRecord(out, kFont, d);
}

void appendXf(QByteArray& out, std::uint16_t format, std::uint16_t protectionAndParent,
              std::uint8_t usedAttributes)
{
    QByteArray d;
    put16(d, 0); // font
    put16(d, format);
    put16(d, protectionAndParent);
    put8(d, 0x20); // aligned to the bottom
    put8(d, 0);
    put8(d, 0);
    put8(d, usedAttributes);
    put32(d, 0); // no borders
    put32(d, 0);
    put16(d, 0x20C0); // default foreground and background colours
    appendRecord(out, kXf, d);
}

void appendFormats(QByteArray& out)
{
    constexpr std::uint16_t styleOfNoParent = 0xFFF5; // locked, a style, no parent
    constexpr std::uint16_t cellOfNormal = 0x0001;    // locked, a cell format of style 0
    appendXf(out, 0, styleOfNoParent, 0x00);
    for (int i = 1; i < kStyleXfCount; ++i)
        appendXf(out, 0, styleOfNoParent, 0xF4);
    appendXf(out, 0, cellOfNormal, 0x00);
    appendXf(out, kTextFormat, cellOfNormal, 0x04);
    QByteArray normal;
    put16(normal, 0x8000); // built-in style of format 0
    put8(normal, 0);       // "Normal"
    put8(normal, 0xFF);
    appendRecord(out, kStyle, normal);
}

void appendWindow1(QByteArray& out)
{
    QByteArray d;
    put16(d, 0);
    put16(d, 0);
    put16(d, 0x25BC);
    put16(d, 0x1572);
    put16(d, 0x0038); // scroll bars and sheet tabs shown
    put16(d, 0);      // active sheet
    put16(d, 0);      // first tab shown
    put16(d, 1);      // selected tabs
    put16(d, 0x0258); // tab bar width ratio
    appendRecord(out, kWindow1, d);
}

} // namespace

void appendRecord(QByteArray& out, std::uint16_t type, const QByteArray& data)
{
    put16(out, type);
    put16(out, std::uint16_t(data.size()));
    out.append(data);
}

QByteArray globalsHead(const QStringList& sheetNames, const QList<std::uint32_t>& sheetOffsets)
{
    QByteArray out = bof(kGlobalsType);
    QByteArray codePage;
    put16(codePage, kUtf16CodePage);
    appendRecord(out, kCodePage, codePage);
    appendWindow1(out);
    appendFonts(out);
    appendFormats(out);
    for (qsizetype i = 0; i < sheetNames.size(); ++i) {
        QByteArray d;
        put32(d, i < sheetOffsets.size() ? sheetOffsets[i] : 0);
        put8(d, 0); // visible
        put8(d, 0); // worksheet
        putShortName(d, sheetNames[i]);
        appendRecord(out, kBoundSheet, d);
    }
    return out;
}

QByteArray endOfFile()
{
    QByteArray out;
    appendRecord(out, kEof, {});
    return out;
}

QByteArray sheetHead(std::uint32_t rows, std::uint16_t columns)
{
    QByteArray out = bof(kWorksheetType);
    QByteArray d;
    put32(d, 0);
    put32(d, rows); // one past the last row
    put16(d, 0);
    put16(d, columns); // one past the last column
    put16(d, 0);
    appendRecord(out, kDimensions, d);
    return out;
}

void appendTextCell(QByteArray& out, std::uint16_t row, std::uint16_t column,
                    std::uint32_t stringIndex)
{
    put16(out, LabelSst);
    put16(out, 10);
    put16(out, row);
    put16(out, column);
    put16(out, kTextCellXf);
    put32(out, stringIndex);
}

QByteArray sheetTail(bool firstSheet)
{
    // Grid lines, headers, zeros, automatic grid colour and outline symbols shown; the first
    // sheet is also selected and shown.
    constexpr std::uint16_t shown = 0x00B6;
    constexpr std::uint16_t selected = 0x0600;
    QByteArray d;
    put16(d, firstSheet ? shown | selected : shown);
    put16(d, 0);    // top row
    put16(d, 0);    // left column
    put32(d, 0x40); // grid colour
    put16(d, 0);    // zoom of the page break preview
    put16(d, 0);    // zoom of the normal view
    put32(d, 0);
    QByteArray out;
    appendRecord(out, kWindow2, d);
    out.append(endOfFile());
    return out;
}

} // namespace Biff

#include "spreadsheet/SpreadsheetReader.h"
#include "support/QtPrinters.h"
#include "support/WorkbookFixture.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A sheet's used range as rows of "|"-joined cell texts.
QStringList grid(const SheetTable& sheet)
{
    QStringList rows;
    for (int r = 1; r <= sheet.rowCount(); ++r) {
        QStringList cells;
        for (int c = 1; c <= sheet.columnCount(); ++c)
            cells.append(sheet.cellText(r, c));
        rows.append(cells.join(u'|'));
    }
    return rows;
}

class XlsxReaderTest : public ::testing::Test
{
protected:
    QString path(const QString& name = QStringLiteral("book.xlsx")) const
    {
        return dir.filePath(name);
    }

    QStringList readGrid(const QString& file, int sheet = 0, UsedRange* range = nullptr)
    {
        SpreadsheetReader reader;
        const SpreadsheetError opened = reader.open(file);
        EXPECT_TRUE(opened.ok()) << opened.detail.toStdString();
        SpreadsheetError error;
        const SheetTable* table = reader.sheet(sheet, &error);
        EXPECT_TRUE(table) << error.detail.toStdString();
        if (!table)
            return {};
        if (range)
            *range = table->usedRange();
        return grid(*table);
    }

    QStringList readPackage(const XlsxPackageParts& parts, UsedRange* range = nullptr)
    {
        EXPECT_TRUE(WriteZip(path(), XlsxPackageEntries(parts)));
        return readGrid(path(), 0, range);
    }

    QTemporaryDir dir;
};

TEST_F(XlsxReaderTest, CellFormsWritersOtherThanExcelUse)
{
    XlsxPackageParts parts;
    parts.sharedStrings =
        "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<si><t>plain</t></si>"
        "<si><r><t>ri</t></r><r><rPr><b/></rPr><t xml:space=\"preserve\">ch </t>"
        "</r><rPh sb=\"0\" eb=\"1\"><t>PHONETIC</t></rPh></si>"
        "<si><t>line_x000D_break _x005F_x0041_</t></si></sst>";
    parts.styles =
        "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<numFmts count=\"1\"><numFmt numFmtId=\"170\" formatCode=\"d/m/yy\"/></numFmts>"
        "<cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs>"
        "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"170\"/><xf numFmtId=\"21\"/>"
        "</cellXfs></styleSheet>";
    // A stale dimension, rows out of order, cells without positions, a cell written twice.
    parts.sheets = {{"S",
                     "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/"
                     "2006/main\"><dimension ref=\"A1:Z999\"/><sheetData>"
                     "<row r=\"3\"><c t=\"inlineStr\"><is><t>in</t><r><t>line</t></r></is>"
                     "</c><c t=\"e\"><f>1/0</f><v>#DIV/0!</v></c><c s=\"1\"><v>45285</v></c>"
                     "<c s=\"2\"><v>0.5</v></c></row>"
                     "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v>"
                     "</c><c r=\"C1\" t=\"s\"><v>2</v></c><c r=\"D1\"><v>1</v></c></row>"
                     "<row><c t=\"d\"><v>2024-02-29T08:15:00</v></c><c t=\"b\"><v>0</v></c>"
                     "<c t=\"str\"><f>x</f><v></v></c><c><v>  12  </v></c></row>"
                     "<row r=\"1\"><c r=\"D1\"><v>2</v></c></row>"
                     "</sheetData><mergeCells count=\"0\"/></worksheet>"}};
    UsedRange range;
    EXPECT_EQ(readPackage(parts, &range), (QStringList{
                                              "plain|rich |line\rbreak _x0041_|2",
                                              "29/02/2024 08:15:00|FALSE||12",
                                              "inline|#DIV/0!|25/12/2023|12:00:00",
                                          }));
    EXPECT_EQ(range, (UsedRange{1, 1, 3, 4}));
}

TEST_F(XlsxReaderTest, WorkbookPropertiesAndCellKinds)
{
    XlsxPackageParts parts;
    parts.workbookProperties = "<workbookPr date1904=\"1\"/>";
    parts.styles =
        "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/></cellXfs></styleSheet>";
    parts.sheets = {{"S", WorksheetXml("<row r=\"2\"><c r=\"C2\" s=\"1\"><v>0</v></c>"
                                       "<c r=\"E2\" t=\"e\"><v>#N/A</v></c></row>")}};
    ASSERT_TRUE(WriteZip(path(), XlsxPackageEntries(parts)));
    SpreadsheetReader reader;
    ASSERT_TRUE(reader.open(path()).ok());
    const SheetTable* sheet = reader.sheet(0);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->usedRange(), (UsedRange{2, 3, 1, 3}));
    EXPECT_EQ(sheet->cellText(1, 1), "01/01/1904");
    EXPECT_EQ(sheet->cellKind(1, 1), CellKind::Date);
    EXPECT_EQ(sheet->cellKind(1, 2), CellKind::Empty);
    EXPECT_EQ(sheet->cellKind(1, 3), CellKind::Error);
    EXPECT_EQ(sheet->cellText(1, 4), ""); // right of the used range
    EXPECT_EQ(sheet->cellText(0, 1), "");
}

TEST_F(XlsxReaderTest, LargeCellsComeThroughWhole)
{
    const QString big(3 * 1024 * 1024, u'x');
    XlsxPackageParts parts;
    parts.sheets = {{"S", WorksheetXml("<row><c t=\"inlineStr\"><is><t>" + big.toLatin1() +
                                       "</t></is></c><c t=\"inlineStr\"><is><t>small</t></is></c>"
                                       "</row>")}};
    EXPECT_EQ(readPackage(parts), QStringList{big + "|small"});
}

} // namespace

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void putBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct BadInput
{
    const char* name;
    std::function<QByteArray(const QString& scratch)> bytes;
    SpreadsheetErrorCode code;
    ReadLimits limits = {};
};

XlsxPackageParts oneSheet(const QByteArray& sheetXml)
{
    XlsxPackageParts parts;
    parts.sheets = {{"S", sheetXml}};
    return parts;
}

QByteArray zipped(const QString& scratch, const std::vector<ZipEntry>& entries)
{
    EXPECT_TRUE(WriteZip(scratch, entries));
    return fileBytes(scratch);
}

QByteArray manyRows(int rows, const QByteArray& cell)
{
    QByteArray data;
    for (int r = 1; r <= rows; ++r)
        data += "<row r=\"" + QByteArray::number(r) + "\">" + cell + "</row>";
    return data;
}

const QByteArray BillionLaughs =
    "<?xml version=\"1.0\"?><!DOCTYPE worksheet [<!ENTITY a \"aaaaaaaaaa\">"
    "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
    "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
    "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>&d;&d;&d;</t></is></c></row>"
    "</sheetData></worksheet>";

// Every bad file ends in a typed error, at opening or at reading the sheet, never in a crash
// or a hang.
TEST_F(XlsxReaderTest, BadInputEndsInATypedError)
{
    const auto good = [](const QString& scratch) {
        return zipped(scratch, XlsxPackageEntries(oneSheet(WorksheetXml(
                                   manyRows(200, "<c t=\"inlineStr\"><is><t>0123456789 some "
                                                 "text</t></is></c>")))));
    };
    // Megabytes of blanks pack into a few kilobytes; the part limit stops the unpacking.
    const auto bomb = [](const QString& s) {
        return zipped(s, XlsxPackageEntries(oneSheet(WorksheetXml(QByteArray(4 << 20, ' ')))));
    };
    ReadLimits small;
    small.maxPartBytes = 1 << 20;
    ReadLimits fewCells;
    fewCells.maxCells = 10;
    ReadLimits littleText;
    littleText.maxTextChars = 1000;
    XlsxPackageParts dtdStrings = oneSheet(WorksheetXml("<row><c t=\"s\"><v>0</v></c></row>"));
    dtdStrings.sharedStrings = "<!DOCTYPE sst [<!ENTITY x \"y\">]><sst><si><t>&x;</t></si></sst>";

    const BadInput cases[] = {
        {"text renamed .xlsx",
         [](const QString&) { return QByteArray("0712345678\r\n0798765432\r\n"); },
         SpreadsheetErrorCode::NotAWorkbook},
        {"empty file", [](const QString&) { return QByteArray(); },
         SpreadsheetErrorCode::NotAWorkbook},
        {"truncated zip", [&](const QString& s) { return good(s).left(good(s).size() / 2); },
         SpreadsheetErrorCode::Corrupt},
        {"zip local header only", [](const QString&) { return QByteArray("PK\x03\x04", 4); },
         SpreadsheetErrorCode::Corrupt},
        {"damaged compressed data",
         [&](const QString& s) {
             QByteArray b = good(s);
             const qsizetype at = b.indexOf("xl/worksheets/sheet1.xml") + 40;
             for (qsizetype i = at; i < at + 64; ++i)
                 b[i] = char(b[i] ^ 0x5A);
             return b;
         },
         SpreadsheetErrorCode::Corrupt},
        {"zip bomb", bomb, SpreadsheetErrorCode::TooLarge, small},
        {"entity declarations in a sheet",
         [](const QString& s) { return zipped(s, XlsxPackageEntries(oneSheet(BillionLaughs))); },
         SpreadsheetErrorCode::Unsupported},
        // Qt does not take parameter entities in a document's own declarations: damage.
        {"parameter entities",
         [](const QString& s) {
             QByteArray dtd = "<?xml version=\"1.0\"?><!DOCTYPE worksheet [<!ENTITY % a "
                              "\"aaaaaaaaaaaaaaaa\">";
             for (char n = 'b'; n <= 'k'; ++n)
                 dtd += QByteArray("<!ENTITY % ") + n + " \"" +
                        QByteArray("%").append(char(n - 1)).append(';').repeated(16) + "\">";
             dtd += "%k;]>";
             return zipped(s, XlsxPackageEntries(oneSheet(dtd + "<worksheet><sheetData/>"
                                                                "</worksheet>")));
         },
         SpreadsheetErrorCode::Corrupt},
        {"entity declarations in shared strings",
         [&](const QString& s) { return zipped(s, XlsxPackageEntries(dtdStrings)); },
         SpreadsheetErrorCode::Unsupported},
        {"undeclared entity",
         [](const QString& s) {
             return zipped(s, XlsxPackageEntries(oneSheet(WorksheetXml(
                                  "<row><c t=\"inlineStr\"><is><t>&x;</t></is></c></row>"))));
         },
         SpreadsheetErrorCode::Corrupt},
        {"unclosed element",
         [](const QString& s) {
             return zipped(s, XlsxPackageEntries(oneSheet("<worksheet><sheetData><row><c><v>1")));
         },
         SpreadsheetErrorCode::Corrupt},
        {"shared string out of range",
         [](const QString& s) {
             return zipped(s, XlsxPackageEntries(
                                  oneSheet(WorksheetXml("<row><c t=\"s\"><v>3</v></c></row>"))));
         },
         SpreadsheetErrorCode::Corrupt},
        {"cell outside any sheet",
         [](const QString& s) {
             return zipped(s, XlsxPackageEntries(
                                  oneSheet(WorksheetXml("<row><c r=\"XFE1\"><v>1</v></c></row>"))));
         },
         SpreadsheetErrorCode::Corrupt},
        {"number that is not one",
         [](const QString& s) {
             return zipped(
                 s, XlsxPackageEntries(oneSheet(WorksheetXml("<row><c><v>12abc</v></c></row>"))));
         },
         SpreadsheetErrorCode::Corrupt},
        {"missing sheet part",
         [](const QString& s) {
             std::vector<ZipEntry> entries = XlsxPackageEntries(oneSheet(WorksheetXml("")));
             std::erase_if(entries, [](const ZipEntry& e) { return e.name.contains("sheet1"); });
             return zipped(s, entries);
         },
         SpreadsheetErrorCode::Corrupt},
        {"no workbook part",
         [](const QString& s) {
             return zipped(s, {{"hello.txt", "hello"}});
         },
         SpreadsheetErrorCode::Corrupt},
        {"too many cells", [&](const QString& s) { return good(s); },
         SpreadsheetErrorCode::TooLarge, fewCells},
        {"too much text", [&](const QString& s) { return good(s); }, SpreadsheetErrorCode::TooLarge,
         littleText},
    };
    for (const BadInput& c : cases) {
        const QString file = path(QStringLiteral("bad.xlsx"));
        putBytes(file, c.bytes(path(QStringLiteral("scratch.zip"))));
        SpreadsheetReader reader(c.limits);
        SpreadsheetError error = reader.open(file);
        if (error.ok()) {
            EXPECT_EQ(reader.sheet(0, &error), nullptr) << c.name;
        }
        EXPECT_EQ(error.code, c.code) << c.name << ": " << error.detail.toStdString();
    }
}

TEST_F(XlsxReaderTest, FilesThatAreNotThere)
{
    SpreadsheetReader reader;
    EXPECT_EQ(reader.open(path(QStringLiteral("missing.xlsx"))).code,
              SpreadsheetErrorCode::FileNotFound);
    EXPECT_EQ(reader.open(dir.path()).code, SpreadsheetErrorCode::FileNotFound);
    EXPECT_FALSE(reader.isOpen());
    EXPECT_EQ(reader.sheet(0), nullptr);
}

TEST_F(XlsxReaderTest, AWorkbookWithoutSheetsOpensEmpty)
{
    ASSERT_TRUE(WriteZip(path(), XlsxPackageEntries({})));
    SpreadsheetReader reader;
    ASSERT_TRUE(reader.open(path()).ok());
    EXPECT_TRUE(reader.sheetNames().isEmpty());
}

} // namespace

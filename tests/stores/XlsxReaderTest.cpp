#include "stores/SpreadsheetReader.h"
#include "support/QStringPrinter.h"
#include "support/WorkbookFixture.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
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

    QStringList readPackage(const XlsxPackageSpec& spec, UsedRange* range = nullptr)
    {
        EXPECT_TRUE(WriteZip(path(), XlsxPackageEntries(spec)));
        return readGrid(path(), 0, range);
    }

    QTemporaryDir dir;
};

TEST_F(XlsxReaderTest, CellFormsWritersOtherThanExcelUse)
{
    XlsxPackageSpec spec;
    spec.sharedStrings = "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                         "<si><t>plain</t></si>"
                         "<si><r><t>ri</t></r><r><rPr><b/></rPr><t xml:space=\"preserve\">ch </t>"
                         "</r><rPh sb=\"0\" eb=\"1\"><t>PHONETIC</t></rPh></si>"
                         "<si><t>line_x000D_break _x005F_x0041_</t></si></sst>";
    spec.styles = "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                  "<numFmts count=\"1\"><numFmt numFmtId=\"170\" formatCode=\"d/m/yy\"/></numFmts>"
                  "<cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs>"
                  "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"170\"/><xf numFmtId=\"21\"/>"
                  "</cellXfs></styleSheet>";
    // A stale dimension, rows out of order, cells without positions, a cell written twice.
    spec.sheets = {{"S", "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/"
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
    EXPECT_EQ(readPackage(spec, &range), (QStringList{
                                             "plain|rich |line\rbreak _x0041_|2",
                                             "29/02/2024 08:15:00|FALSE||12",
                                             "inline|#DIV/0!|25/12/2023|12:00:00",
                                         }));
    EXPECT_EQ(range, (UsedRange{1, 1, 3, 4}));
}

TEST_F(XlsxReaderTest, WorkbookPropertiesAndCellKinds)
{
    XlsxPackageSpec spec;
    spec.workbookProperties = "<workbookPr date1904=\"1\"/>";
    spec.styles = "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                  "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"14\"/></cellXfs></styleSheet>";
    spec.sheets = {{"S", WorksheetXml("<row r=\"2\"><c r=\"C2\" s=\"1\"><v>0</v></c>"
                                      "<c r=\"E2\" t=\"e\"><v>#N/A</v></c></row>")}};
    ASSERT_TRUE(WriteZip(path(), XlsxPackageEntries(spec)));
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
    XlsxPackageSpec spec;
    spec.sheets = {{"S", WorksheetXml("<row><c t=\"inlineStr\"><is><t>" + big.toLatin1() +
                                      "</t></is></c><c t=\"inlineStr\"><is><t>small</t></is></c>"
                                      "</row>")}};
    EXPECT_EQ(readPackage(spec), QStringList{big + "|small"});
}

} // namespace

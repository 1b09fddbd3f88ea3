#include "exports/XlsxExportWriter.h"
#include "spreadsheet/ExcelCellLimit.h"
#include "support/WorkbookReaders.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class XlsxWriterTest : public ::testing::Test
{
protected:
    QString path() const { return dir.filePath(QStringLiteral("export.xlsx")); }

    QTemporaryDir dir;
};

TEST_F(XlsxWriterTest, KeepsEveryCellAsTextAsWritten)
{
    const QList<QStringList> rows = {
        {"0123456789", "leading zero"},
        {"1234567890123456", "16 digits"},
        {"12345678901234567890", "20 digits"},
        {"123456789012345", "15 digits"},
        {"+441234567890", "plus sign"},
        {"'0123", "an apostrophe of the user's own"},
        {" 42 ", "  blanks around  "},
        {"1E5", "=1+1"},
        {QString::fromUtf8("Привет"), QString::fromUtf8("日本語 😀 & <b>\"quoted\"</b>")},
        {"two\nlines", QStringLiteral("bell\x07 and tab\t")},
        {"_x0041_", "looks like an escape"},
        {QStringLiteral("nul\u0000 and carriage return\r"), "_x00e9_ _X0041_ _x004_"},
        {QString(QChar(0xD800)) + "lone surrogates" + QChar(0xDC00),
         QString(QChar(0xFFFF)) + "non-characters" + QChar(0xFFFE)},
        {QString(), "no number"},
    };
    const ExportResult result =
        WriteXlsx(path(), ExportTable::fromRows({"Number", "Message"}, rows));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.cutCells, 0);

    const ReadWorkbook book = ReadXlsx(path());
    ASSERT_TRUE(book.opened);
    ASSERT_EQ(book.sheets.size(), 1);
    const ReadSheet& sheet = book.sheets.first();
    EXPECT_EQ(sheet.name, "Sheet1");
    EXPECT_TRUE(sheet.allText);
    ASSERT_EQ(sheet.rows.size(), rows.size() + 1);
    EXPECT_EQ(sheet.rows.first(), (QStringList{"Number", "Message"}));
    for (qsizetype i = 0; i < rows.size(); ++i)
        EXPECT_EQ(sheet.rows[i + 1], rows[i]) << "row " << i;
}

TEST_F(XlsxWriterTest, CutsTextsPastTheCellLimit)
{
    const QString emoji = QString::fromUtf8("😀");
    // Within the limit as text, past it once each look-alike's underscore is escaped.
    const QString lookalikes = QStringLiteral("_x0041_").repeated(4000);
    const ExportTable table =
        ExportTable::fromRows({"Message"}, {{QString(40000, u'y')},
                                            {QString(ExcelCellMaxChars - 1, u'x') + emoji},
                                            {QString(ExcelCellMaxChars, u'z')},
                                            {lookalikes}});
    const ExportResult result = WriteXlsx(path(), table);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.cutCells, 3);

    const ReadWorkbook book = ReadXlsx(path());
    ASSERT_EQ(book.sheets.size(), 1);
    const QList<QStringList>& rows = book.sheets.first().rows;
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[1].first(), QString(ExcelCellMaxChars, u'y'));
    EXPECT_EQ(rows[2].first(), QString(ExcelCellMaxChars - 1, u'x'));
    EXPECT_EQ(rows[3].first(), QString(ExcelCellMaxChars, u'z'));
    EXPECT_TRUE(lookalikes.startsWith(rows[4].first()));
    EXPECT_GT(rows[4].first().size(), lookalikes.size() / 2);
    EXPECT_LT(rows[4].first().size(), lookalikes.size());
}

TEST_F(XlsxWriterTest, AnEmptyListGivesTheHeaderRowAlone)
{
    ASSERT_TRUE(WriteXlsx(path(), ExportTable::fromRows({"Number", "Message"}, {})).ok());
    const ReadWorkbook book = ReadXlsx(path());
    ASSERT_EQ(book.sheets.size(), 1);
    EXPECT_EQ(book.sheets.first().rows, (QList<QStringList>{{"Number", "Message"}}));
}

} // namespace

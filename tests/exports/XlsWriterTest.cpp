#include "exports/BiffWriter.h"
#include "spreadsheet/ExcelCellLimit.h"
#include "spreadsheet/SheetTable.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "support/FileBytes.h"
#include "support/WorkbookReaders.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

class XlsWriterTest : public ::testing::Test
{
protected:
    QString path() const { return dir.filePath(QStringLiteral("export.xls")); }

    QTemporaryDir dir;
};

ExportTable numberedRows(qsizetype count)
{
    ExportTable table;
    table.columns = {QStringLiteral("Number")};
    table.rowCount = count;
    table.row = [](qsizetype i) { return QStringList{QString::number(i + 1)}; };
    return table;
}

TEST_F(XlsWriterTest, SplitsSheetsAfter65535Rows)
{
    struct Case
    {
        qsizetype rows;
        QList<qsizetype> rowsPerSheet; // header row included
    };
    const Case cases[] = {{0, {1}}, {65535, {65536}}, {65536, {65536, 2}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        ASSERT_TRUE(WriteXls(path(), numberedRows(c.rows)).ok());
        const ReadWorkbook book = ReadXls(path());
        ASSERT_TRUE(book.opened);
        ASSERT_EQ(book.sheets.size(), c.rowsPerSheet.size());
        qsizetype number = 0;
        for (qsizetype s = 0; s < book.sheets.size(); ++s) {
            const ReadSheet& sheet = book.sheets[s];
            EXPECT_EQ(sheet.name, QStringLiteral("Sheet%1").arg(s + 1));
            ASSERT_EQ(sheet.rows.size(), c.rowsPerSheet[s]);
            EXPECT_EQ(sheet.rows.first(), QStringList{"Number"});
            EXPECT_TRUE(sheet.allText);
            number += sheet.rows.size() - 1;
            if (sheet.rows.size() > 1) {
                EXPECT_EQ(sheet.rows.last(), QStringList{QString::number(number)});
            }
        }
        EXPECT_EQ(number, c.rows);
    }
}

} // namespace

namespace {

// Texts of every length and width, so that strings start, split and end at every kind of place
// in the string table's records.
QList<QStringList> mixedRows()
{
    const QString samples[] = {
        QStringLiteral("It's"),
        QString(),
        QStringLiteral("00123"),
        QStringLiteral("12345678901234567890"),
        QString::fromUtf8("Grüße, café"),
        QString::fromUtf8("Привет, мир"),
        QString::fromUtf8("日本語 😀 text"),
        QStringLiteral("two\nlines"),
    };
    QList<QStringList> rows;
    for (int i = 0; i < 600; ++i) {
        const QString& sample = samples[i % std::size(samples)];
        rows.append({sample, sample.repeated(i % 97),
                     QString(i * 7 % 300, QChar(char16_t(u'a' + i % 26)))});
    }
    return rows;
}

} // namespace

TEST_F(XlsWriterTest, KeepsEveryTextAsWritten)
{
    // Long texts after the others start in the middle of a record and go on in the next ones.
    QList<QStringList> rows = mixedRows();
    rows.append({QString::fromUtf8("Ж").repeated(8000), QString(16000, u'n'), "last"});
    const ExportTable table = ExportTable::fromRows({"Number", "Message", "Status"}, rows);

    const ExportResult result = WriteXls(path(), table);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.cutCells, 0);

    const ReadWorkbook book = ReadXls(path());
    ASSERT_TRUE(book.opened);
    ASSERT_EQ(book.sheets.size(), 1);
    const ReadSheet& sheet = book.sheets.first();
    EXPECT_TRUE(sheet.allText);
    ASSERT_EQ(sheet.rows.size(), rows.size() + 1);
    EXPECT_EQ(sheet.rows.first(), table.columns);
    for (qsizetype i = 0; i < rows.size(); ++i)
        ASSERT_EQ(sheet.rows[i + 1], rows[i]) << "row " << i;
}

// FreeXL reads no text that spreads over more than two records, as texts past 16,000 characters
// do in any workbook; xlrd reads them.
TEST_F(XlsWriterTest, KeepsTextsUpToTheCellLimitAndCutsLongerOnes)
{
    const QString emoji = QString::fromUtf8("😀");
    QList<QStringList> rows = mixedRows();
    rows.append({QString(ExcelCellMaxChars, u'n'),
                 QString::fromUtf8("Ж").repeated(ExcelCellMaxChars), QString(40000, u'y')});
    // A surrogate pair across the limit is dropped whole, never split.
    rows.append({QString(ExcelCellMaxChars - 1, u'x') + emoji, emoji, QString()});
    const ExportResult result = WriteXls(path(), ExportTable::fromRows({"A", "B", "C"}, rows));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.cutCells, 2);

    if (!XlrdAvailable())
        GTEST_SKIP() << "python3-xlrd is not installed; the texts were not read back";
    const ReadWorkbook book = ReadXlsWithXlrd(path());
    ASSERT_TRUE(book.opened);
    ASSERT_EQ(book.sheets.size(), 1);
    const QList<QStringList>& read = book.sheets.first().rows;
    ASSERT_EQ(read.size(), rows.size() + 1);
    for (qsizetype i = 0; i < rows.size() - 2; ++i)
        ASSERT_EQ(read[i + 1], rows[i]) << "row " << i;
    EXPECT_EQ(read[rows.size() - 1],
              (QStringList{rows[rows.size() - 2][0], rows[rows.size() - 2][1],
                           QString(ExcelCellMaxChars, u'y')}));
    EXPECT_EQ(read.last(), (QStringList{QString(ExcelCellMaxChars - 1, u'x'), emoji, QString()}));
}

// The cells of the first sheet as the program's own import reads them, row by row.
QList<QStringList> importedRows(const QString& path, int columns)
{
    SpreadsheetReader reader;
    if (!reader.open(path).ok())
        return {};
    const SheetTable* sheet = reader.sheet(0);
    QList<QStringList> rows;
    for (int r = 1; sheet && r <= sheet->rowCount(); ++r) {
        QStringList row;
        for (int c = 1; c <= columns; ++c)
            row.append(sheet->cellText(r, c));
        rows.append(row);
    }
    return rows;
}

TEST_F(XlsWriterTest, NeverSplitsASurrogatePairBetweenRecords)
{
    // Record boundaries fall after an odd number of UTF-16 units in a string, so a text of
    // pairs behind one single unit, or of pairs alone, meets one inside a pair.
    const QString emoji = QString::fromUtf8("😀");
    const QString one = QString::fromUtf8("Ж");
    const QList<QStringList> rows = {
        {one + emoji.repeated(6000)},
        {emoji.repeated(9000)},
        {one.repeated(3) + emoji.repeated(5000) + "end"},
        {emoji},
    };
    const ExportTable table = ExportTable::fromRows({"Message"}, rows);
    ASSERT_TRUE(WriteXls(path(), table).ok());

    const QList<QStringList> expected = QList<QStringList>{{"Message"}} + rows;
    EXPECT_EQ(importedRows(path(), 1), expected);
    if (!XlrdAvailable())
        GTEST_SKIP() << "python3-xlrd is not installed; the texts were not read back";
    const ReadWorkbook book = ReadXlsWithXlrd(path());
    ASSERT_TRUE(book.opened);
    ASSERT_EQ(book.sheets.size(), 1);
    EXPECT_EQ(book.sheets.first().rows, expected);
}

TEST_F(XlsWriterTest, TheProgramImportsItsOwnExportWithTextsPastTwoRecords)
{
    // More than about 16,400 characters spread a text over three records or more, which FreeXL
    // does not read.
    const QList<QStringList> rows = {
        {"447700900001", QString(20000, u'n')},
        {"447700900002", QString::fromUtf8("Ж").repeated(12000)},
        {"447700900003", "short"},
        {"447700900004", QString(ExcelCellMaxChars, u'z')},
    };
    ASSERT_TRUE(WriteXls(path(), ExportTable::fromRows({"Number", "Message"}, rows)).ok());
    EXPECT_EQ(importedRows(path(), 2), (QList<QStringList>{{"Number", "Message"}} + rows));
}

TEST_F(XlsWriterTest, AWorkbookPast109FatSectorsOpens)
{
    // 109 FAT sectors map about 7 MB; long texts get past that with few rows.
    constexpr qsizetype rows = 500;
    ExportTable table;
    table.columns = {QStringLiteral("Number"), QStringLiteral("Message")};
    table.rowCount = rows;
    table.row = [](qsizetype i) {
        return QStringList{QString::number(i), QString(16000, QChar(char16_t(u'a' + i % 26)))};
    };
    ASSERT_TRUE(WriteXls(path(), table).ok());

    const QByteArray bytes = ReadBytes(path());
    const auto fatSectors = qFromLittleEndian<quint32>(bytes.constData() + 44);
    const auto difatSectors = qFromLittleEndian<quint32>(bytes.constData() + 72);
    EXPECT_GT(fatSectors, 109u);
    EXPECT_GE(difatSectors, 1u);

    ReadWorkbook book = ReadXls(path());
    ASSERT_TRUE(book.opened);
    ASSERT_EQ(book.sheets.size(), 1);
    const QList<QStringList>& read = book.sheets.first().rows;
    ASSERT_EQ(read.size(), rows + 1);
    EXPECT_EQ(read[1], table.row(0));
    EXPECT_EQ(read.last(), table.row(rows - 1));
}

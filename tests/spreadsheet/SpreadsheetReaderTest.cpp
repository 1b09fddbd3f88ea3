#include "spreadsheet/SpreadsheetReader.h"

#include "support/QtPrinters.h"
#include "support/WorkbookFixture.h"

#include <QDate>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The same workbook written as .xlsx and as .xls must read the same.
class SpreadsheetReaderTest : public ::testing::TestWithParam<const char*>
{
protected:
    QString path() const { return dir.filePath(QStringLiteral("book.") + GetParam()); }

    void write(const std::vector<FixtureSheet>& sheets)
    {
        ASSERT_TRUE(WriteWorkbook(path(), sheets));
        ASSERT_TRUE(reader.open(path()).ok());
    }

    QTemporaryDir dir;
    SpreadsheetReader reader;
};

TEST_P(SpreadsheetReaderTest, SheetNamesInWorkbookOrder)
{
    write({{"Numbers", {{1.0}}}, {QString::fromUtf8("Données été"), {}}, {"Zeta", {{2.0}}}});
    EXPECT_EQ(reader.sheetNames(),
              (QStringList{"Numbers", QString::fromUtf8("Données été"), "Zeta"}));
}

TEST_P(SpreadsheetReaderTest, CellTextsOverTheUsedRange)
{
    FixtureSheet sheet{"Contacts",
                       {
                           {QStringLiteral("Number"), QVariant(), QStringLiteral("Message")},
                           {447700900123.0, QVariant(), QStringLiteral("Hello\nthere")},
                           {-42.0, 0.1, QStringLiteral("  spaced  ")},
                           {QDate(2023, 12, 25), true, false},
                           {123456789012345.0, 1e20, 2.5},
                       },
                       3,
                       2};
    write({sheet});
    const SheetTable* table = reader.sheet(0);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->usedRange(), (UsedRange{3, 2, 5, 3}));
    const QStringList expected[] = {
        {"Number", "", "Message"},           {"447700900123", "", "Hello\nthere"},
        {"-42", "0.1", "  spaced  "},        {"25/12/2023", "TRUE", "FALSE"},
        {"123456789012345", "1E+20", "2.5"},
    };
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(table->cellText(r, c), expected[r - 1][c - 1]) << r << "," << c;
    EXPECT_EQ(table->cellKind(2, 1), CellKind::Number);
    EXPECT_EQ(table->cellKind(4, 1), CellKind::Date);
    EXPECT_EQ(table->cellKind(4, 2), CellKind::Boolean);
    EXPECT_EQ(table->cellKind(1, 2), CellKind::Empty);
    // Outside the used range everything is empty.
    EXPECT_EQ(table->cellText(6, 1), "");
    EXPECT_EQ(table->cellText(1, 4), "");
    EXPECT_EQ(table->cellText(0, 0), "");
}

TEST_P(SpreadsheetReaderTest, EmptySheetsAndMissingSheets)
{
    write({{"Empty", {}}, {"Blank cells", {{QString(), QString()}}}, {"Data", {{1.0}}}});
    for (int index : {0, 1}) {
        SpreadsheetError error;
        const SheetTable* table = reader.sheet(index, &error);
        ASSERT_TRUE(table) << index << " " << error.detail.toStdString();
        EXPECT_TRUE(table->isEmpty()) << index;
        EXPECT_EQ(table->rowCount(), 0);
        EXPECT_EQ(ColumnNames(*table), QStringList());
    }
    SpreadsheetError error;
    EXPECT_EQ(reader.sheet(3, &error), nullptr);
    EXPECT_EQ(error.code, SpreadsheetErrorCode::NoSuchSheet);
    // The reader still serves the sheets that exist.
    ASSERT_TRUE(reader.sheet(2));
    EXPECT_EQ(reader.sheet(2)->cellText(1, 1), "1");
}

TEST_P(SpreadsheetReaderTest, ColumnNamesNumberOnlyTheUntitledColumns)
{
    write({{"S",
            {{QStringLiteral("  Mobile "), QVariant(), QStringLiteral("Name"),
              QStringLiteral("   "), 7.0},
             {1.0, 2.0, 3.0, 4.0, 5.0, 6.0}}}});
    const SheetTable* table = reader.sheet(0);
    ASSERT_TRUE(table);
    EXPECT_EQ(ColumnNames(*table), (QStringList{"Mobile", "Untitled Column 1", "Name",
                                                "Untitled Column 2", "7", "Untitled Column 3"}));
}

TEST_P(SpreadsheetReaderTest, SwitchingSheetsReadsEachAfresh)
{
    write({{"A", {{QStringLiteral("a1")}}}, {"B", {{QVariant(), QStringLiteral("b2")}}}});
    for (int round = 0; round < 2; ++round) {
        const SheetTable* a = reader.sheet(0);
        ASSERT_TRUE(a);
        EXPECT_EQ(a->cellText(1, 1), "a1");
        const SheetTable* b = reader.sheet(1);
        ASSERT_TRUE(b);
        EXPECT_EQ(b->usedRange(), (UsedRange{1, 2, 1, 1}));
        EXPECT_EQ(b->cellText(1, 1), "b2");
    }
}

// Cells streamed with their sheet positions, in reading order, until the sink has enough.
class FirstCells final : public CellSink
{
public:
    explicit FirstCells(int wanted) : m_wanted(wanted) {}
    bool cell(std::uint32_t row, std::uint32_t column, const CellValue& value) override
    {
        seen.append(QStringLiteral("%1,%2=").arg(row).arg(column) + value.text.toString());
        return seen.size() < m_wanted;
    }
    QStringList seen;

private:
    int m_wanted;
};

TEST_P(SpreadsheetReaderTest, StreamsCellsWithTheirSheetPositions)
{
    FixtureSheet sheet{"S", {{QStringLiteral("a"), QVariant(), 3.0}, {QStringLiteral("b")}}, 2, 3};
    sheet.rows.push_back({QStringLiteral("never reached")});
    write({sheet});
    FirstCells sink(3);
    EXPECT_TRUE(reader.readCells(0, sink).ok());
    EXPECT_EQ(sink.seen, (QStringList{"2,3=a", "2,5=3", "3,3=b"}));
}

INSTANTIATE_TEST_SUITE_P(Formats, SpreadsheetReaderTest, ::testing::Values("xlsx", "xls"));

} // namespace

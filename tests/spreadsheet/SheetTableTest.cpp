#include "spreadsheet/SheetTable.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct Input
{
    std::uint32_t row;
    std::uint32_t column;
    const char* text;
    std::uint64_t shareKey = 0;
};

SheetTable build(std::initializer_list<Input> cells, const ReadLimits& limits = {})
{
    SheetTableBuilder builder(limits);
    for (const Input& c : cells) {
        const QString text = QString::fromUtf8(c.text);
        if (!builder.cell(c.row, c.column, {CellKind::Text, text, c.shareKey}))
            break;
    }
    return builder.finish();
}

TEST(SheetTableTest, UsedRangeIsTheSmallestRectangleOfNonEmptyCells)
{
    // Rows out of order, a cell given twice (the later one counts), an empty text that does not
    // widen the range, and sparse rows.
    const SheetTable t = build({
        {7, 3, "c7"},
        {4, 5, "e4"},
        {4, 2, "b4"},
        {9, 2, ""},
        {5, 4, "first"},
        {5, 4, "second"},
        {7, 6, "f7"},
    });
    EXPECT_EQ(t.usedRange(), (UsedRange{4, 2, 4, 5}));
    EXPECT_EQ(t.cellCount(), 5);
    const struct
    {
        int row, column;
        const char* text;
    } expected[] = {
        {1, 1, "b4"}, {1, 4, "e4"}, {1, 2, ""}, {2, 3, "second"}, {3, 1, ""}, {4, 2, "c7"},
        {4, 5, "f7"}, {4, 4, ""},   {5, 1, ""}, {1, 6, ""},       {0, 1, ""}, {-1, -1, ""},
    };
    for (const auto& e : expected)
        EXPECT_EQ(t.cellText(e.row, e.column), QString::fromUtf8(e.text))
            << e.row << "," << e.column;
    EXPECT_EQ(t.cellKind(1, 1), CellKind::Text);
    EXPECT_EQ(t.cellKind(1, 2), CellKind::Empty);
}

TEST(SheetTableTest, EmptyWhenNoCellHasText)
{
    for (const SheetTable& t : {build({}), build({{3, 3, ""}})}) {
        EXPECT_TRUE(t.isEmpty());
        EXPECT_EQ(t.usedRange(), UsedRange{});
        EXPECT_EQ(t.cellText(1, 1), "");
    }
}

TEST(SheetTableTest, SharedTextsAreKeptOnce)
{
    // A megabyte string repeated by a thousand cells must not take a gigabyte.
    const QByteArray big(1 << 20, 'x');
    ReadLimits limits;
    limits.maxTextChars = 3 << 20;
    SheetTableBuilder builder(limits);
    const QString text = QString::fromLatin1(big);
    for (std::uint32_t row = 1; row <= 1000; ++row)
        ASSERT_TRUE(builder.cell(row, 1, {CellKind::Text, text, 42}));
    ASSERT_TRUE(builder.error().ok());
    const SheetTable t = builder.finish();
    EXPECT_EQ(t.rowCount(), 1000);
    EXPECT_EQ(t.cellView(1000, 1).size(), big.size());
}

TEST(SheetTableTest, LimitsStopTheReading)
{
    ReadLimits fewCells;
    fewCells.maxCells = 2;
    ReadLimits littleText;
    littleText.maxTextChars = 5;
    for (const ReadLimits& limits : {fewCells, littleText}) {
        SheetTableBuilder builder(limits);
        EXPECT_TRUE(builder.cell(1, 1, {CellKind::Text, u"abc", 0}));
        EXPECT_TRUE(builder.cell(1, 2, {CellKind::Text, u"d", 0}));
        EXPECT_FALSE(builder.cell(1, 3, {CellKind::Text, u"efg", 0}));
        EXPECT_EQ(builder.error().code, SpreadsheetErrorCode::TooLarge);
    }
}

} // namespace

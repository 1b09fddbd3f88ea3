#include "spreadsheet/CellText.h"

#include "spreadsheet/ExcelNumberFormat.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(CellTextTest, NumbersAsTheirDigitsOrShortestForm)
{
    const struct
    {
        double value;
        const char* text;
    } cases[] = {
        {447700900123.0, "447700900123"}, // a phone number stored as a number
        {999999999999999.0, "999999999999999"},
        {-42.0, "-42"},
        {-0.0, "0"},
        {0.1, "0.1"},
        {2.5, "2.5"},
        {1.0 / 3.0, "0.3333333333333333"},
        {0.0001, "0.0001"},
        {1e-7, "1E-07"},
        {1e15, "1E+15"},
        {1234567890123456.0, "1.234567890123456E+15"},
        {123456789012345678.0, "1.2345678901234568E+17"},
        {1e20, "1E+20"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellText::number(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(CellTextTest, LargeFractionsInPlainDecimal)
{
    const struct
    {
        double value;
        const char* text;
    } cases[] = {
        {2500000.75, "2500000.75"},
        {-2500000.75, "-2500000.75"},
        {1000000.5, "1000000.5"},
        {999999.5, "999999.5"},
        {123456789.125, "123456789.125"},
        {12345678901.5, "12345678901.5"},
        // shortest round trip would need more than 15 significant digits: rounded to 15
        {1234567.1234567891, "1234567.12345679"},
        {2500000.000000001, "2500000"},
        {99999999.99999999, "100000000"},
        {123456789012345.6, "123456789012346"},
        {1000000000000000.25, "1000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellText::number(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(CellTextTest, SerialDatesInBothDateSystems)
{
    const struct
    {
        double serial;
        bool date1904;
        const char* text;
    } cases[] = {
        {45285, false, "25/12/2023"},
        {45285.5, false, "25/12/2023 12:00:00"},
        {45285.999999, false, "26/12/2023"}, // rounds to the next midnight
        {0.75, false, "18:00:00"},
        {0, false, "00:00:00"},
        {1, false, "01/01/1900"},
        {59, false, "28/02/1900"},
        {60, false, "29/02/1900"},
        {61, false, "01/03/1900"},
        {0, true, "01/01/1904"},
        {43823, true, "25/12/2023"},
        {-1, false, "-1"},
        {3e6, false, "3000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellText::serialDate(c.serial, c.date1904), QString::fromLatin1(c.text))
            << c.serial << (c.date1904 ? " (1904)" : "");
}

TEST(CellTextTest, IsoDatesAndTimes)
{
    const struct
    {
        const char* iso;
        const char* text;
    } cases[] = {
        {"2023-12-25", "25/12/2023"},
        {"2023-12-25 14:30:05", "25/12/2023 14:30:05"},
        {"2023-12-25T14:30:05.250Z", "25/12/2023 14:30:05"},
        {"2023-12-25 00:00:00", "25/12/2023"},
        {"18:00:00", "18:00:00"},
        {"not a date", "not a date"},
        {"2023-13-45", "2023-13-45"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellText::isoDate(QString::fromLatin1(c.iso)), QString::fromLatin1(c.text))
            << c.iso;
}

TEST(CellTextTest, ErrorValuesAndBooleans)
{
    EXPECT_EQ(CellText::errorText(0x07), "#DIV/0!");
    EXPECT_EQ(CellText::errorText(0x2A), "#N/A");
    EXPECT_EQ(CellText::errorText(0x1D), "#NAME?");
    EXPECT_EQ(CellText::boolean(true), "TRUE");
    EXPECT_EQ(CellText::boolean(false), "FALSE");
}

TEST(NumberFormatTest, TellsDateFormatsFromOthers)
{
    const struct
    {
        int id;
        const char* code;
        bool date;
    } cases[] = {
        {14, "", true},
        {22, "", true},
        {45, "", true},
        {0, "", false},
        {1, "", false},
        {49, "", false},
        {164, "dd/mm/yyyy", true},
        {164, "[$-409]mmmm d, yyyy;@", true},
        {164, "h:mm AM/PM", true},
        {164, "[h]:mm", true},
        {164, "[Red]0.00", false},
        {164, "\"days\" 0", false},
        {164, "0\\d", false},
        {164, "#,##0_);(#,##0)", false},
        {164, "0.00E+00", false},
        {164, "General", false},
        {164, "@", false},
        {164, "0;\"dd\"", false},
        {14, "0.00", false}, // a workbook may redefine a built-in id
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExcelNumberFormat::isDate(c.id, QString::fromLatin1(c.code)), c.date)
            << c.id << " " << c.code;
}

} // namespace

#include "modem/AnswerCleaning.h"

#include <gtest/gtest.h>

namespace {

const QStringList ManufacturerForms = {"AT+GMI", "AT+CGMI", "+GMI", "+CGMI"};

TEST(AnswerCleaningTest, CleanAnswerKeepsOnlyTheValue)
{
    const struct
    {
        const char* response;
        QStringList forms;
        Quotes quotes;
        const char* value;
    } cases[] = {
        // Echo, value, final result.
        {"AT+CGMI\r\r\nQSIM\r\n\r\nOK\r\n", ManufacturerForms, Quotes::Remove, "QSIM"},
        // No echo; the "+C" form carries a colon.
        {"\r\n+CGMI: QSIM\r\n\r\nOK\r\n", ManufacturerForms, Quotes::Remove, "QSIM"},
        // "OK" inside a value is part of it; only the result line goes.
        {"AT+GMI\r\r\nNOKIA\r\n\r\nOK\r\n", ManufacturerForms, Quotes::Remove, "NOKIA"},
        {"AT+CGMI\r\r\n\"<Acme>\"\r\nOK", ManufacturerForms, Quotes::Remove, "Acme"},
        {"AT+CSCA?\r\r\n+CSCA: \"+447785016005\",145\r\n\r\nOK\r\n",
         {"AT+CSCA", "+CSCA"},
         Quotes::Keep,
         "\"+447785016005\",145"},
        {"AT+CBC\r\r\n+CBC: 1,80\r\n\r\nOK\r\n", {"AT+CBC", "+CBC"}, Quotes::Remove, "1,80"},
        {"AT+GMI\r\r\nOK\r\n", ManufacturerForms, Quotes::Remove, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanAnswer(QString::fromLatin1(c.response), c.forms, c.quotes), c.value)
            << c.response;
}

TEST(AnswerCleaningTest, QuotedValueIsBetweenTheFirstTwoQuotes)
{
    EXPECT_EQ(quotedValue(R"(0,0,"SIM NET",2)"), "SIM NET");
    EXPECT_EQ(quotedValue(R"("",145)"), "");
    EXPECT_EQ(quotedValue(R"(0,"unterminated)"), "");
    EXPECT_EQ(quotedValue("0"), "");
}

TEST(AnswerCleaningTest, BatteryShowsLevelAndCharging)
{
    const struct
    {
        const char* value;
        const char* text;
    } cases[] = {
        {"0,80", "80%"},
        {"1,80", "80% ( Charging )"},
        {"2,55", "55"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(batteryText(c.value), c.text) << c.value;
}

TEST(AnswerCleaningTest, SignalQualityBands)
{
    const struct
    {
        const char* value;
        const char* text;
    } cases[] = {
        {"0,99", "Low (0)"},
        {"8,99", "Low (8)"},
        {"9,99", "Medium (9)"},
        {"14,0", "Medium (14)"},
        {"15,99", "Good (15)"},
        {"18,99", "Good (18)"},
        {"19,99", "High (19)"},
        {"31,99", "High (31)"},
        {"99,99", ""},
        {"", ""},
        {"n/a", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(signalQualityText(c.value), c.text) << c.value;
}

TEST(AnswerCleaningTest, DefaultSmscIsDecodedWhenTheModemReportsItEncoded)
{
    const struct
    {
        const char* raw;
        const char* number;
    } cases[] = {
        {"+447785016005", "+447785016005"},
        // UCS2 character set: four hex digits per character.
        {"002B003400340037003700380035003000310036003000300035", "+447785016005"},
        // HEX character set on some modems: packed GSM 7-bit.
        {"2B1AED76C3D560311B0C5603", "+447785016005"},
        // A national number in UCS2 decodes when it is a valid number.
        {"00300037003700380035003000310036003000300035", "07785016005"},
        // A plain national number is none of the encodings.
        {"07785016005", "07785016005"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeSmscNumber(c.raw, basicIsInvalidNumber), c.number) << c.raw;
}

TEST(AnswerCleaningTest, DecodedSmscIsJudgedByTheRuleHandedIn)
{
    const QString national = "00300037003700380035003000310036003000300035";
    EXPECT_EQ(decodeSmscNumber(national, [](const QString&) { return true; }), national);
    EXPECT_EQ(decodeSmscNumber(national, {}), "07785016005");
}

TEST(AnswerCleaningTest, BasicNumberRule)
{
    const struct
    {
        const char* number;
        bool invalid;
    } cases[] = {
        {"+447785016005", false},
        {" 0123-456 ", false},
        {"+", false},
        {"", true},
        {"   ", true},
        {"44+77", true},
        {"0123 456", true},
        {"123456789012345678901", true},
        {"12345678901234567890", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(basicIsInvalidNumber(c.number), c.invalid) << c.number;
}

} // namespace

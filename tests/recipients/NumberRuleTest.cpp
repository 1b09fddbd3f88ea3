#include "recipients/NumberRule.h"

#include "recipients/NumberFormat.h"
#include "recipients/RecipientList.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberRuleTest, CheckRecipientNumberNormalisesOrRefuses)
{
    const QString invalid = "Please enter a valid phone number.";
    const struct
    {
        const char* typed;
        const char* number; // empty when refused
    } cases[] = {
        {"(020) 7946-0018", "02079460018"}, // brackets, blanks and hyphens go
        {"+44 7700 900123", "+447700900123"},
        {" \t0700\t ", "0700"},
        {"+-1", "+1"},
        {"+", "+"}, // a lone plus is a number
        {"12345678901234567890", "12345678901234567890"},
        {"123456789012345678901", ""}, // 21 digits
        {"44+7700", ""},               // plus after the first character
        {"++1", ""},
        {"-", ""}, // nothing left once separators are gone
        {"", ""},
        {"   ", ""},
        {"12a4", ""},
        {"0700.1", ""},
        {"\u0663\u0664", ""}, // digits of another script
        {"07\t00", ""},
    };
    const RecipientList list;
    for (const auto& c : cases) {
        const RecipientNumberCheck check =
            list.CheckRecipientNumber(QString::fromUtf8(c.typed), NumberCheckOptions());
        EXPECT_EQ(check.number, QString(c.number)) << c.typed;
        EXPECT_EQ(check.message, check.accepted() ? QString() : invalid) << c.typed;
    }
}

TEST(NumberRuleTest, IsInvalidNumberKeepsHyphensAndTrimsOnly)
{
    const struct
    {
        const char* text;
        bool invalid;
    } cases[] = {
        {"-", false},
        {"1-2", false},
        {" +1 ", false},
        {"+", false},
        {"1 2", true},
        {"(12)", true},
        {"1+", true},
        {"", true},
        {"123456789-123456789-", false},
        {"123456789-123456789-1", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsInvalidNumber(c.text), c.invalid) << c.text;
    EXPECT_EQ(StripNumberSeparators(" (1)-2 3\t"), "123\t");
}

TEST(NumberFormatTest, TypedCharactersAndPastes)
{
    const DecimalFormat format;
    for (const QChar c : QString("0123456789+\b\t\n\r"))
        EXPECT_TRUE(format.IsCharAllowed(c)) << int(c.unicode());
    for (const QChar c : QString("-() a.*\u0663"))
        EXPECT_FALSE(format.IsCharAllowed(c)) << int(c.unicode());

    EXPECT_TRUE(format.IsPasteAllowed(u"+447700900123"));
    EXPECT_TRUE(format.IsPasteAllowed(u""));
    EXPECT_FALSE(format.IsPasteAllowed(u"0700 123")); // one bad character refuses it all
    EXPECT_FALSE(format.IsPasteAllowed(u"0700\n"));   // line ends are not digits either
    EXPECT_EQ(format.RefusalText(), "Invalid number.");
}

} // namespace

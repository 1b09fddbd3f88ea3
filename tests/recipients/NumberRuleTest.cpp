#include "recipients/NumberRule.h"

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

} // namespace

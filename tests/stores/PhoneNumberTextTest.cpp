#include "stores/PhoneNumberText.h"

#include <gtest/gtest.h>

namespace {

TEST(PhoneNumberTextTest, IsInvalidNumberKeepsHyphensAndTrimsOnly)
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

} // namespace

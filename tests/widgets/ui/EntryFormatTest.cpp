#include "widgets/EntryFormat.h"

#include <gtest/gtest.h>

namespace {

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

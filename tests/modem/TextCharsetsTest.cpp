#include "modem/TextCharsets.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCharsetsTest, WhichSetCarriesWhichText)
{
    const struct
    {
        QString text;
        bool ira, gsm, latin1, hex;
    } cases[] = {
        {"Hello, world @ $5_", true, true, true, true},
        {"brackets [x] {y} ~^|\\", true, false, true, true},
        {"café £3 ÄÖÜ", false, true, true, true},
        {"Δ and Ω", false, true, false, true},
        {"5€", false, false, false, true},
        {"5€ [x]", false, false, false, true},
        // Ctrl-Z would send and ESC cancel in mid-body.
        {"stop\x1Bhere", false, false, false, false},
        {"z\x1A", false, false, false, false},
        // Form feed is in the extension table.
        {"lines\nand\fpages\r", true, false, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(canCarry(c.text, "IRA"), c.ira);
        EXPECT_EQ(canCarry(c.text, "PCCP437"), c.ira);
        EXPECT_EQ(canCarry(c.text, "GSM"), c.gsm);
        EXPECT_EQ(canCarry(c.text, "8859-1"), c.latin1);
        EXPECT_EQ(canCarry(c.text, "HEX"), c.hex);
    }
}

TEST(TextCharsetsTest, BodyIsWrittenInTheModemsCharacterSet)
{
    const struct
    {
        QString text;
        const char* charset;
        QByteArray body;
    } cases[] = {
        {"Hi @ $5 [x]", "IRA", "Hi @ $5 [x]"},
        {"Hi @ $5", "GSM",
         QByteArray("Hi \x00 \x02"
                    "5",
                    7)},
        {"5€ [x]", "HEX", "351B65201B3C781B3E"},
        {"café", "8859-1", "caf\xE9"},
        // What a set cannot carry becomes "?", never an escape or a Ctrl-Z.
        {"5€", "IRA", "5?"},
        {"5€ [x]", "GSM", "5? ?x?"},
        {"a\x1A\x1B", "IRA", "a??"},
        {"", "IRA", " "},
        {" \n ", "GSM", " "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeTextBody(c.text, c.charset), c.body)
            << c.text.toStdString() << " in " << c.charset;
}

} // namespace

#include "modem/PduAddress.h"

#include "modem/Ucs2Hex.h"

#include <gtest/gtest.h>

namespace {

TEST(PduAddressTest, NumbersBecomeSemiOctetFields)
{
    const struct
    {
        const char* number;
        bool smsc;
        const char* field;
    } cases[] = {
        {"+441234567890", false, "0C91442143658709"},
        {"+4412345", false, "0791442143F5"},
        {"12345", false, "05812143F5"},
        {"", false, "00"},
        {"", true, "00"},
        {"+919876543210", true, "0791198967452301"},
        // Published examples: a Swedish mobile, national and international, and two SMSCs.
        {"+46708251358", false, "0B916407281553F8"},
        {"0708251358", false, "0A817080523185"},
        {"+491710760000", true, "0791947101670000"},
        {"+358508771010", true, "0791535880770101"},
        {"+123", true, "039121F3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeAddress(QString::fromLatin1(c.number), c.smsc), QLatin1String(c.field))
            << c.number << (c.smsc ? " as SMSC" : "");
}

TEST(Ucs2HexTest, TextAndHexConvertBothWays)
{
    const struct
    {
        QString text;
        const char* hex;
    } cases[] = {
        {QStringLiteral("Hi"), "00480069"},
        {QStringLiteral("hello"), "00680065006C006C006F"},
        {QStringLiteral("€ä中"), "20AC00E44E2D"},
        {QStringLiteral("😀"), "D83DDE00"},
        {QString(), ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToUcs2Hex(c.text), QLatin1String(c.hex));
        EXPECT_EQ(fromUcs2Hex(QString::fromLatin1(c.hex)), c.text);
        EXPECT_EQ(fromUcs2Hex(QString::fromLatin1(c.hex).toLower()), c.text);
    }
}

TEST(Ucs2HexTest, MalformedHexIsRefused)
{
    for (const QString& hex :
         {QStringLiteral("004"), QStringLiteral("00480G69"), QStringLiteral("+CSCA")})
        EXPECT_EQ(fromUcs2Hex(hex), std::nullopt) << hex.toStdString();
}

} // namespace

#include "modem/GsmAlphabet.h"
#include "modem/SeptetPacking.h"

#include <gtest/gtest.h>

namespace {

// Every character the GSM default alphabet and its escape table can carry.
const QString gsmRepertoire =
    QStringLiteral("@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
                   "¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà"
                   "\f^{}\\[~]|€");

TEST(GsmAlphabetTest, CharactersBecomeTheirSeptets)
{
    const struct
    {
        QString text;
        Septets septets;
    } cases[] = {
        {QStringLiteral("["), {0x1B, 0x3C}},
        {QStringLiteral("@"), {0x00}},
        {QStringLiteral("¡"), {0x40}},
        {QStringLiteral("|"), {0x1B, 0x40}},
        {QStringLiteral("€"), {0x1B, 0x65}},
        {QStringLiteral("\f"), {0x1B, 0x0A}},
        {QStringLiteral("$_Δ£à"), {0x02, 0x11, 0x10, 0x01, 0x7F}},
        {QStringLiteral("Az\n"), {0x41, 0x7A, 0x0A}},
        // Outside the alphabet a character goes as its nearest GSM characters, else "?":
        // never as the letter its low seven bits happen to name (í would be m).
        {QStringLiteral("`"), {0x27}},
        {QStringLiteral("í"), {0x69}},
        {QStringLiteral("…"), {0x2E, 0x2E, 0x2E}},
        {QStringLiteral("\t"), {0x20}},
        {QStringLiteral("中"), {0x3F}},
        {QString(), {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToGsmSeptets(c.text), c.septets) << c.text.toStdString();
        EXPECT_EQ(gsmSeptetCount(c.text), static_cast<qsizetype>(c.septets.size()))
            << c.text.toStdString();
    }
}

TEST(GsmAlphabetTest, PackingMatchesKnownVectors)
{
    const struct
    {
        QString text;
        const char* hex;
        bool oneBit;
    } cases[] = {
        {QStringLiteral("hello"), "E8329BFD06", false},
        {QStringLiteral("hellohello"), "E8329BFD4697D9EC37", false},
        {QStringLiteral("12345678"), "31D98C56B3DD70", false}, // eight septets fill seven octets
        {QStringLiteral("1234567"), "31D98C56B3DD00", true},   // seven leave one bit in the last
        {QStringLiteral("@"), "00", false},
        {QString(), "", false},
    };
    for (const auto& c : cases) {
        const PackedSeptets packed = PackSeptets(ToGsmSeptets(c.text));
        EXPECT_EQ(packed.hex, QLatin1String(c.hex)) << c.text.toStdString();
        EXPECT_EQ(packed.lastOctetHasOneBit, c.oneBit) << c.text.toStdString();
    }
}

TEST(GsmAlphabetTest, WholeRepertoireSurvivesPackingAndUnpacking)
{
    // Every length modulo 8 passes through the packer's partial last octet.
    for (qsizetype length = gsmRepertoire.size() - 8; length <= gsmRepertoire.size(); ++length) {
        const QString text = gsmRepertoire.left(length);
        const Septets septets = ToGsmSeptets(text);
        const PackedSeptets packed = PackSeptets(septets);
        const auto septetCount = static_cast<qsizetype>(septets.size());
        EXPECT_EQ(packed.hex.size(), (septetCount * 7 + 7) / 8 * 2);
        EXPECT_EQ(gsmPackedHexToText(packed.hex, septetCount), text) << length;
        EXPECT_EQ(gsmPackedHexToText(packed.hex.toLower(), septetCount), text) << length;
    }
}

TEST(GsmAlphabetTest, ReceiverViewOfEscapes)
{
    const struct
    {
        Septets septets;
        QString text;
    } cases[] = {
        {{0x1B, 0x3C, 0x1B, 0x65}, QStringLiteral("[€")},
        {{0x1B, 0x41}, QStringLiteral("A")}, // unknown extension: the default character
        {{0x1B, 0x1B, 0x41}, QStringLiteral(" A")},
        {{0x41, 0x1B}, QStringLiteral("A ")}, // the first half of a pair cut off by a part end
        {{0x3C}, QStringLiteral("<")},        // and the second half at the start of the next
    };
    for (const auto& c : cases)
        EXPECT_EQ(septetsToText(c.septets), c.text);
}

TEST(GsmAlphabetTest, UnpackingRefusesShortOrForeignInput)
{
    EXPECT_EQ(unpackSeptets(u"E8329BFD06", 5), (Septets{0x68, 0x65, 0x6C, 0x6C, 0x6F}));
    EXPECT_EQ(unpackSeptets(u"E8329BFD", 5), std::nullopt);
    EXPECT_EQ(unpackSeptets(u"E8329BFD0", 5), std::nullopt);
    EXPECT_EQ(unpackSeptets(u"E8329BFDZ6", 5), std::nullopt);
    EXPECT_EQ(unpackSeptets(u"", 0), Septets{});
}

} // namespace

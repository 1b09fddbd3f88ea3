#include "sim/PduDecoder.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <optional>

using sim::DecodedSubmit;
using sim::decodeSubmitPdu;

namespace {

struct Vector
{
    const char* name;
    const char* hex;
    const char* smsc;
    const char* destination;
    int dcs;
    std::optional<int> messageClass;
    QString text;
    int tpduLength;
    std::optional<int> reference; // concatenation
    int part;
    int total;
};

// Published examples where they exist; the escape and 16-bit-reference rows are packed from
// the same alphabet tables by hand.
const Vector kVectors[] = {
    // The classic "hellohello" SMS-SUBMIT: modem's SMSC, 11-digit international number,
    // relative validity AA (4 days).
    {"Gsm7Classic", "0011000B916407281553F80000AA0AE8329BFD4697D9EC37", "", "+46708251358", 0x00,
     std::nullopt, "hellohello", 23, std::nullopt, 1, 1},
    // 8-bit data, class 2 (DCS F6), with an SMSC in the PDU and a national number: the 8-bit
    // payload shows as hex.
    {"EightBitWithSmsc", "079194710167000011000781214365F700F6AA0568656C6C6F", "+491710760000",
     "1234567", 0xF6, 2, "68656C6C6F", 17, std::nullopt, 1, 1},
    // UCS2 "hello", no validity period (first octet 01): AT+CMGS=23.
    {"Ucs2NoValidity", "0001000B813124819396F300080A00680065006C006C006F", "", "13421839693", 0x08,
     std::nullopt, "hello", 23, std::nullopt, 1, 1},
    // Flash (class 0) GSM text.
    {"FlashGsm7", "0011000B916407281553F80010AA0AE8329BFD4697D9EC37", "", "+46708251358", 0x10, 0,
     "hellohello", 23, std::nullopt, 1, 1},
    // UCS2 class 0, with characters outside the basic plane (a surrogate pair) and Cyrillic.
    {"FlashUcs2", "0011000B916407281553F800188F10D83DDE00041F04400438043204350442", "",
     "+46708251358", 0x18, 0, QStringLiteral(u"\U0001F600Привет"), 30, std::nullopt, 1, 1},
    // Extension table: euro, brackets; plus @ and £ from the default table.
    {"EscapesAndEuro", "0011000B916407281553F80000AA0DB54D19B4E1BDD71B1F081000", "", "+46708251358",
     0x00, std::nullopt, QStringLiteral(u"5€ [ok] @£"), 26, std::nullopt, 1, 1},
    // Concatenated, 8-bit reference: the 6-octet header leaves one fill bit before the text.
    {"Concat8BitFillBit", "0041000B916407281553F800000E05000303030182C221B1683C02", "",
     "+46708251358", 0x00, std::nullopt, "ABCDEFG", 26, 3, 1, 3},
    {"Concat8BitLastPart", "0041000B916407281553F8000011050003030303A2D229B56ABD62B35A", "",
     "+46708251358", 0x00, std::nullopt, "QRSTUVWXYZ", 28, 3, 3, 3},
    // Concatenated, 16-bit reference: the 7-octet header needs no fill bits.
    {"Concat16Bit", "0051000B916407281553F800008F0D060804ABCD0201E8329BFD06", "", "+46708251358",
     0x00, std::nullopt, "hello", 26, 0xABCD, 1, 2},
    // A header with another element (reply address, 10 octets): three fill bits.
    {"OtherHeaderElement",
     "0041000B916407281553F80000190A22080B912143658709F180B2CBE17919242FC3D979", "", "+46708251358",
     0x00, std::nullopt, "Please reply", 35, std::nullopt, 1, 1},
};

} // namespace

class PduVectorTest : public ::testing::TestWithParam<Vector>
{};

TEST_P(PduVectorTest, DecodesPublishedVector)
{
    const Vector& v = GetParam();
    QString error;
    const auto pdu = decodeSubmitPdu(v.hex, true, &error);
    ASSERT_TRUE(pdu) << error.toStdString();
    EXPECT_EQ(pdu->smsc, QString::fromLatin1(v.smsc));
    EXPECT_EQ(pdu->destination, QString::fromLatin1(v.destination));
    EXPECT_EQ(pdu->dcs, v.dcs);
    EXPECT_EQ(pdu->coding.messageClass, v.messageClass);
    EXPECT_EQ(pdu->text, v.text);
    EXPECT_EQ(pdu->tpduLength, v.tpduLength);
    ASSERT_EQ(pdu->concatenation.has_value(), v.reference.has_value());
    if (v.reference) {
        EXPECT_EQ(pdu->concatenation->reference, *v.reference);
        EXPECT_EQ(pdu->concatenation->part, v.part);
        EXPECT_EQ(pdu->concatenation->total, v.total);
    }
}

INSTANTIATE_TEST_SUITE_P(Vectors, PduVectorTest, ::testing::ValuesIn(kVectors),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PduDecoderTest, ReadsHeaderFieldsOfTheSubmit)
{
    // TP-RD, TP-SRR and relative validity 0x8F (12 hours), TP-MR 0x2A, PID 0x00.
    const auto pdu = decodeSubmitPdu("00352A0B916407281553F800008F0AE8329BFD4697D9EC37", true);
    ASSERT_TRUE(pdu);
    EXPECT_TRUE(pdu->rejectDuplicates());
    EXPECT_TRUE(pdu->statusReportRequested());
    EXPECT_FALSE(pdu->hasUserDataHeader());
    EXPECT_EQ(pdu->messageReference, 0x2A);
    EXPECT_EQ(pdu->validityMinutes, 12 * 60);
    EXPECT_EQ(pdu->destinationType, 0x91);
}

TEST(PduDecoderTest, WithoutSmscPrefixStartsAtTheFirstOctet)
{
    const auto pdu = decodeSubmitPdu("11000B916407281553F80000AA0AE8329BFD4697D9EC37", false);
    ASSERT_TRUE(pdu);
    EXPECT_EQ(pdu->text, "hellohello");
    EXPECT_EQ(pdu->tpduLength, 23);
}

struct Malformed
{
    const char* name;
    const char* hex;
};

const Malformed kMalformed[] = {
    {"OddHexLength", "0011000B916407281553F80000AA0AE8329BFD4697D9EC3"},
    {"NotHex", "0011000B916407281553F80000AA0AE8329BFD4697D9ECXY"},
    {"Empty", ""},
    {"OnlySmsc", "00"},
    {"SmscLongerThanPdu", "0791947101"},
    {"NotASubmit", "0004000B916407281553F80000AA0AE8329BFD4697D9EC37"},
    {"AddressCutShort", "0011000B916407"},
    {"EmptyDestination", "001100008100000000"},
    // An empty number written as a lone "00" leaves out the type octet: every field shifts.
    {"EmptyDestinationWithoutType", "0011000000008F00"},
    {"FillerInsideNumber", "0011000B91F407281553F80000AA0AE8329BFD4697D9EC37"},
    {"NoFillerAfterOddNumber", "0011000B916407281553080000AA0AE8329BFD4697D9EC37"},
    {"ValidityMissing", "0011000B916407281553F80000"},
    // UDL 11 septets needs 10 octets; 9 are there.
    {"UserDataLengthTooLong", "0011000B916407281553F80000AA0BE8329BFD4697D9EC37"},
    {"UserDataLengthShort", "0011000B916407281553F80000AA09E8329BFD4697D9EC37"},
    {"TrailingOctet", "0011000B916407281553F80000AA0AE8329BFD4697D9EC3700"},
    {"SeptetsOver160", "0011000B916407281553F80000AAA1"},
    {"Ucs2OddOctets", "0011000B916407281553F80008AA03004800"},
    {"HeaderLongerThanData", "0051000B916407281553F80000AA0209E8"},
    {"ConcatPartZero", "0051000B916407281553F800008F0D060804ABCD0200E8329BFD06"},
    {"ConcatPartBeyondTotal", "0051000B916407281553F800008F0D060804ABCD0203E8329BFD06"},
    {"ConcatElementWrongLength", "0051000B916407281553F800008F0D0608030102020100329BFD06"},
    {"CompressedText", "0011000B916407281553F80020AA0AE8329BFD4697D9EC37"},
};

class MalformedPduTest : public ::testing::TestWithParam<Malformed>
{};

TEST_P(MalformedPduTest, IsRejectedWithAReason)
{
    QString error;
    EXPECT_FALSE(decodeSubmitPdu(GetParam().hex, true, &error));
    EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Inputs, MalformedPduTest, ::testing::ValuesIn(kMalformed),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PduReassemblyTest, JoinsPartsInPartOrder)
{
    std::vector<DecodedSubmit> parts;
    for (const char* hex : {"0041000B916407281553F8000011050003030303A2D229B56ABD62B35A",
                            "0041000B916407281553F80000100500030303029049E592D9743EA1",
                            "0041000B916407281553F800000E05000303030182C221B1683C02"}) {
        const auto part = decodeSubmitPdu(hex, true);
        ASSERT_TRUE(part);
        parts.push_back(*part);
    }
    EXPECT_EQ(sim::reassembleText(parts), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST(PduReassemblyTest, EscapePairCutBetweenPartsIsReadWhole)
{
    // The first part ends with the escape septet, the second starts with the euro's code.
    const auto part1 = decodeSubmitPdu("0051000B916407281553F800008F0B06080400010201"
                                       "61F106",
                                       true);
    const auto part2 = decodeSubmitPdu("0051000B916407281553F800008F0B06080400010202"
                                       "E53119",
                                       true);
    ASSERT_TRUE(part1);
    ASSERT_TRUE(part2);
    EXPECT_EQ(part1->text, "ab");
    EXPECT_EQ(part2->text, "ecd"); // alone, the euro's code is a plain "e"
    EXPECT_EQ(sim::reassembleText({*part2, *part1}), QStringLiteral(u"ab€cd"));
}

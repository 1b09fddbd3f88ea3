#include "modem/PduEncoder.h"

#include "PduReader.h"
#include "modem/Ucs2Hex.h"

#include <gtest/gtest.h>

namespace {

PduOptions options(bool withSmsc, bool flash, bool unicode)
{
    PduOptions result;
    result.withSmsc = withSmsc;
    result.flash = flash;
    result.unicode = unicode;
    return result;
}

TEST(EncodeSubmitPduTest, FieldsComeInOrderWithTheDataCodingScheme)
{
    const struct
    {
        QString text;
        const char* number;
        const char* smsc;
        PduOptions options;
        const char* pdu;
        int tpduLength;
    } cases[] = {
        {QStringLiteral("hello"), "+441234567890", "", options(true, false, false),
         "00"
         "11"
         "00"
         "0C91442143658709"
         "00"
         "00"
         "8F"
         "05"
         "E8329BFD06",
         19},
        {QStringLiteral("hello"), "+441234567890", "", options(true, true, false),
         "00"
         "11"
         "00"
         "0C91442143658709"
         "00"
         "10"
         "8F"
         "05"
         "E8329BFD06",
         19},
        {QStringLiteral("hello"), "+441234567890", "", options(true, false, true),
         "00"
         "11"
         "00"
         "0C91442143658709"
         "00"
         "08"
         "8F"
         "0A"
         "00680065006C006C006F",
         24},
        {QStringLiteral("hello"), "+441234567890", "", options(true, true, true),
         "00"
         "11"
         "00"
         "0C91442143658709"
         "00"
         "18"
         "8F"
         "0A"
         "00680065006C006C006F",
         24},
        // The length AT+CMGS takes leaves the SMSC field out.
        {QStringLiteral("hello"), "+441234567890", "+919876543210", options(true, false, false),
         "0791198967452301"
         "11"
         "00"
         "0C91442143658709"
         "00"
         "00"
         "8F"
         "05"
         "E8329BFD06",
         19},
        // Published examples, with this program's fixed 12-hour validity in place of theirs.
        {QStringLiteral("hellohello"), "+46708251358", "", options(true, false, false),
         "00"
         "11"
         "00"
         "0B916407281553F8"
         "00"
         "00"
         "8F"
         "0A"
         "E8329BFD4697D9EC37",
         23},
        {QStringLiteral("hello"), "13421839693", "", options(false, false, true),
         "11"
         "00"
         "0B813124819396F3"
         "00"
         "08"
         "8F"
         "0A"
         "00680065006C006C006F",
         24},
        // Escapes count as septets of their own.
        {QStringLiteral("[x]"), "12345", "", options(true, false, false),
         "00"
         "11"
         "00"
         "05812143F5"
         "00"
         "00"
         "8F"
         "05"
         "1B1E7EE303",
         16},
        {QString(), "", "", options(true, false, false),
         "00"
         "11"
         "00"
         "00"
         "00"
         "00"
         "8F"
         "00",
         7},
    };
    for (const auto& c : cases) {
        const EncodedPdu encoded = EncodeSubmitPdu(c.text, QString::fromLatin1(c.number),
                                                   QString::fromLatin1(c.smsc), c.options);
        EXPECT_EQ(encoded.pdu, QLatin1String(c.pdu)) << c.text.toStdString();
        EXPECT_EQ(encoded.tpduLength, c.tpduLength) << c.text.toStdString();
    }
}

TEST(EncodeSubmitPduTest, FullGsmMessageFillsOneHundredFortyOctets)
{
    const QString text(160, QLatin1Char('a'));
    const EncodedPdu encoded =
        EncodeSubmitPdu(text, QStringLiteral("+441234567890"), QString(), PduOptions{});
    const SubmitFields fields = readSubmitPdu(encoded.pdu);
    EXPECT_EQ(fields.userDataLength, 0xA0);
    EXPECT_EQ(fields.data.size(), 140 * 2);
    EXPECT_EQ(encoded.tpduLength, 154);
}

TEST(EncodeSubmitPduPartTest, UnicodePartsCarrySixtySixCharactersAfterTheHeader)
{
    QString text;
    for (int i = 0; i < 100; ++i)
        text.append(QChar(0x0410 + i % 32)); // Cyrillic
    const ConcatenatedMessage message(text, QStringLiteral("+441234567890"), QString(), 0x0102,
                                      options(true, true, true));
    ASSERT_EQ(message.partCount(), 2);

    const struct
    {
        int part;
        int userDataLength;
        QString characters;
        const char* header;
    } parts[] = {
        {1, 0x8B, text.left(66),
         "0608040102"
         "02"
         "01"},
        {2, 0x4B, text.mid(66),
         "0608040102"
         "02"
         "02"},
    };
    for (const auto& p : parts) {
        const EncodedPdu encoded = EncodeSubmitPduPart(message, p.part);
        const SubmitFields fields = readSubmitPdu(encoded.pdu);
        EXPECT_EQ(fields.smscField, QLatin1String("00"));
        EXPECT_EQ(fields.firstOctet, 0x51);
        EXPECT_EQ(fields.destinationField, QLatin1String("0C91442143658709"));
        EXPECT_EQ(fields.dataCodingScheme, 0x18);
        EXPECT_EQ(fields.validity, 0x8F);
        EXPECT_EQ(fields.userDataLength, p.userDataLength);
        EXPECT_EQ(fields.header, QLatin1String(p.header));
        EXPECT_EQ(fields.data, ToUcs2Hex(p.characters));
        EXPECT_EQ(encoded.tpduLength, fields.tpduOctets);
    }
    EXPECT_TRUE(EncodeSubmitPduPart(message, 0).isEmpty());
    EXPECT_TRUE(EncodeSubmitPduPart(message, 3).isEmpty());
}

} // namespace

namespace {

// Asking for a status report sets TP-SRR and nothing else: 0x11 becomes 0x31, 0x51 0x71.
TEST(EncodeSubmitPduTest, StatusReportRequestSetsOnlyItsBit)
{
    const QString number = QStringLiteral("+441234567890");
    for (const bool unicode : {false, true}) {
        PduOptions plain = options(true, false, unicode);
        PduOptions asking = plain;
        asking.statusReport = true;
        const QString single = EncodeSubmitPdu(QStringLiteral("hi"), number, {}, plain).pdu;
        const QString reported = EncodeSubmitPdu(QStringLiteral("hi"), number, {}, asking).pdu;
        EXPECT_EQ(reported.mid(2, 2), "31");
        EXPECT_EQ(reported.mid(4), single.mid(4));

        const QString text(200, u'a');
        const EncodedPdu part =
            EncodeSubmitPduPart(ConcatenatedMessage(text, number, {}, 7, plain), 2);
        const EncodedPdu reportedPart =
            EncodeSubmitPduPart(ConcatenatedMessage(text, number, {}, 7, asking), 2);
        EXPECT_EQ(reportedPart.pdu.mid(2, 2), "71");
        EXPECT_EQ(reportedPart.pdu.mid(4), part.pdu.mid(4));
        EXPECT_EQ(reportedPart.tpduLength, part.tpduLength);
    }
}

} // namespace

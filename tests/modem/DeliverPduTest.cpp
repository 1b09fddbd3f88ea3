#include "modem/DeliverPdu.h"

#include "support/QtPrinters.h"

#include <QTimeZone>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QDateTime at(const char* iso, int quarterHours)
{
    const QDateTime local = QDateTime::fromString(QLatin1String(iso), Qt::ISODate);
    return QDateTime(local.date(), local.time(), QTimeZone(quarterHours * 15 * 60));
}

struct DeliverCase
{
    const char* name;
    const char* pdu;
    QString sender;
    AddressKind kind;
    QDateTime stamp;
    MessageCoding coding;
    QString text;
    std::optional<ConcatenationInfo> concatenation = std::nullopt;
    bool flash = false;
};

TEST(DeliverPduTest, DecodesPublishedAndBuiltVectors)
{
    const DeliverCase cases[] = {
        // Published examples: a national number of odd length, 7-bit text; an international one.
        {"hellohello", "07917283010010F5040BC87238880900F10000993092516195800AE8329BFD4697D9EC37",
         u"27838890001"_s, AddressKind::Other, at("2099-03-29T15:16:59", 8), MessageCoding::Gsm7,
         u"hellohello"_s},
        {"how are you",
         "07911326040000F0040B911346610089F60000208062917314080CC8F71D14969741F977FD07",
         u"+31641600986"_s, AddressKind::International, at("2002-08-26T19:37:41", 0),
         MessageCoding::Gsm7, u"How are you?"_s},
        // A sender name, the extension table's euro sign and brackets.
        {"alphanumeric",
         "07914477581006F5040DD0D17A9ACD7EBB010000320112312345000DC8346853AE8136BCF77AE303",
         u"Quillon"_s, AddressKind::Alphanumeric, at("2023-10-21T13:32:54", 0), MessageCoding::Gsm7,
         u"Hi €5 [ok]"_s},
        {"extension table",
         "07914477581006F5040C914477000910320000320112312345000E1B547893DA00C51BCAA6B77901",
         u"+447700900123"_s, AddressKind::International, at("2023-10-21T13:32:54", 0),
         MessageCoding::Gsm7, u"{a}|b^~\\"_s},
        // UCS2 with a surrogate pair; the zone +3:00.
        {"ucs2",
         "07914477581006F5040B919700214365F700083201123123452112041F044004380432043504420020D83D"
         "DE00",
         u"+79001234567"_s, AddressKind::International, at("2023-10-21T13:32:54", 12),
         MessageCoding::Ucs2, u"Привет 😀"_s},
        // Class 0, a zone west of Greenwich (-5:00).
        {"flash", "07914477581006F5040A81602143658700103201123123450A03CEF71D", u"0612345678"_s,
         AddressKind::Other, at("2023-10-21T13:32:54", -20), MessageCoding::Gsm7, u"Now"_s,
         std::nullopt, true},
        // 8-bit data shows as hex; no SMSC field given.
        {"8-bit", "000404919421000432011231234500030102ff", u"+4912"_s, AddressKind::International,
         at("2023-10-21T13:32:54", 0), MessageCoding::EightBit, u"0102FF"_s},
        // Concatenation with an 8-bit reference: a header of 6 octets, one fill bit.
        {"concatenated 8-bit",
         "07914477581006F5440C9144770009103200003201123123450012050003CC0302E6E5F1DB4D06C1C3723A",
         u"+447700900123"_s, AddressKind::International, at("2023-10-21T13:32:54", 0),
         MessageCoding::Gsm7, u"second part"_s, ConcatenationInfo{0xCC, 3, 2, false}},
        {"concatenated 16-bit",
         "07914477581006F5440C914477000910320008320112312345000906080401F4020103A9",
         u"+447700900123"_s, AddressKind::International, at("2023-10-21T13:32:54", 0),
         MessageCoding::Ucs2, u"Ω"_s, ConcatenationInfo{0x01F4, 2, 1, true}},
        // A sequence number beyond the count: the element is ignored, the text kept.
        {"bad sequence", "07914477581006F5440C914477000910320000320112312345000A050003CC0204C2E231",
         u"+447700900123"_s, AddressKind::International, at("2023-10-21T13:32:54", 0),
         MessageCoding::Gsm7, u"abc"_s},
        // An unknown element before the concatenation one is skipped.
        {"other element first",
         "004404912143000832011231234500"
         "0B080A010000030101010041",
         u"+1234"_s, AddressKind::International, at("2023-10-21T13:32:54", 0), MessageCoding::Ucs2,
         u"A"_s, ConcatenationInfo{1, 1, 1, false}},
    };
    for (const DeliverCase& c : cases) {
        SCOPED_TRACE(c.name);
        const DeliverDecoding decoded = decodeDeliverPdu(QString::fromLatin1(c.pdu));
        ASSERT_TRUE(std::holds_alternative<DeliverMessage>(decoded))
            << deliverErrorText(std::get<DeliverError>(decoded)).toStdString();
        const DeliverMessage& message = std::get<DeliverMessage>(decoded);
        EXPECT_EQ(message.sender.text, c.sender);
        EXPECT_EQ(message.sender.kind, c.kind);
        EXPECT_EQ(message.serviceCentreTime, c.stamp);
        EXPECT_EQ(message.serviceCentreTime.offsetFromUtc(), c.stamp.offsetFromUtc());
        EXPECT_EQ(message.coding, c.coding);
        EXPECT_EQ(message.text, c.text);
        EXPECT_EQ(message.concatenation, c.concatenation);
        EXPECT_EQ(message.flash, c.flash);
    }
}

TEST(DeliverPduTest, TellsWhyATextIsNotADeliver)
{
    const struct
    {
        const char* pdu;
        DeliverError error;
    } cases[] = {
        {"07914477581006F5040BZZ", DeliverError::NotHex},
        {"0791447758", DeliverError::SmscCutShort},
        {"", DeliverError::SmscCutShort},
        // SMS-SUBMIT and SMS-STATUS-REPORT are not received messages.
        {"0011000B914477009001F20000AA0548656C6C6F", DeliverError::NotDeliver},
        {"0006D60B911326880736F4111011719551401110117195714000", DeliverError::NotDeliver},
        // 21 digits, and a number cut short.
        {"0004159121436587092143658709214365870921F1", DeliverError::AddressInvalid},
        {"00040B91214365", DeliverError::AddressInvalid},
        {"0004049121430000320112312345", DeliverError::CutShort},
        {"000404912143000032011231234500", DeliverError::CutShort},
        // Ten septets claimed, three octets given; a header longer than the user data.
        {"0004049121430000320112312345000AC8F71D", DeliverError::UserDataCutShort},
        {"0004049121430000320112312345000AC8F71D14969741F9", DeliverError::UserDataCutShort},
        {"00440491214300083201123123450004070003CC", DeliverError::HeaderInvalid},
        {"0044049121430008320112312345000403000301", DeliverError::HeaderInvalid},
        {"004404912143000832011231234500", DeliverError::CutShort},
        {"00440491214300083201123123450000", DeliverError::HeaderInvalid},
    };
    for (const auto& c : cases) {
        const DeliverDecoding decoded = decodeDeliverPdu(QString::fromLatin1(c.pdu));
        ASSERT_TRUE(std::holds_alternative<DeliverError>(decoded)) << c.pdu;
        EXPECT_EQ(std::get<DeliverError>(decoded), c.error) << c.pdu;
        EXPECT_FALSE(deliverErrorText(c.error).isEmpty());
    }
}

TEST(DeliverPduTest, ReadsTheAlphabetOfEveryCodingGroup)
{
    // The same two user-data octets under each DCS.
    const struct
    {
        int dcs;
        MessageCoding coding;
        bool flash;
    } cases[] = {
        {0x00, MessageCoding::Gsm7, false},    {0x04, MessageCoding::EightBit, false},
        {0x08, MessageCoding::Ucs2, false},    {0x0C, MessageCoding::Gsm7, false},
        {0x10, MessageCoding::Gsm7, true},     {0x18, MessageCoding::Ucs2, true},
        {0x11, MessageCoding::Gsm7, false},    {0x24, MessageCoding::EightBit, false},
        {0x48, MessageCoding::Ucs2, false},    {0x80, MessageCoding::Gsm7, false},
        {0xC0, MessageCoding::Gsm7, false},    {0xD8, MessageCoding::Gsm7, false},
        {0xE0, MessageCoding::Ucs2, false},    {0xF0, MessageCoding::Gsm7, true},
        {0xF4, MessageCoding::EightBit, true}, {0xF5, MessageCoding::EightBit, false},
    };
    for (const auto& c : cases) {
        const QString pdu = QStringLiteral("00040491214300") +
                            QStringLiteral("%1").arg(c.dcs, 2, 16, QLatin1Char('0')) +
                            QStringLiteral("32011231234500024142");
        const DeliverDecoding decoded = decodeDeliverPdu(pdu);
        ASSERT_TRUE(std::holds_alternative<DeliverMessage>(decoded)) << c.dcs;
        const DeliverMessage& message = std::get<DeliverMessage>(decoded);
        EXPECT_EQ(message.coding, c.coding) << c.dcs;
        EXPECT_EQ(message.flash, c.flash) << c.dcs;
        EXPECT_EQ(message.dataCoding, c.dcs);
    }
}

} // namespace

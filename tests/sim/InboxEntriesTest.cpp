#include "modem/DeliverPdu.h"
#include "sim/Inbox.h"
#include "sim/SimError.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// The simulator's SMS-DELIVER parts, read back with the program's own decoder: two
// independent codecs that must agree.

namespace {

const QDateTime Now(QDate(2026, 5, 6), QTime(7, 8, 9), Qt::UTC);

std::vector<DeliverMessage> decoded(const std::vector<sim::InboxEntry>& entries)
{
    std::vector<DeliverMessage> messages;
    for (const sim::InboxEntry& entry : entries) {
        const DeliverDecoding decoding = decodeDeliverPdu(QString::fromLatin1(entry.pdu));
        EXPECT_TRUE(std::holds_alternative<DeliverMessage>(decoding)) << entry.pdu.toStdString();
        if (const auto* message = std::get_if<DeliverMessage>(&decoding))
            messages.push_back(*message);
        EXPECT_EQ(entry.tpduLength * 2 + 2 + 2 * entry.pdu.left(2).toInt(nullptr, 16),
                  entry.pdu.size());
    }
    return messages;
}

TEST(InboxEntriesTest, LongTextsSplitWithoutCuttingAPairAndDecodeBack)
{
    const struct
    {
        const char* name;
        QString text;
        std::vector<int> partLengths; // in UTF-16 units of each part's text
        MessageCoding coding;
    } cases[] = {
        {"one GSM part", QString(160, u'a'), {160}, MessageCoding::Gsm7},
        {"two GSM parts", QString(161, u'a'), {153, 8}, MessageCoding::Gsm7},
        // The euro sign is an escape pair: it would straddle septets 153 and 154.
        {"escape pair kept whole",
         QString(152, u'a') + u"€"_s + QString(10, u'b'),
         {152, 11},
         MessageCoding::Gsm7},
        {"one UCS2 part", QString(70, u'Ж'), {70}, MessageCoding::Ucs2},
        // A surrogate pair would straddle units 67 and 68.
        {"surrogate pair kept whole",
         QString(66, u'Ж') + u"😀"_s + QString(10, u'Ж'),
         {66, 12},
         MessageCoding::Ucs2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int reference = 0x1FF;
        const std::vector<DeliverMessage> parts = decoded(sim::inboxEntriesFor(
            u"sms from=+447700900123 text="_s + c.text, u"+447785016005"_s, reference, Now));
        ASSERT_EQ(parts.size(), c.partLengths.size());
        QString joined;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            EXPECT_EQ(parts[i].text.size(), c.partLengths[i]) << i;
            EXPECT_EQ(parts[i].coding, c.coding);
            EXPECT_EQ(parts[i].sender.text, "+447700900123");
            EXPECT_EQ(parts[i].serviceCentreTime, Now);
            if (parts.size() > 1) {
                ASSERT_TRUE(parts[i].concatenation.has_value());
                EXPECT_EQ(parts[i].concatenation->reference, 0xFF); // 8 bits of the counter
                EXPECT_EQ(parts[i].concatenation->sequence, int(i) + 1);
                EXPECT_EQ(parts[i].concatenation->count, int(parts.size()));
            } else {
                EXPECT_FALSE(parts[i].concatenation.has_value());
            }
            joined += parts[i].text;
        }
        EXPECT_EQ(joined, c.text);
        EXPECT_EQ(reference, 0x200);
    }
}

TEST(InboxEntriesTest, ChosenPartsSendersAndCodings)
{
    int reference = 0x1234;
    const std::vector<DeliverMessage> parts = decoded(sim::inboxEntriesFor(
        u"sms from=Bank ref16 parts=3,1 text="_s + QString(400, u'x'), {}, reference, Now));
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].sender.text, "Bank");
    EXPECT_EQ(parts[0].sender.kind, AddressKind::Alphanumeric);
    EXPECT_EQ(parts[0].concatenation, (ConcatenationInfo{0x1234, 3, 3, true}));
    EXPECT_EQ(parts[1].concatenation, (ConcatenationInfo{0x1234, 3, 1, true}));

    const std::vector<DeliverMessage> data = decoded(
        sim::inboxEntriesFor(u"sms from=0612 coding=8bit text=00ff10"_s, {}, reference, Now));
    ASSERT_EQ(data.size(), 1u);
    EXPECT_EQ(data[0].coding, MessageCoding::EightBit);
    EXPECT_EQ(data[0].text, "00FF10");
    EXPECT_EQ(data[0].sender.kind, AddressKind::Other);

    const std::vector<sim::InboxEntry> given = sim::inboxEntriesFor(
        u"pdu 07917283010010F5040BC87238880900F10000993092516195800AE8329BFD4697D9EC37"_s, {},
        reference, Now);
    ASSERT_EQ(given.size(), 1u);
    EXPECT_EQ(given[0].tpduLength, 28);
    EXPECT_EQ(std::get<DeliverMessage>(decodeDeliverPdu(QString::fromLatin1(given[0].pdu))).text,
              "hellohello");
}

TEST(InboxEntriesTest, RefusesLinesItCannotRead)
{
    int reference = 1;
    for (const QString& line :
         {u"mms from=1 text=x"_s, u"sms text=no sender"_s, u"sms from=1"_s,
          u"sms from=1 coding=7bit text=x"_s, u"sms from=1 coding=8bit text=xyz"_s,
          u"sms from=1 parts=3 text=short"_s, u"sms from=1 parts=0 text=x"_s,
          u"sms from=1 colour=red text=x"_s, u"pdu 0791"_s, u"pdu zz"_s}) {
        EXPECT_THROW(sim::inboxEntriesFor(line, {}, reference, Now), sim::SimError)
            << line.toStdString();
    }
}

} // namespace

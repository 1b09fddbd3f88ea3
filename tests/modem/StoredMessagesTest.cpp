#include "modem/StoredMessages.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const char* const HowAreYou =
    "07911326040000F0040B911346610089F60000208062917314080CC8F71D14969741F977FD07";

TEST(StoredMessagesTest, ListsReceivedMessagesInPduMode)
{
    const QString answer =
        QStringLiteral("\r\n+CMGL: 1,0,,39\r\n%1\r\n"
                       "+CMGL: 2,1,\"\",39\r\n%1\r\n"
                       // A stored outgoing message, then an unreadable one.
                       "+CMGL: 3,2,,20\r\n0011000B914477009001F20000AA0548656C6C6F\r\n"
                       "+CMGL: 4,0,,5\r\n00040B91\r\n"
                       "\r\nOK\r\n")
            .arg(QLatin1String(HowAreYou));
    const StoredMessageList list = parseStoredMessageList(answer, true);
    ASSERT_EQ(list.messages.size(), 2u);
    EXPECT_EQ(list.messages[0].index, 1);
    EXPECT_FALSE(list.messages[0].read);
    EXPECT_EQ(list.messages[1].index, 2);
    EXPECT_TRUE(list.messages[1].read);
    EXPECT_EQ(list.messages[1].message.sender.text, "+31641600986");
    EXPECT_EQ(list.messages[1].message.text, "How are you?");
    EXPECT_EQ(list.unreadable, std::vector<int>{4});

    const std::optional<StoredMessage> read = parseStoredMessage(
        QStringLiteral("+CMGR: 0,,39\r\n%1\r\nOK").arg(QLatin1String(HowAreYou)), true);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->index, -1);
    EXPECT_EQ(read->message.text, "How are you?");
}

TEST(StoredMessagesTest, ListsReceivedMessagesInTextMode)
{
    const struct
    {
        const char* name;
        QString answer;
        QString charset;
        QString sender;
        AddressKind kind;
        QString text;
        MessageCoding coding;
    } cases[] = {
        {"IRA, several lines",
         u"+CMGL: 5,\"REC UNREAD\",\"+447700900123\",,\"23/10/21,13:32:54+04\",145,12\r\n"
         "first line\r\n\r\nthird\r\nOK\r\n"_s,
         u"IRA"_s, u"+447700900123"_s, AddressKind::International, u"first line\n\nthird"_s,
         MessageCoding::Gsm7},
        // Type 145 without the "+"; the text exactly the hex of its octets: UCS2.
        {"UCS2 data in IRA",
         u"+CMGL: 5,\"REC READ\",\"447700900123\",,\"23/10/21,13:32:54+04\",145,4\r\n"
         "041F0440\r\nOK"_s,
         u"IRA"_s, u"+447700900123"_s, AddressKind::International, u"Пр"_s, MessageCoding::Ucs2},
        {"everything in UCS2",
         u"+CMGL: 5,\"REC UNREAD\",\"002B0034\",,\"23/10/21,13:32:54+04\",145,3\r\n"
         "00480069D83DDE00\r\nOK"_s,
         u"UCS2"_s, u"+4"_s, AddressKind::International, u"Hi😀"_s, MessageCoding::Gsm7},
        {"a sender name",
         u"+CMGL: 5,\"REC UNREAD\",\"Bank\",,\"23/10/21,13:32:54+04\",208,4\r\nABCD\r\nOK"_s,
         u"IRA"_s, u"Bank"_s, AddressKind::Alphanumeric, u"ABCD"_s, MessageCoding::Gsm7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const StoredMessageList list = parseStoredMessageList(c.answer, false, c.charset);
        ASSERT_EQ(list.messages.size(), 1u);
        const StoredMessage& stored = list.messages[0];
        EXPECT_EQ(stored.index, 5);
        EXPECT_EQ(stored.message.sender.text, c.sender);
        EXPECT_EQ(stored.message.sender.kind, c.kind);
        EXPECT_EQ(stored.message.text, c.text);
        EXPECT_EQ(stored.message.coding, c.coding);
        EXPECT_EQ(stored.message.serviceCentreTime.offsetFromUtc(), 3600);
        EXPECT_EQ(stored.message.serviceCentreTime.date(), QDate(2023, 10, 21));
    }
}

TEST(StoredMessagesTest, ReadsTheDcsOfATextModeCmgrWithHeaderDetails)
{
    const std::optional<StoredMessage> read =
        parseStoredMessage(u"+CMGR: \"REC UNREAD\",\"+4912\",,\"23/10/21,13:32:54+00\",145,4,0,4,"
                           "\"+447785016005\",145,3\r\n0102FF\r\nOK"_s,
                           false);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->message.coding, MessageCoding::EightBit);
    EXPECT_EQ(read->message.text, "0102FF");
}

TEST(StoredMessagesTest, ReadsMessagesHandedOverDirectly)
{
    const QString pdu = QLatin1String(HowAreYou);
    const QString stamp = u"\"23/10/21,13:32:54+04\""_s;
    const struct
    {
        const char* name;
        QString indication;
        QString charset;
        QString sender; // empty: nothing read
        QString text;
        MessageCoding coding;
    } cases[] = {
        {"PDU",
         u"+CMT: ,39\n"_s + pdu,
         {},
         u"+31641600986"_s,
         u"How are you?"_s,
         MessageCoding::Gsm7},
        {"PDU with alpha",
         u"+CMT: \"Jan\",39\n"_s + pdu.toLower(),
         {},
         u"+31641600986"_s,
         u"How are you?"_s,
         MessageCoding::Gsm7},
        {"text",
         u"+CMT: \"+447700900123\",,"_s + stamp + u"\nSTOP"_s,
         {},
         u"+447700900123"_s,
         u"STOP"_s,
         MessageCoding::Gsm7},
        {"text with alpha and a comma",
         u"+CMT: \"+447700900123\",\"Bob\","_s + stamp + u"\nhello, world"_s,
         {},
         u"+447700900123"_s,
         u"hello, world"_s,
         MessageCoding::Gsm7},
        {"text with header details, UCS2 data",
         u"+CMT: \"447700900123\",,"_s + stamp + u",145,4,0,8,\"+447785016005\",145,4\n00480069"_s,
         {},
         u"+447700900123"_s,
         u"Hi"_s,
         MessageCoding::Ucs2},
        {"text in the UCS2 set", u"+CMT: \"002B00340034\",,"_s + stamp + u"\n00480069"_s, u"UCS2"_s,
         u"+44"_s, u"Hi"_s, MessageCoding::Gsm7},
        {"text in the UCS2 set, not said",
         u"+CMT: \"002B00340034\",,"_s + stamp + u"\n00480069"_s,
         {},
         u"+44"_s,
         u"Hi"_s,
         MessageCoding::Gsm7},
        {"digits that are no UCS2",
         u"+CMT: \"447700900123\",,"_s + stamp + u"\n0048"_s,
         {},
         u"447700900123"_s,
         u"0048"_s,
         MessageCoding::Gsm7},
        {"text over several lines, with its length",
         u"+CMT: \"+447700900123\",,"_s + stamp +
             u",145,4,0,0,\"+447785016005\",145,12\nhi\nOK\r\nthere"_s,
         {},
         u"+447700900123"_s,
         u"hi\nOK\r\nthere"_s,
         MessageCoding::Gsm7},
        {"header without its body", u"+CMT: ,39"_s, {}, {}, {}, MessageCoding::Gsm7},
        {"body that is no PDU", u"+CMT: ,39\nOK"_s, {}, {}, {}, MessageCoding::Gsm7},
        {"a stored one", u"+CMTI: \"SM\",3\nx"_s, {}, {}, {}, MessageCoding::Gsm7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<DeliverMessage> message = parseCmtIndication(c.indication, c.charset);
        if (c.sender.isEmpty()) {
            EXPECT_FALSE(message.has_value());
            continue;
        }
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->sender.text, c.sender);
        EXPECT_EQ(message->text, c.text);
        EXPECT_EQ(message->coding, c.coding);
        EXPECT_TRUE(message->serviceCentreTime.isValid());
    }
}

TEST(StoredMessagesTest, ReadsIndicationsAndStorageCounts)
{
    const std::optional<NewMessageIndex> index = parseCmtiLine(u"+CMTI: \"SM\",12");
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(index->store, "SM");
    EXPECT_EQ(index->index, 12);
    EXPECT_FALSE(parseCmtiLine(u"+CDSI: \"SR\",3").has_value());

    const std::optional<StorageUse> named =
        parseStorageUse(u"+CPMS: \"SM\",30,30,\"SM\",30,30,\"ME\",0,100\r\nOK"_s);
    ASSERT_TRUE(named.has_value());
    EXPECT_EQ(named->store, "SM");
    EXPECT_TRUE(named->full());
    const std::optional<StorageUse> set = parseStorageUse(u"+CPMS: 3,30,3,30,3,30\r\nOK"_s);
    ASSERT_TRUE(set.has_value());
    EXPECT_EQ(set->used, 3);
    EXPECT_FALSE(set->full());
    EXPECT_FALSE(parseStorageUse(u"OK"_s).has_value());

    EXPECT_EQ(receivedMessageStore(u"+CPMS: \"SM\",1,30,\"SM\",1,30,\"ME\",0,100\r\nOK"_s), "ME");
    EXPECT_EQ(receivedMessageStore(u"+CPMS: \"SM\",1,30\r\nOK"_s), "SM");
    EXPECT_EQ(receivedMessageStore(u"ERROR"_s), "");
}

} // namespace

#include "modem/InboxCommands.h"
#include "modem/ModemCommands.h"
#include "support/QtPrinters.h"
#include "support/SimulatedModem.h"
#include "support/WaitUntil.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

// Messages the network delivers to a simulated modem, through its control FIFO: announced
// with +CMTI, listed from "SM" in both modes, long ones in parts, a full storage.

namespace {

class SimulatedInboxTest : public SimulatedModemTest
{
protected:
    void deliver(const QString& line)
    {
        QFile fifo(QString::fromStdString(modems.simulator().controlPath(Port).string()));
        ASSERT_TRUE(fifo.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        ASSERT_GT(fifo.write((line + u'\n').toUtf8()), 0);
    }

    // Idle commands until count "+CMTI" lines came.
    QList<QByteArray> indications(int count)
    {
        QList<QByteArray> found;
        for (int round = 0; round < 200 && found.size() < count; ++round) {
            sendCommand(channel, "AT\r");
            for (const QByteArray& line : channel.takeUnsolicited()) {
                if (line.startsWith("+CMTI:"))
                    found.append(line);
            }
        }
        return found;
    }

    std::vector<StoredMessage> listed(bool pduMode, const QString& charset = {})
    {
        const std::optional<StorageListing> listing =
            listReceivedMessages(channel, pduMode, charset);
        EXPECT_TRUE(listing.has_value());
        return listing ? listing->list.messages : std::vector<StoredMessage>{};
    }
};

TEST_F(SimulatedInboxTest, MessagesOfEveryKindAreAnnouncedAndListed)
{
    startModem();
    ASSERT_TRUE(sendCommand(channel, "AT+CNMI=2,1,0,0,0\r"));
    const QString longText = QString(200, u'x') + u"{end}"_s;
    deliver(u"sms from=+447700900123 text=STOP"_s);
    deliver(u"sms from=+79001234567 text=Привет 😀"_s);
    deliver(u"sms from=Bank coding=8bit text=0102FF"_s);
    deliver(u"sms from=+447700900123 ref16 parts=2,1 text="_s + longText);
    const QList<QByteArray> announced = indications(5);
    ASSERT_EQ(announced.size(), 5);
    EXPECT_EQ(announced[0], "+CMTI: \"SM\",1");

    for (const bool pduMode : {true, false}) {
        SCOPED_TRACE(pduMode ? "pdu" : "text");
        if (!pduMode) {
            ASSERT_TRUE(SelectTextMode(channel));
            ASSERT_TRUE(selectCharset(channel, u"UCS2"_s));
        }
        const std::vector<StoredMessage> messages =
            listed(pduMode, pduMode ? QString() : u"UCS2"_s);
        ASSERT_EQ(messages.size(), 5u);
        EXPECT_EQ(messages[0].message.sender.text, "+447700900123");
        EXPECT_EQ(messages[0].message.text, "STOP");
        EXPECT_EQ(messages[1].message.text, u"Привет 😀"_s);
        EXPECT_EQ(messages[2].message.sender.text, "Bank");
        EXPECT_EQ(messages[2].message.text, "0102FF");
        EXPECT_EQ(messages[3].message.text + messages[4].message.text,
                  longText.mid(153) + longText.left(153));
        if (pduMode) {
            EXPECT_EQ(messages[1].message.coding, MessageCoding::Ucs2);
            EXPECT_EQ(messages[2].message.coding, MessageCoding::EightBit);
            EXPECT_EQ(messages[2].message.sender.kind, AddressKind::Alphanumeric);
            ASSERT_TRUE(messages[3].message.concatenation.has_value());
            EXPECT_TRUE(messages[3].message.concatenation->sixteenBitReference);
            EXPECT_EQ(messages[3].message.concatenation->sequence, 2);
            EXPECT_EQ(messages[4].message.concatenation->sequence, 1);
            EXPECT_EQ(messages[3].message.concatenation->reference,
                      messages[4].message.concatenation->reference);
        }
        EXPECT_TRUE(messages[0].message.serviceCentreTime.isValid());
    }
}

TEST_F(SimulatedInboxTest, AFullStorageTakesHeldMessagesAsPlacesFree)
{
    startModem(u"storage=2"_s);
    ASSERT_TRUE(sendCommand(channel, "AT+CNMI=2,1,0,0,0\r"));
    for (int i = 1; i <= 3; ++i)
        deliver(u"sms from=+1555000 text=message %1"_s.arg(i));
    EXPECT_EQ(indications(2).size(), 2);
    std::optional<StorageListing> listing = listReceivedMessages(channel, true);
    ASSERT_TRUE(listing.has_value());
    ASSERT_TRUE(listing->use.has_value());
    EXPECT_TRUE(listing->use->full());
    EXPECT_EQ(listing->store, "SM");
    ASSERT_EQ(listing->list.messages.size(), 2u);

    // The held third one comes into the place the first leaves.
    ASSERT_TRUE(deleteStoredMessage(channel, listing->list.messages[0].index));
    EXPECT_EQ(indications(1), QList<QByteArray>{"+CMTI: \"SM\",1"});
    listing = listReceivedMessages(channel, true);
    ASSERT_EQ(listing->list.messages.size(), 2u);
    EXPECT_EQ(listing->list.messages[0].message.text, "message 3");
    EXPECT_EQ(listing->list.messages[1].message.text, "message 2");
}

TEST_F(SimulatedInboxTest, APduIsStoredAsGivenAndNothingIsAnnouncedUnasked)
{
    startModem();
    deliver(u"pdu 07917283010010F5040BC87238880900F10000993092516195800AE8329BFD4697D9EC37"_s);
    deliver(u"nonsense"_s); // the simulator says why on its error output and goes on
    ASSERT_TRUE(waitUntil([&] { return !listed(true).empty(); }));
    EXPECT_TRUE(indications(1).isEmpty());
    const std::vector<StoredMessage> messages = listed(true);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message.text, "hellohello");
}

// A modem that hands messages over (+CMT) instead of storing them, with unsolicited lines
// around: each comes whole, header and body, and reads as a stored one would.
TEST_F(SimulatedInboxTest, MessagesHandedOverComeWithTheirBodyInBothModes)
{
    startModem(u"cmt-ack"_s);
    EXPECT_TRUE(directMessagesNeedAcknowledgement(channel));
    for (const bool pduMode : {true, false}) {
        SCOPED_TRACE(pduMode ? "pdu" : "text");
        ASSERT_TRUE(pduMode ? SelectPduMode(channel) : SelectTextMode(channel));
        deliver(u"sms from=+447700900123 text=STOP"_s);
        deliver(u"sms from=+79001234567 text=Привет 😀"_s);
        QList<DeliverMessage> messages;
        for (int round = 0; round < 200 && messages.size() < 2; ++round) {
            ASSERT_TRUE(sendCommand(channel, "AT+CSQ\r"));
            for (const QByteArray& line : channel.takeUnsolicited()) {
                if (!line.startsWith("+CMT:"))
                    continue;
                const std::optional<DeliverMessage> message =
                    parseCmtIndication(QString::fromLatin1(line));
                ASSERT_TRUE(message.has_value()) << line.constData();
                messages.append(*message);
                // The second comes only once the first is acknowledged.
                EXPECT_TRUE(acknowledgeDirectMessage(channel));
            }
        }
        ASSERT_EQ(messages.size(), 2);
        EXPECT_EQ(messages[0].sender.text, "+447700900123");
        EXPECT_EQ(messages[0].text, "STOP");
        EXPECT_EQ(messages[1].sender.text, "+79001234567");
        EXPECT_EQ(messages[1].text, u"Привет 😀"_s);
        EXPECT_EQ(messages[1].coding, MessageCoding::Ucs2);
    }
    // Nothing was stored.
    EXPECT_TRUE(listed(false).empty());
}

} // namespace

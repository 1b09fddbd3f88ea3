#include "PortClient.h"

#include <QRegularExpression>
#include <fstream>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray kHelloPdu = "0011000B916407281553F80000AA0AE8329BFD4697D9EC37";
const QByteArray kHelloWithSmsc = "0791947101670000" + kHelloPdu.mid(2);

} // namespace

class ProfileBehaviourTest : public SimulatorTest
{
protected:
    std::unique_ptr<PortClient> openQuiet(int port)
    {
        auto client = open(port);
        EXPECT_TRUE(client->isOpen());
        client->exchange("ATE0\r");
        return client;
    }

    // A PDU-mode submission; returns the final answer without its line breaks.
    static QByteArray submitPdu(PortClient& port, const QByteArray& pdu)
    {
        const int length = static_cast<int>(pdu.size() / 2 - 1 - pdu.left(2).toInt(nullptr, 16));
        port.write("AT+CMGS=" + QByteArray::number(length) + "\r");
        const QByteArray prompt = port.readFinal(true);
        if (!prompt.endsWith("> "))
            return prompt.trimmed();
        port.write(pdu + "\x1a\r\n");
        return port.readFinal().trimmed();
    }
};

TEST_F(ProfileBehaviourTest, CmsErrorOnEveryKthSubmission)
{
    startSimulator(2, {{1, "cms-error=500,every=3"}, {2, "cms-error=38"}});
    auto every3 = openQuiet(1);
    QList<QByteArray> answers;
    for (int i = 0; i < 4; ++i)
        answers.append(submitPdu(*every3, kHelloPdu));
    EXPECT_EQ(answers, QList<QByteArray>({"+CMGS: 0\r\n\r\nOK", "+CMGS: 1\r\n\r\nOK",
                                          "+CMS ERROR: 500", "+CMGS: 2\r\n\r\nOK"}));

    auto always = openQuiet(2);
    EXPECT_EQ(submitPdu(*always, kHelloPdu), QByteArray("+CMS ERROR: 38"));
    EXPECT_EQ(m_simulator->messages().size(), 3u);
}

TEST_F(ProfileBehaviourTest, HangingModemReadsButNeverAnswers)
{
    startSimulator(1, {{1, "hang"}});
    auto port = open(1);
    port->write("AT\rAT+CMGS=23\r" + kHelloPdu + "\x1a\r\n");
    EXPECT_EQ(port->readFor(200), QByteArray());
    EXPECT_TRUE(m_simulator->messages().empty());
}

TEST_F(ProfileBehaviourTest, EchoOnlyModemNeverSaysOk)
{
    startSimulator(1, {{1, "echo-only"}});
    auto port = open(1);
    port->write("AT\r");
    port->write("ATE0\r");
    // An answer to the first command would come before the second echo.
    EXPECT_EQ(port->readUntil("ATE0\r"), QByteArray("AT\rATE0\r"));
    EXPECT_EQ(port->exchange("AT\r", "AT\r"), QByteArray("AT\r")); // ATE0 was not obeyed
}

TEST_F(ProfileBehaviourTest, VanishingModemHangsUpAndLosesItsLink)
{
    startSimulator(2, {{1, "vanish=2"}});
    auto port = openQuiet(1);
    EXPECT_EQ(submitPdu(*port, kHelloPdu), QByteArray("+CMGS: 0\r\n\r\nOK"));
    EXPECT_EQ(submitPdu(*port, kHelloPdu), QByteArray("+CMGS: 1\r\n\r\nOK"));
    port->write("AT\r");
    EXPECT_TRUE(port->hungUp());
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link(1))));
    EXPECT_FALSE(m_simulator->present(1));
    EXPECT_EQ(m_simulator->messages().size(), 2u);

    // The other modem is not affected.
    EXPECT_TRUE(m_simulator->present(2));
    EXPECT_TRUE(open(2)->exchange("AT\r").endsWith("OK\r\n"));
}

TEST_F(ProfileBehaviourTest, WedgedModemIsSilentUntilThePortIsOpenedAgainUnlessItStays)
{
    startSimulator(2, {{1, "wedge=2"}, {2, "wedge=1,wedge-stays"}});
    auto port = openQuiet(1);
    EXPECT_EQ(submitPdu(*port, kHelloPdu), QByteArray("+CMGS: 0\r\n\r\nOK"));
    EXPECT_EQ(submitPdu(*port, kHelloPdu), QByteArray("+CMGS: 1\r\n\r\nOK"));
    port->write("AT\r");
    EXPECT_EQ(port->readFor(200), QByteArray());
    port->write("AT\r");
    EXPECT_EQ(port->readFor(200), QByteArray()); // no echo either
    port.reset();

    // Opened again: the modem answers and counts its messages afresh.
    port = openQuiet(1);
    EXPECT_EQ(submitPdu(*port, kHelloPdu), QByteArray("+CMGS: 2\r\n\r\nOK"));
    EXPECT_EQ(submitPdu(*port, kHelloPdu), QByteArray("+CMGS: 3\r\n\r\nOK"));
    port->write("AT\r");
    EXPECT_EQ(port->readFor(200), QByteArray());

    auto stays = openQuiet(2);
    EXPECT_EQ(submitPdu(*stays, kHelloPdu), QByteArray("+CMGS: 0\r\n\r\nOK"));
    stays->write("AT\r");
    EXPECT_EQ(stays->readFor(200), QByteArray());
    stays.reset();
    stays = open(2);
    stays->write("AT\r");
    EXPECT_EQ(stays->readFor(200), QByteArray());
    EXPECT_EQ(m_simulator->messages().size(), 5u);
}

TEST_F(ProfileBehaviourTest, SimWithPinRefusesMessagesUntilUnlockedAndBlocksAfterThreeWrongPins)
{
    startSimulator(2, {{1, "pin=1234"}, {2, "pin=1234"}});
    auto port = openQuiet(1);
    port->exchange("AT+CMEE=1\r");
    EXPECT_EQ(port->exchange("AT+CPIN?\r"), QByteArray("\r\n+CPIN: SIM PIN\r\n\r\nOK\r\n"));
    EXPECT_EQ(port->exchange("AT+CREG?\r"), QByteArray("\r\n+CREG: 0,0\r\n\r\nOK\r\n"));
    EXPECT_EQ(submitPdu(*port, kHelloPdu), QByteArray("+CMS ERROR: 311"));
    port->write("AT+CPIN=\"1111\"\r");
    EXPECT_EQ(port->readFinal(), QByteArray("\r\n+CME ERROR: 16\r\n"));
    EXPECT_EQ(port->exchange("AT+CPINR=\"SIM PIN\"\r"),
              QByteArray("\r\n+CPINR: SIM PIN,2,3\r\n\r\nOK\r\n"));
    EXPECT_EQ(port->exchange("AT+CPIN=\"1234\"\r"), QByteArray("\r\nOK\r\n"));
    EXPECT_EQ(port->exchange("AT+CPIN?\r"), QByteArray("\r\n+CPIN: READY\r\n\r\nOK\r\n"));
    EXPECT_EQ(port->exchange("AT+CGREG?\r"), QByteArray("\r\n+CGREG: 0,1\r\n\r\nOK\r\n"));
    EXPECT_EQ(submitPdu(*port, kHelloPdu), QByteArray("+CMGS: 0\r\n\r\nOK"));

    auto other = openQuiet(2);
    other->exchange("AT+CMEE=1\r");
    for (int i = 0; i < 3; ++i) {
        other->write("AT+CPIN=\"0000\"\r");
        EXPECT_EQ(other->readFinal(), QByteArray("\r\n+CME ERROR: 16\r\n"));
    }
    EXPECT_EQ(other->exchange("AT+CPIN?\r"), QByteArray("\r\n+CPIN: SIM PUK\r\n\r\nOK\r\n"));
    EXPECT_EQ(submitPdu(*other, kHelloPdu), QByteArray("+CMS ERROR: 316"));
    EXPECT_EQ(other->exchange("AT+CPIN=\"12345678\",\"4321\"\r"), QByteArray("\r\nOK\r\n"));
    EXPECT_EQ(other->exchange("AT+CPIN?\r"), QByteArray("\r\n+CPIN: READY\r\n\r\nOK\r\n"));
    EXPECT_EQ(m_simulator->messages().size(), 1u);
}

TEST_F(ProfileBehaviourTest, MissingSimAndMissingNetworkRefuseMessages)
{
    startSimulator(3, {{1, "no-sim"}, {2, "not-registered"}, {3, "creg=5,no-cpinr"}});
    auto missing = openQuiet(1);
    missing->write("AT+CPIN?\r");
    EXPECT_EQ(missing->readFinal(), QByteArray("\r\nERROR\r\n")); // numeric errors are off
    missing->exchange("AT+CMEE=1\r");
    missing->write("AT+CPIN?\r");
    EXPECT_EQ(missing->readFinal(), QByteArray("\r\n+CME ERROR: 10\r\n"));
    EXPECT_EQ(submitPdu(*missing, kHelloPdu), QByteArray("+CMS ERROR: 310"));

    auto unregistered = openQuiet(2);
    EXPECT_EQ(unregistered->exchange("AT+CPIN?\r"), QByteArray("\r\n+CPIN: READY\r\n\r\nOK\r\n"));
    EXPECT_EQ(unregistered->exchange("AT+CREG?\r"), QByteArray("\r\n+CREG: 0,0\r\n\r\nOK\r\n"));
    EXPECT_EQ(submitPdu(*unregistered, kHelloPdu), QByteArray("+CMS ERROR: 331"));

    auto roaming = openQuiet(3);
    EXPECT_EQ(roaming->exchange("AT+CREG?\r"), QByteArray("\r\n+CREG: 0,5\r\n\r\nOK\r\n"));
    roaming->write("AT+CPINR\r");
    EXPECT_EQ(roaming->readFinal(), QByteArray("\r\nERROR\r\n"));
    EXPECT_EQ(submitPdu(*roaming, kHelloPdu), QByteArray("+CMGS: 0\r\n\r\nOK"));
}

TEST_F(ProfileBehaviourTest, ModemWithoutSmscNeedsOneInThePduOrSetWithCsca)
{
    startSimulator(1, {{1, "no-smsc"}});
    auto port = openQuiet(1);
    EXPECT_EQ(port->exchange("AT+CSCA?\r"), QByteArray("\r\n+CSCA: \"\",129\r\n\r\nOK\r\n"));
    EXPECT_EQ(submitPdu(*port, kHelloPdu), QByteArray("+CMS ERROR: 330"));
    EXPECT_EQ(submitPdu(*port, kHelloWithSmsc), QByteArray("+CMGS: 0\r\n\r\nOK"));

    port->exchange("AT+CMGF=1\r");
    EXPECT_EQ(port->exchange("AT+CMGS=\"+447700900999\"\r", "> "), QByteArray("\r\n> "));
    port->write("hi\x1a");
    EXPECT_EQ(port->readFinal(), QByteArray("\r\n+CMS ERROR: 330\r\n"));
    port->exchange("AT+CSCA=\"+447700900000\",145\r");
    port->exchange("AT+CMGS=\"+447700900999\"\r", "> ");
    port->write("hi\x1a");
    EXPECT_EQ(port->readFinal(), QByteArray("\r\n+CMGS: 1\r\n\r\nOK\r\n"));

    const auto messages = m_simulator->messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].smsc, "+491710760000");
    EXPECT_EQ(messages[1].smsc, "+447700900000");
}

TEST_F(ProfileBehaviourTest, SmscInUcs2ModemReportsItInHexUntilTheCharsetChanges)
{
    startSimulator(1, {{1, "smsc=+4477,smsc-ucs2"}});
    auto port = openQuiet(1);
    port->exchange("AT&F\r");
    EXPECT_EQ(port->exchange("AT+CSCS?\r"),
              QByteArray("AT+CSCS?\r\r\n+CSCS: \"UCS2\"\r\n\r\nOK\r\n"));
    EXPECT_EQ(port->exchange("AT+CSCA?\r"),
              QByteArray("AT+CSCA?\r\r\n+CSCA: \"002B0034003400370037\",145\r\n\r\nOK\r\n"));
    port->exchange("AT+CSCS=\"GSM\"\r");
    EXPECT_EQ(port->exchange("AT+CSCA?\r"),
              QByteArray("AT+CSCA?\r\r\n+CSCA: \"+4477\",145\r\n\r\nOK\r\n"));
    // A number set in UCS2 hex is understood as well as a plain one.
    port->exchange("AT+CSCS=\"UCS2\"\r");
    port->exchange("AT+CSCA=\"002B0031\",145\r");
    port->exchange("AT+CSCS=\"IRA\"\r");
    EXPECT_EQ(port->exchange("AT+CSCA?\r"),
              QByteArray("AT+CSCA?\r\r\n+CSCA: \"+1\",145\r\n\r\nOK\r\n"));
}

TEST_F(ProfileBehaviourTest, UnsolicitedLinesComeBetweenAnswers)
{
    startSimulator(1, {{1, "urc=\"+CSQ: 20,0\",urc=RING,urc-every=2"}});
    auto port = open(1);
    EXPECT_EQ(port->exchange("AT\r"), QByteArray("AT\r\r\nOK\r\n"));
    port->write("AT\r");
    EXPECT_EQ(port->readUntil("RING\r\n"),
              QByteArray("AT\r\r\nOK\r\n\r\n+CSQ: 20,0\r\n\r\nRING\r\n"));
}

TEST_F(ProfileBehaviourTest, MessageModesFollowTheProfile)
{
    startSimulator(2, {{1, "pdu-only"}, {2, "text-only"}});
    auto pduOnly = openQuiet(1);
    EXPECT_EQ(pduOnly->exchange("AT+CMGF=?\r"), QByteArray("\r\n+CMGF: (0)\r\n\r\nOK\r\n"));
    EXPECT_EQ(pduOnly->exchange("AT+CMGF=1\r", "ERROR\r\n"), QByteArray("\r\nERROR\r\n"));

    auto textOnly = openQuiet(2);
    EXPECT_EQ(textOnly->exchange("AT+CMGF=?\r"), QByteArray("\r\n+CMGF: (1)\r\n\r\nOK\r\n"));
    EXPECT_EQ(textOnly->exchange("AT+CMGF?\r"), QByteArray("\r\n+CMGF: 1\r\n\r\nOK\r\n"));
    EXPECT_EQ(textOnly->exchange("AT+CMGF=0\r", "ERROR\r\n"), QByteArray("\r\nERROR\r\n"));
    EXPECT_EQ(submitPdu(*textOnly, kHelloPdu), QByteArray("+CMS ERROR: 305"));
    EXPECT_TRUE(m_simulator->messages().empty());
}

TEST_F(ProfileBehaviourTest, LatencyDelaysButKeepsTheConversation)
{
    startSimulator(1, {{1, "latency=20"}});
    auto port = openQuiet(1);
    EXPECT_EQ(port->exchange("AT+CSQ\r"), QByteArray("\r\n+CSQ: 20,99\r\n\r\nOK\r\n"));
    EXPECT_EQ(submitPdu(*port, kHelloPdu), QByteArray("+CMGS: 0\r\n\r\nOK"));
}

TEST_F(ProfileBehaviourTest, LegacyIdentityCommandsCanAnswerUndefined)
{
    startSimulator(1, {{1, "undefined,manufacturer=Acme"}});
    auto port = openQuiet(1);
    EXPECT_EQ(port->exchange("AT+GMI\r"), QByteArray("\r\nUndefined\r\n\r\nOK\r\n"));
    EXPECT_EQ(port->exchange("AT+CGMI\r"), QByteArray("\r\nAcme\r\n\r\nOK\r\n"));
}

TEST_F(ProfileBehaviourTest, DirectDeliveryPrintsMessagesAndWaitsForCnmaWhenAsked)
{
    startSimulator(2, {{1, "cmt-direct"}, {2, "cmt-ack"}});
    const auto deliver = [this](int port, const QByteArray& line) {
        std::ofstream(m_simulator->controlPath(port)) << line.constData() << '\n';
    };
    auto direct = openQuiet(1);
    EXPECT_EQ(direct->exchange("AT+CSMS?\r"), QByteArray("\r\n+CSMS: 0,1,1,1\r\n\r\nOK\r\n"));
    // <mt> 2 whatever was asked, as a modem that ignores <mt> 1.
    EXPECT_EQ(direct->exchange("AT+CNMI=2,1,0,0,0\r"), QByteArray("\r\nOK\r\n"));
    EXPECT_EQ(direct->exchange("AT+CNMI?\r"), QByteArray("\r\n+CNMI: 2,2,0,0,0\r\n\r\nOK\r\n"));
    deliver(1, "sms from=+447700900123 text=STOP");
    QByteArray rest = direct->readUntil("+CMT: ,");
    rest += direct->readFor(200);
    // The TPDU's length, then the PDU with the SMSC field first.
    EXPECT_TRUE(QRegularExpression(u"^\r\n\\+CMT: ,\\d+\r\n07914477[0-9A-F]+\r\n$"_s)
                    .match(QString::fromLatin1(rest))
                    .hasMatch())
        << rest.constData();
    EXPECT_EQ(direct->exchange("AT+CMGF=1\r"), QByteArray("\r\nOK\r\n"));
    deliver(1, "sms from=+447700900123 text=hi, you");
    const QByteArray text = direct->readUntil("hi, you\r\n");
    EXPECT_TRUE(text.startsWith("\r\n+CMT: \"+447700900123\",,\"")) << text.constData();
    EXPECT_EQ(direct->exchange("AT+CMGL=\"ALL\"\r"), QByteArray("\r\nOK\r\n")); // nothing stored
    EXPECT_EQ(direct->exchange("AT+CNMA\r", "340\r\n"), QByteArray("\r\n+CMS ERROR: 340\r\n"));

    auto acknowledged = openQuiet(2);
    EXPECT_EQ(acknowledged->exchange("AT+CSMS?\r"), QByteArray("\r\n+CSMS: 1,1,1,1\r\n\r\nOK\r\n"));
    deliver(2, "sms from=+447700900123 text=one");
    deliver(2, "sms from=+447700900123 text=two");
    (void)acknowledged->readUntil("+CMT: ,");
    EXPECT_EQ(acknowledged->readFor(300).count("+CMT:"), 0); // the second waits
    EXPECT_TRUE(acknowledged->exchange("AT+CNMA\r", "+CMT: ,").startsWith("\r\nOK\r\n\r\n+CMT: ,"));
}

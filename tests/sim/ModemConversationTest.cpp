#include "PortClient.h"

namespace {

struct Exchange
{
    QByteArray command;
    QByteArray reply; // everything the modem sends back, echo included
};

} // namespace

class ModemConversationTest : public SimulatorTest
{
protected:
    void SetUp() override
    {
        startSimulator(1, {{1, "manufacturer=Acme,model=MODEL=A1,revision=R7,imei=490154203237518,"
                               "imsi=001019876543210,operator=Test Net,signal=14,battery=65,"
                               "smsc=+15551230000"}});
        m_port = open(1);
        ASSERT_TRUE(m_port->isOpen());
    }

    void play(const std::vector<Exchange>& script)
    {
        for (const Exchange& step : script) {
            const QByteArray last = step.reply.right(6);
            EXPECT_EQ(m_port->exchange(step.command, last), step.reply)
                << "command " << step.command.trimmed().constData();
        }
    }

    std::unique_ptr<PortClient> m_port;
};

TEST_F(ModemConversationTest, AnswersTheInterrogationCommands)
{
    play({
        {"AT\r", "AT\r\r\nOK\r\n"},
        {"AT&F\r", "AT&F\r\r\nOK\r\n"},
        {"AT+CMEE=1\r", "AT+CMEE=1\r\r\nOK\r\n"},
        {"AT+GMI\r", "AT+GMI\r\r\nAcme\r\n\r\nOK\r\n"},
        {"AT+CGMI\r", "AT+CGMI\r\r\nAcme\r\n\r\nOK\r\n"},
        {"AT+GMM\r", "AT+GMM\r\r\nMODEL=A1\r\n\r\nOK\r\n"},
        {"AT+CGMM\r", "AT+CGMM\r\r\nMODEL=A1\r\n\r\nOK\r\n"},
        {"AT+GMR\r", "AT+GMR\r\r\nR7\r\n\r\nOK\r\n"},
        {"AT+CGMR\r", "AT+CGMR\r\r\nR7\r\n\r\nOK\r\n"},
        {"AT+CGSN\r", "AT+CGSN\r\r\n490154203237518\r\n\r\nOK\r\n"},
        {"AT+GSN\r", "AT+GSN\r\r\n490154203237518\r\n\r\nOK\r\n"},
        {"AT+CIMI\r", "AT+CIMI\r\r\n001019876543210\r\n\r\nOK\r\n"},
        {"AT+CBC\r", "AT+CBC\r\r\n+CBC: 0,65\r\n\r\nOK\r\n"},
        {"AT+CSCA?\r", "AT+CSCA?\r\r\n+CSCA: \"+15551230000\",145\r\n\r\nOK\r\n"},
        {"AT+COPS?\r", "AT+COPS?\r\r\n+COPS: 0,0,\"Test Net\"\r\n\r\nOK\r\n"},
        {"AT+CSQ\r", "AT+CSQ\r\r\n+CSQ: 14,99\r\n\r\nOK\r\n"},
        {"AT+CMGF=?\r", "AT+CMGF=?\r\r\n+CMGF: (0,1)\r\n\r\nOK\r\n"},
        {"AT+CSMS=?\r", "AT+CSMS=?\r\r\n+CSMS: (0,1)\r\n\r\nOK\r\n"},
        {"AT+CMGS=?\r", "AT+CMGS=?\r\r\nOK\r\n"},
        {"at+cgmi\r", "at+cgmi\r\r\nAcme\r\n\r\nOK\r\n"},
        {"AT+XYZ\r", "AT+XYZ\r\r\nERROR\r\n"},
        {"ATQ5\r", "ATQ5\r\r\nERROR\r\n"},
    });
}

TEST_F(ModemConversationTest, KeepsTheSmsSettings)
{
    play({
        {"AT+CSMS=0\r", "AT+CSMS=0\r\r\n+CSMS: 1,1,1\r\n\r\nOK\r\n"},
        {"AT+CMGF?\r", "AT+CMGF?\r\r\n+CMGF: 0\r\n\r\nOK\r\n"},
        {"AT+CMGF=1\r", "AT+CMGF=1\r\r\nOK\r\n"},
        {"AT+CMGF?\r", "AT+CMGF?\r\r\n+CMGF: 1\r\n\r\nOK\r\n"},
        {"AT+CMGF=2\r", "AT+CMGF=2\r\r\nERROR\r\n"},
        {"AT+CSMP=17,255,0,8\r", "AT+CSMP=17,255,0,8\r\r\nOK\r\n"},
        {"AT+CSMP?\r", "AT+CSMP?\r\r\n+CSMP: 17,255,0,8\r\n\r\nOK\r\n"},
        {"AT+CSCS?\r", "AT+CSCS?\r\r\n+CSCS: \"IRA\"\r\n\r\nOK\r\n"},
        {"AT+CSCS=?\r", "AT+CSCS=?\r\r\n+CSCS: (\"IRA\",\"GSM\",\"UCS2\")\r\n\r\nOK\r\n"},
        {"AT+CSCS=\"GSM\"\r", "AT+CSCS=\"GSM\"\r\r\nOK\r\n"},
        {"AT+CSCS=\"HEX\"\r", "AT+CSCS=\"HEX\"\r\r\nERROR\r\n"},
        {"AT+CMEE=1\r", "AT+CMEE=1\r\r\nOK\r\n"},
        {"AT+CSCS=\"HEX\"\r", "AT+CSCS=\"HEX\"\r\r\n+CME ERROR: 4\r\n"},
        {"AT+CSCA=\"0044123\",129\r", "AT+CSCA=\"0044123\",129\r\r\nOK\r\n"},
        {"AT+CSCA?\r", "AT+CSCA?\r\r\n+CSCA: \"0044123\",129\r\n\r\nOK\r\n"},
        {"AT+CMGF=0;+CSCS?\r", "AT+CMGF=0;+CSCS?\r\r\n+CSCS: \"GSM\"\r\n\r\nOK\r\n"},
        // AT&F restores the settings but not the SMSC, which lives on the SIM.
        {"AT&F\r", "AT&F\r\r\nOK\r\n"},
        {"AT+CSMP?;+CSCS?;+CMGF?\r", "AT+CSMP?;+CSCS?;+CMGF?\r\r\n+CSMP: 17,167,0,0\r\n\r\n"
                                     "+CSCS: \"IRA\"\r\n\r\n+CMGF: 0\r\n\r\nOK\r\n"},
        {"AT+CSCA?\r", "AT+CSCA?\r\r\n+CSCA: \"0044123\",129\r\n\r\nOK\r\n"},
    });
}

TEST_F(ModemConversationTest, EchoFollowsAteAndFactoryReset)
{
    play({
        {"ATE0\r", "ATE0\r\r\nOK\r\n"}, // echoed: echo was still on
        {"AT\r", "\r\nOK\r\n"},
        {"AT+CSQ\r", "\r\n+CSQ: 14,99\r\n\r\nOK\r\n"},
        {"ATE1\r", "\r\nOK\r\n"},
        {"AT\r", "AT\r\r\nOK\r\n"},
        {"ATE0\r", "ATE0\r\r\nOK\r\n"},
        {"AT&F\r", "\r\nOK\r\n"},
        {"AT\r", "AT\r\r\nOK\r\n"},
    });
}

TEST_F(ModemConversationTest, IgnoresLinesThatAreNotCommands)
{
    // Stray line ends after a message and a PDU sent when no prompt came get no answer.
    m_port->write("\r\n\r\n0011000B916407281553F80000AA0AE8329BFD4697D9EC37\x1a\r\n");
    EXPECT_EQ(m_port->exchange("AT\r"),
              "\r\n\r\n0011000B916407281553F80000AA0AE8329BFD4697D9EC37\r\nAT\r\r\nOK\r\n");
}

TEST(ModemIdentityTest, DefaultImeisDifferBetweenPorts)
{
    // The scan lists one modem per IMEI, so simulated modems must not share one.
    const sim::ModemProfile first = sim::defaultProfile(1);
    const sim::ModemProfile second = sim::defaultProfile(2);
    EXPECT_NE(first.imei, second.imei);
    EXPECT_NE(first.imsi, second.imsi);
    EXPECT_EQ(first.imei.size(), 15);
}

#include "modem/SimState.h"

#include "support/QtPrinters.h"
#include "support/SimulatedModem.h"

#include <gtest/gtest.h>

namespace {

TEST(SimStateRepliesTest, CpinAnswerLineOrItsErrorGivesTheLock)
{
    const struct
    {
        const char* reply;
        SimLock lock;
    } cases[] = {
        {"AT+CPIN?\r\r\n+CPIN: READY\r\n\r\nOK\r\n", SimLock::Ready},
        {"\r\n+CPIN: SIM PIN\r\n\r\nOK\r\n", SimLock::PinRequired},
        {"\r\n+CPIN: SIM PUK\r\n\r\nOK\r\n", SimLock::PukRequired},
        {"\r\n+CPIN: \"SIM PIN\"\r\n\r\nOK\r\n", SimLock::PinRequired},
        {"\r\n+CPIN: SIM PIN2\r\n\r\nOK\r\n", SimLock::Ready},
        {"\r\n+CPIN: PH-NET PIN\r\n\r\nOK\r\n", SimLock::Unknown},
        {"\r\n+CME ERROR: 10\r\n", SimLock::NotInserted},
        {"\r\n+CME ERROR: SIM not inserted\r\n", SimLock::NotInserted},
        {"\r\n+CME ERROR: 13\r\n", SimLock::NotInserted},
        {"\r\n+CME ERROR: 11\r\n", SimLock::PinRequired},
        {"\r\n+CME ERROR: 12\r\n", SimLock::PukRequired},
        {"\r\nERROR\r\n", SimLock::Unknown},
        {"", SimLock::Unknown},
        // Unsolicited lines around the answer change nothing.
        {"\r\n^SIMST:1\r\n\r\n+CPIN: SIM PIN\r\n\r\nOK\r\n\r\n^RSSI:20\r\n", SimLock::PinRequired},
        {"\r\n+CREG: 0\r\n\r\n+CPIN: READY\r\n\r\nOK\r\n", SimLock::Ready},
    };
    for (const auto& c : cases)
        EXPECT_EQ(simLockOfReply(QString::fromLatin1(c.reply)), c.lock) << c.reply;
}

TEST(SimStateRepliesTest, RegistrationStatComesOnlyFromTheAnswerLine)
{
    const struct
    {
        const char* reply;
        const char* prefix;
        std::optional<int> stat;
    } cases[] = {
        {"AT+CREG?\r\r\n+CREG: 0,1\r\n\r\nOK\r\n", "+CREG", 1},
        {"\r\n+CREG: 2,5,\"00C3\",\"1A2B\"\r\n\r\nOK\r\n", "+CREG", 5},
        {"\r\n+CGREG: 0,2\r\n\r\nOK\r\n", "+CGREG", 2},
        {"\r\n+CREG: 0,3\r\n\r\nOK\r\n", "+CREG", 3},
        {"\r\n+CREG: 0,0\r\n\r\nOK\r\n", "+CREG", 0},
        // Unsolicited "+CREG: <stat>" lines, with and without a location, are not the answer.
        {"\r\n+CREG: 1\r\n\r\n+CREG: 0,0\r\n\r\nOK\r\n", "+CREG", 0},
        {"\r\n+CREG: 1,\"00C3\",\"1A2B\"\r\n\r\n+CREG: 0,2\r\n\r\nOK\r\n", "+CREG", 2},
        {"\r\n+CREG: 1\r\n\r\nOK\r\n", "+CREG", std::nullopt},
        {"\r\n+CGREG: 0,1\r\n\r\nOK\r\n", "+CREG", std::nullopt},
        {"\r\nERROR\r\n", "+CGREG", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(registrationOfReply(QString::fromLatin1(c.reply), QString::fromLatin1(c.prefix)),
                  c.stat)
            << c.reply;
    EXPECT_TRUE(isRegisteredStat(1));
    EXPECT_TRUE(isRegisteredStat(5));
    for (int stat : {0, 2, 3, 4})
        EXPECT_FALSE(isRegisteredStat(stat)) << stat;
}

TEST(SimStateRepliesTest, PinTriesFromCpinrAnswer)
{
    EXPECT_EQ(pinTriesOfReply("\r\n+CPINR: SIM PIN,2,3\r\n\r\nOK\r\n"), 2);
    EXPECT_EQ(pinTriesOfReply("\r\n+CPINR: \"SIM PIN\",1,3\r\n+CPINR: SIM PUK,10,10\r\nOK\r\n"), 1);
    EXPECT_EQ(pinTriesOfReply("\r\n+CPINR: SIM PUK,10,10\r\n\r\nOK\r\n"), std::nullopt);
    EXPECT_EQ(pinTriesOfReply("\r\nERROR\r\n"), std::nullopt);
}

TEST(SimStateRepliesTest, TroubleTextsNameTheFirstProblemAndNothingForAGoodModem)
{
    const struct
    {
        SimCheck check;
        const char* text;
    } cases[] = {
        {{SimLock::Ready, true}, ""},
        {{SimLock::Unknown, std::nullopt}, ""},
        {{SimLock::PinRequired, std::nullopt}, "SIM PIN required"},
        {{SimLock::PukRequired, std::nullopt}, "SIM PUK required"},
        {{SimLock::NotInserted, std::nullopt}, "SIM not inserted"},
        {{SimLock::Ready, false}, "Not registered on a network"},
        {{SimLock::Unknown, false}, "Not registered on a network"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.check.troubleText(), QString::fromLatin1(c.text));
        EXPECT_EQ(SimText::isTrouble(c.check.troubleText()), *c.text != '\0');
    }
}

class SimulatedSimStateTest : public SimulatedModemTest
{};

TEST_F(SimulatedSimStateTest, QueryReadsLockAndRegistrationThroughUnsolicitedLines)
{
    const QString urc = QStringLiteral(",urc=\"+CREG: 1\",urc=^RSSI:20");
    startModems({"pin=1234" + urc, "no-sim" + urc, "not-registered" + urc, "creg=5" + urc,
                 "sim-puk" + urc});
    const SimCheck expected[] = {{SimLock::PinRequired, std::nullopt},
                                 {SimLock::Unknown, false}, // numeric errors are off
                                 {SimLock::Ready, false},
                                 {SimLock::Ready, true},
                                 {SimLock::PukRequired, std::nullopt}};
    for (int i = 0; i < 5; ++i) {
        serial.Open(Port + i, ChannelTimeoutMs);
        EXPECT_EQ(QuerySimCheck(channel), expected[i]) << i;
        if (i == 1) {
            exchangeForFinal(channel, "AT+CMEE=1\r");
            EXPECT_EQ(QuerySimCheck(channel).troubleText(), "SIM not inserted");
        }
    }
}

TEST_F(SimulatedSimStateTest, PinIsEnteredOnceAndTriesAreReadWhereTheModemSaysThem)
{
    startModems({"pin=1234,urc=^RSSI:20", "pin=1234,no-cpinr"});
    exchangeForFinal(channel, "AT+CMEE=1\r");
    EXPECT_EQ(QueryPinTries(channel), 3);
    EXPECT_EQ(EnterPin(channel, "0000"), PinEntry::Refused);
    EXPECT_EQ(QueryPinTries(channel), 2);
    EXPECT_EQ(EnterPin(channel, "1234"), PinEntry::Accepted);
    EXPECT_EQ(QuerySimCheck(channel), (SimCheck{SimLock::Ready, true}));

    serial.Open(Port + 1, ChannelTimeoutMs);
    EXPECT_EQ(QueryPinTries(channel), std::nullopt);
}

} // namespace

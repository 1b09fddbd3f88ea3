#include "modem/ReplyCollector.h"

#include "modem/UnsolicitedLines.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct CollectCase
{
    const char* name;
    QByteArray input;
    const char* token;
    QByteArray answerPrefix;
    QByteArray echo; // a message body just written; empty: none
    bool tokenSeen;
    bool finalError;
    QByteArray reply;
    QList<QByteArray> unsolicited;
};

void PrintTo(const CollectCase& c, std::ostream* out)
{
    *out << c.name;
}

ReplyCollector collectorFor(const CollectCase& c)
{
    ReplyCollector collector(c.token, c.answerPrefix);
    if (!c.echo.isEmpty())
        collector.expectEcho(c.echo);
    return collector;
}

void expectOutcome(const ReplyCollector& collector, const CollectCase& c)
{
    EXPECT_EQ(collector.tokenSeen(), c.tokenSeen);
    EXPECT_EQ(collector.finalError(), c.finalError);
    EXPECT_EQ(collector.reply(), c.reply);
    EXPECT_EQ(collector.unsolicited(), c.unsolicited);
}

class ReplyCollectorTest : public ::testing::TestWithParam<CollectCase>
{};

// Real modems hand over their replies in pieces of any size: whole, and a byte at a time,
// must give the same outcome.
TEST_P(ReplyCollectorTest, SameOutcomeWhereverTheReadsSplit)
{
    const CollectCase& c = GetParam();
    ReplyCollector whole = collectorFor(c);
    whole.add(c.input);
    expectOutcome(whole, c);

    ReplyCollector bytewise = collectorFor(c);
    for (qsizetype i = 0; i < c.input.size(); ++i)
        bytewise.add(c.input.sliced(i, 1));
    expectOutcome(bytewise, c);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReplyCollectorTest,
    ::testing::Values(
        CollectCase{"OkLine",
                    "AT+CMGF?\r\r\n+CMGF: 0\r\n\r\nOK\r\n",
                    "OK",
                    "+CMGF",
                    {},
                    true,
                    false,
                    "AT+CMGF?\r\r\n+CMGF: 0\r\n\r\nOK\r\n",
                    {}},
        CollectCase{"OkInsideAWordIsNoResult",
                    "AT+GMI\r\r\nNOKIA\r\n\r\nOK\r\n",
                    "OK",
                    "+GMI",
                    {},
                    true,
                    false,
                    "AT+GMI\r\r\nNOKIA\r\n\r\nOK\r\n",
                    {}},
        CollectCase{
            "UnfinishedOkLineIsNoResult", "\r\nNOK", "OK", {}, {}, false, false, "\r\nNOK", {}},
        CollectCase{"UnsolicitedLinesTakenOutOfTheAnswer",
                    "AT+CMGF=?\r\r\n+CMGF: (0)\r\n\r\n^RSSI:20\r\n\r\n^MODE:5,4\r\n\r\nOK\r\n",
                    "OK",
                    "+CMGF",
                    {},
                    true,
                    false,
                    "AT+CMGF=?\r\r\n+CMGF: (0)\r\n\r\n\r\n\r\nOK\r\n",
                    {"^RSSI:20", "^MODE:5,4"}},
        CollectCase{"TheCommandsOwnAnswerIsKept",
                    "AT+CREG?\r\r\n+CREG: 0,1\r\n\r\nOK\r\n",
                    "OK",
                    "+CREG",
                    {},
                    true,
                    false,
                    "AT+CREG?\r\r\n+CREG: 0,1\r\n\r\nOK\r\n",
                    {}},
        CollectCase{"AnotherCommandsRegistrationLineIsUnsolicited",
                    "\r\n+CREG: 1\r\n\r\n+CSQ: 20,99\r\n\r\nOK\r\n",
                    "OK",
                    "+CSQ",
                    {},
                    true,
                    false,
                    "\r\n\r\n+CSQ: 20,99\r\n\r\nOK\r\n",
                    {"+CREG: 1"}},
        CollectCase{"NewMessageAndItsPduTakenTogether",
                    "\r\n+CMT: ,24\r\n07914477\r\n\r\nOK\r\n",
                    "OK",
                    {},
                    {},
                    true,
                    false,
                    "\r\n\r\nOK\r\n",
                    {"+CMT: ,24\n07914477"}},
        CollectCase{"ErrorLineEndsTheWait",
                    "AT+CMGS=23\r\r\n+CMS ERROR: 38\r\n",
                    ">",
                    "+CMGS",
                    {},
                    false,
                    true,
                    "AT+CMGS=23\r\r\n+CMS ERROR: 38\r\n",
                    {}},
        CollectCase{"PromptWithoutLineEnd",
                    "AT+CMGS=23\r\r\n^RSSI:9\r\n> ",
                    ">",
                    "+CMGS",
                    {},
                    true,
                    false,
                    "AT+CMGS=23\r\r\n> ",
                    {"^RSSI:9"}},
        CollectCase{"EchoedBodyLineOkIsNotTheResult",
                    "Hi\nOK\nbye\r\n+CMS ERROR: 38\r\n",
                    "OK",
                    "+CMGS",
                    "Hi\nOK\nbye",
                    false,
                    true,
                    "Hi\nOK\nbye\r\n+CMS ERROR: 38\r\n",
                    {}},
        CollectCase{"EchoWithPromptsThenResult",
                    "Hi\r\r\n> ERROR\r\r\n> bye\r\n+CMGS: 7\r\n\r\nOK\r\n",
                    "OK",
                    "+CMGS",
                    "Hi\rERROR\rbye",
                    true,
                    false,
                    "Hi\r\r\n> ERROR\r\r\n> bye\r\n+CMGS: 7\r\n\r\nOK\r\n",
                    {}},
        CollectCase{"NoEchoBodyOkThenResult",
                    "\r\n+CMGS: 7\r\n\r\nOK\r\n",
                    "OK",
                    "+CMGS",
                    "OK",
                    true,
                    false,
                    "\r\n+CMGS: 7\r\n\r\nOK\r\n",
                    {}},
        CollectCase{"LinesAfterTheResultKeepOnlyUnsolicited",
                    "\r\nOK\r\n\r\n+CMTI: \"SM\",3\r\nstale\r\n",
                    "OK",
                    {},
                    {},
                    true,
                    false,
                    "\r\nOK\r\n",
                    {"+CMTI: \"SM\",3"}},
        CollectCase{"NulBecomesSpace",
                    QByteArray("\r\n+CSCS: \"GSM\"\0\r\nOK\r\n", 21),
                    "OK",
                    "+CSCS",
                    {},
                    true,
                    false,
                    "\r\n+CSCS: \"GSM\" \r\nOK\r\n",
                    {}},
        CollectCase{"WithoutTokenNothingEnds",
                    "\r\nOK\r\n",
                    nullptr,
                    {},
                    {},
                    false,
                    false,
                    "\r\nOK\r\n",
                    {}}),
    [](const ::testing::TestParamInfo<CollectCase>& info) { return std::string(info.param.name); });

TEST(UnsolicitedLinesTest, KnownLinesAndTheCommandsOwnAnswer)
{
    struct Case
    {
        QByteArray line;
        QByteArray answerPrefix;
        bool unsolicited;
    };
    const Case cases[] = {
        {"^RSSI:20", {}, true},
        {"^MODE:5,4", {}, true},
        {"+CREG: 1", {}, true},
        {"RING", {}, true},
        {"+CMTI: \"SM\",3", {}, true},
        {"+CDSI: \"SR\",1", {}, true},
        {"^SIMST:1", {}, true},
        {"+PBREADY", {}, true},
        {"+CIEV: 2,3", {}, true},
        {"NO CARRIER", {}, true},
        {"^BOOT:1,0,0,4", {}, true},
        {"+CREG: 0,1", "+CREG", false},
        {"+CPIN: READY", "+CPIN", false},
        {"+CMGF: 0", "+CMGF", false},
        {"+CSQ: 20,99", "+CSQ", false},
        {"RINGO", {}, false},
        {"OK", {}, false},
        {"QSIM", {}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isUnsolicitedLine(c.line, c.answerPrefix), c.unsolicited) << c.line.constData();
}

TEST(UnsolicitedLinesTest, AnswerPrefixOfCommands)
{
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"AT+CMGF?\r", "+CMGF"},
        {"AT+CSQ\r", "+CSQ"},
        {"at+creg?\r", "+CREG"},
        {"AT^SYSINFO\r", "^SYSINFO"},
        {"AT+CMGS=23\r", "+CMGS"},
        {"ATE0\r", ""},
        {"AT\r", ""},
        {"0011000C91\x1a", ""},
    };
    for (const auto& [command, prefix] : cases)
        EXPECT_EQ(answerPrefixOf(command), prefix) << command.constData();
}

TEST(UnsolicitedLinesTest, ReportsAndMessagesCarryTheirBodyLine)
{
    EXPECT_EQ(unsolicitedBodyLines("+CMT: \"+4477\",,\"24/01/01,10:00:00+00\""), 1);
    EXPECT_EQ(unsolicitedBodyLines("+CDS: 25"), 1);
    EXPECT_EQ(unsolicitedBodyLines("+CDS: 6,7,\"+4477\",145,\"24/01/01\",\"24/01/01\",0"), 0);
    EXPECT_EQ(unsolicitedBodyLines("^RSSI:20"), 0);
}

// A message the modem hands over comes as a header and a body line, which may fall into the
// reads of two commands: what one collector leaves, the next goes on from.
TEST(ReplyCollectorCarryTest, AMessageHeaderAndItsBodyStayTogetherAcrossCollectors)
{
    const QByteArray pdu =
        "07911326040000F0040B911346610089F60000208062917314080CC8F71D14969741F977FD07";
    const QByteArray textHeader = "+CMT: \"+447700900123\",,\"23/10/21,13:32:54+04\"";
    const auto longHeader = [](int length) {
        return "+CMT: \"+447700900123\",\"Bob, Jr\",\"23/10/21,13:32:54+04\",145,4,0,0,"
               "\"+447785016005\",145," +
               QByteArray::number(length);
    };
    struct Case
    {
        const char* name;
        QList<QByteArray> reads; // one collector ("OK") each
        QList<QByteArray> unsolicited;
        QList<bool> tokenSeen;
        QByteArray waitingAtEnd; // a header still without its body after the last read
    };
    const Case cases[] = {
        {"PduBodyInTheNextCommandsRead",
         {"AT\r\r\nOK\r\n\r\n+CMT: ,39\r\n", pdu + "\r\nAT\r\r\nOK\r\n"},
         {"+CMT: ,39\n" + pdu},
         {true, true},
         {}},
        {"WithAlphaInsideAnAnswer",
         {"\r\n+CSQ: 20,99\r\n\r\n+CMT: \"Bob\",39\r\n" + pdu + "\r\n\r\nOK\r\n"},
         {"+CMT: \"Bob\",39\n" + pdu},
         {true},
         {}},
        {"HeaderSplitInTheMiddle",
         {"\r\nOK\r\n\r\n+CM", "T: ,39\r\n" + pdu + "\r\n\r\nOK\r\n"},
         {"+CMT: ,39\n" + pdu},
         {true, true},
         {}},
        {"TextBodyThatReadsOk",
         {"\r\nOK\r\n\r\n" + textHeader + "\r\n", "OK\r\n\r\nOK\r\n"},
         {textHeader + "\nOK"},
         {true, true},
         {}},
        {"PduBodyLostToAFlush",
         {"\r\nOK\r\n\r\n+CMT: ,39\r\n", "\r\nOK\r\n"},
         {"+CMT: ,39"},
         {true, true},
         {}},
        {"HeaderAtTheEndOfInputIsKeptWaiting", {"\r\n+CMT: ,39\r\n"}, {}, {false}, "+CMT: ,39"},
        // The long text-mode header names the body's length: every line up to it is the
        // body's, "OK" too, in whichever read it comes, with its line breaks (LF, CR LF).
        {"CountedTextBodyOverSeveralLinesAndReads",
         {"\r\nOK\r\n\r\n" + longHeader(12) + "\r\nhi\nOK", "\r\nthere\r\n\r\nOK\r\n"},
         {longHeader(12) + "\nhi\nOK\r\nthere"},
         {true, true},
         {}},
        {"CountedTextBodyStillComing",
         {"\r\n" + longHeader(14) + "\r\nfirst\r\nOK\r\n"},
         {},
         {false},
         longHeader(14) + "\nfirst\r\nOK\r\n"},
        {"ShortTextHeaderTakesOneLine",
         {"\r\n" + textHeader + "\r\nhi\r\nOK\r\n"},
         {textHeader + "\nhi"},
         {true},
         {}},
    };
    for (const Case& c : cases) {
        for (const bool bytewise : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (bytewise ? " bytewise" : ""));
            ReplyCollector::Carry carry;
            QList<QByteArray> unsolicited;
            for (qsizetype i = 0; i < c.reads.size(); ++i) {
                ReplyCollector collector("OK", {}, carry);
                const QByteArray& read = c.reads[i];
                if (bytewise) {
                    for (qsizetype b = 0; b < read.size(); ++b)
                        collector.add(read.sliced(b, 1));
                } else {
                    collector.add(read);
                }
                EXPECT_EQ(collector.tokenSeen(), c.tokenSeen[i]) << i;
                EXPECT_FALSE(collector.reply().contains("+CMT")) << i;
                EXPECT_FALSE(collector.reply().contains(pdu)) << i;
                unsolicited += collector.unsolicited();
                carry = collector.carry();
            }
            EXPECT_EQ(unsolicited, c.unsolicited);
            EXPECT_EQ(carry.waiting, c.waitingAtEnd);
        }
    }
}

TEST(UnsolicitedLinesTest, OnlyHexFollowsAPduHeader)
{
    EXPECT_TRUE(unsolicitedBodyFits("+CMT: ,24", "0791447758100650040C91"));
    EXPECT_TRUE(unsolicitedBodyFits("+CMT: \"Bob\",24", "0791abcdef"));
    EXPECT_TRUE(unsolicitedBodyFits("+CDS: 25", "0006"));
    EXPECT_FALSE(unsolicitedBodyFits("+CMT: ,24", "OK"));
    EXPECT_FALSE(unsolicitedBodyFits("+CDS: 25", "+CMS ERROR: 500"));
    EXPECT_TRUE(unsolicitedBodyFits("+CMT: \"+4477\",,\"24/01/01,10:00:00+00\"", "OK"));
    EXPECT_TRUE(unsolicitedBodyFits("+CMT: \"+4477\",\"Bob\",\"24/01/01,10:00:00+00\"", "Hi"));
}

// The length of a text-mode message, from the long header only.
TEST(UnsolicitedLinesTest, TextMessageLengthComesFromTheLongHeader)
{
    const struct
    {
        QByteArray header;
        std::optional<int> length;
    } cases[] = {
        {"+CMT: \"+4477\",,\"24/01/01,10:00:00+00\",145,4,0,0,\"+4477\",145,12", 12},
        {"+CMT: \"+4477\",\"Smith, J\",\"24/01/01,10:00:00+00\",145,4,0,0,,145,160", 160},
        {"  +CMT: \"+4477\",,\"24/01/01,10:00:00+00\",145,4,0,8,,145, 7 ", 7},
        {"+CMT: \"+4477\",,\"24/01/01,10:00:00+00\"", std::nullopt},        // short form
        {"+CMT: \"+4477\",,\"24/01/01,10:00:00+00\",145,12", std::nullopt}, // listing's form
        {"+CMT: ,24", std::nullopt},                                        // PDU mode
        {"+CMT: \"+4477\",,\"24/01/01,10:00:00+00\",145,4,0,0,,145,161", std::nullopt},
        {"+CMT: \"+4477\",,\"24/01/01,10:00:00+00\",145,4,0,0,,145,", std::nullopt},
        {"+CMT: \"+4477\",,\"24/01/01,10:00:00+00\",145,4,0,0,,145,x", std::nullopt},
        {"+CMT: \"+4477,,\"24/01/01,10:00:00+00\",145,4,0,0,,145,12", std::nullopt}, // quote open
        {"+CDS: 6,7,\"+4477\",145,\"24/01/01\",\"24/01/01\",0,1,2,3", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textMessageLength(c.header), c.length) << c.header.constData();
}

} // namespace

#include "modem/CSMSException.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/DeviceInfoLookup.h"
#include "modem/Interrogation.h"
#include "modem/MessageSenders.h"
#include "modem/PduSubmission.h"
#include "modem/SendOptions.h"
#include "modem/SubmissionStatus.h"
#include "support/QtPrinters.h"
#include "support/SimulatedModem.h"

#include <algorithm>
#include <cerrno>

// Submissions against the simulator: the exact commands sent, the outcome, and what went on
// the air.

namespace {

const QString Destination = QStringLiteral("+447700900123");
const QString DefaultSmsc = QStringLiteral("+447785016005"); // the simulator's

class ScanResult : public DeviceInfoLookup
{
public:
    QString deviceInformationOf(const QString& portText) const override
    {
        return portText == u"COM4" ? QStringLiteral("Model :QSIM-900\nDefault SMSC No. :") +
                                         DefaultSmsc + QStringLiteral("\nOperator Code :SIM NET")
                                   : QString();
    }
};

enum class Mode
{
    Pdu,
    Text
};

class SimulatedSubmissionTest : public SimulatedModemTest
{
protected:
    SubmissionOutcome send(Mode mode, const QString& text, const QString& smsc = {})
    {
        const SendRequest request{text, smsc, Destination, 0};
        return mode == Mode::Pdu ? SendPduStreamMode(channel, request, context)
                                 : SendTextStreamMode(channel, request, context);
    }

    QString statusOf(Mode mode, const QString& text, const QString& smsc = {})
    {
        try {
            return submissionStatusText(send(mode, text, smsc));
        } catch (const CSMSException& error) {
            return submissionStatusText(error);
        }
    }

    CSMSException errorOf(Mode mode, const QString& text)
    {
        try {
            (void)send(mode, text);
        } catch (const CSMSException& error) {
            return error;
        }
        ADD_FAILURE() << "no error for " << text.toStdString();
        return CSMSException(std::nullopt, {});
    }

    // The PDUs of the next submission, as the encoder makes them.
    std::vector<EncodedPdu> expectedPdus(const QString& text, bool unicode, int submission = 1)
    {
        const auto encoded = encodeMessagePdus(text, Destination, {}, quint16(submission),
                                               {true, options.flash(), unicode});
        return encoded ? encoded->pdus : std::vector<EncodedPdu>{};
    }

    ConcatReferenceCounter references;
    SendOptions options;
    ScanResult scan;
    std::function<bool()> stop;
    SubmissionContext context{clock, references, &options, [this] { return stop && stop(); },
                              &scan};
};

QList<QByteArray> pduTranscript(const std::vector<EncodedPdu>& pdus)
{
    QList<QByteArray> commands = {"AT\r", "AT+CSMS=0\r", "AT+CMGF=0\r"};
    for (const EncodedPdu& pdu : pdus)
        commands += {"AT+CMGF?\r", "AT+CMGS=" + QByteArray::number(pdu.tpduLength) + "\r",
                     pdu.pdu.toLatin1() + "\x1A\r\n"};
    return commands;
}

QString airText(const std::vector<sim::AirMessage>& messages)
{
    QString text;
    for (const sim::AirMessage& message : messages)
        text += message.text;
    return text;
}

TEST_F(SimulatedSubmissionTest, PduModeSendsOneMessageOrPartsByLength)
{
    startModem();
    const struct
    {
        QString text;
        bool unicode;
        std::size_t parts;
    } cases[] = {
        {QString(160, u'a'), false, 1},
        {QString(161, u'a'), false, 2},
        {QString(70, u'ж'), true, 1},
        {QString(71, u'ж'), true, 2},
        // 155 characters, but ten of them escaped: 165 septets.
        {QString(10, u'{') + QString(145, u'a'), false, 2},
        // Line breaks go as one LF each.
        {"two\r\nlines", false, 1},
    };
    int submission = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.left(12).toStdString());
        options.setUnicode(c.unicode);
        channel.clearTranscript();
        const std::size_t before = air().size();
        const std::vector<EncodedPdu> pdus = expectedPdus(c.text, c.unicode, ++submission);
        ASSERT_EQ(pdus.size(), c.parts);

        EXPECT_EQ(send(Mode::Pdu, c.text), SubmissionOutcome::Sent);
        EXPECT_EQ(channel.transcript(), pduTranscript(pdus));
        const std::vector<sim::AirMessage> all = air();
        const std::vector<sim::AirMessage> sent(all.begin() + qsizetype(before), all.end());
        ASSERT_EQ(sent.size(), c.parts);
        EXPECT_EQ(airText(sent), QString(c.text).replace("\r\n", "\n"));
        for (const sim::AirMessage& message : sent) {
            EXPECT_EQ(message.destination, Destination);
            EXPECT_EQ(message.dcs, c.unicode ? 8 : 0);
            EXPECT_EQ(message.total, int(c.parts));
            if (c.parts > 1) {
                EXPECT_EQ(message.reference, submission);
            }
        }
    }
}

TEST_F(SimulatedSubmissionTest, EmptyMessage)
{
    startModem();
    EXPECT_EQ(statusOf(Mode::Pdu, ""), "Message sent successfully.");
    const std::vector<EncodedPdu> pdus = expectedPdus("", false);
    ASSERT_EQ(pdus.size(), 1u);
    EXPECT_TRUE(pdus.front().pdu.endsWith("008F00")) << "user data length 0, no data";
    EXPECT_EQ(channel.transcript(), pduTranscript(pdus));

    channel.clearTranscript();
    EXPECT_EQ(statusOf(Mode::Text, ""), "Message sent successfully.");
    EXPECT_TRUE(channel.transcript().contains(" \x1A\r\n"));

    ASSERT_EQ(air().size(), 2u);
    EXPECT_EQ(air()[0].text, "");
    EXPECT_EQ(air()[1].text, " ");
}

TEST_F(SimulatedSubmissionTest, LastPartRefusedRaisesTheModemsError)
{
    startModem("cms-error=38,every=2");
    const CSMSException error = errorOf(Mode::Pdu, QString(161, u'a'));
    EXPECT_EQ(GetModemErrorText(error), "+CMS ERROR: 38");
    EXPECT_EQ(air().size(), 1u);
}

qsizetype submissionsIn(const QList<QByteArray>& transcript)
{
    return std::count_if(transcript.cbegin(), transcript.cend(),
                         [](const QByteArray& command) { return command.startsWith("AT+CMGS="); });
}

// Only the last part's outcome used to count: a message whose middle part was refused is not
// sent, even though the parts after it went through.
TEST_F(SimulatedSubmissionTest, EarlierPartRefusedFailsTheMessage)
{
    for (const Mode mode : {Mode::Pdu, Mode::Text}) {
        startModem("cms-error=38,every=2");
        // Three parts in either mode: 152 + 152 + 6 septets, or slices of 150 + 150 + 10.
        EXPECT_EQ(statusOf(mode, QString(310, u'a')), "Error : +CMS ERROR: 38");
        EXPECT_EQ(submissionsIn(channel.transcript()), 3);
        EXPECT_EQ(air().size(), 2u) << "parts 1 and 3 of 3 went on the air";
        serial.Close();
        modems.stop();
        channel.clearTranscript();
    }
}

TEST_F(SimulatedSubmissionTest, StopBetweenPartsEndsTheMessageAsStopped)
{
    startModem();
    stop = [] { return true; };
    for (const Mode mode : {Mode::Pdu, Mode::Text}) {
        const std::size_t before = air().size();
        EXPECT_EQ(statusOf(mode, QString(200, u'a')), "Stopped");
        EXPECT_EQ(air().size() - before, 1u);
    }
}

// A modem that never prompts for the message cannot have taken it, whatever its (lack of)
// reply says.
TEST_F(SimulatedSubmissionTest, SilentModemIsAnErrorNotASuccess)
{
    for (const char* profile : {"hang", "echo-only"}) {
        SCOPED_TRACE(profile);
        startModem(profile);
        const CSMSException error = errorOf(Mode::Pdu, "hello");
        EXPECT_EQ(error.code(), CSMSException::NoResponseCode);
        const QByteArray cmgs =
            "AT+CMGS=" + QByteArray::number(expectedPdus("hello", false).front().tpduLength) + "\r";
        const QList<QByteArray> expected = {"AT\r",       "AT+CSMS=0\r", "AT+CMGF=0\r",
                                            "AT+CMGF?\r", cmgs,          "\x1B"};
        EXPECT_EQ(channel.transcript(), expected);
        EXPECT_TRUE(air().empty());
        serial.Close();
        modems.stop();
        channel.clearTranscript();
    }
    startModem("hang");
    EXPECT_EQ(statusOf(Mode::Text, "hello"), "Error : +CMS ERROR: 500");
}

TEST_F(SimulatedSubmissionTest, VanishedModemIsAnErrorNotASuccess)
{
    startModem("vanish=1");
    EXPECT_EQ(send(Mode::Pdu, "first"), SubmissionOutcome::Sent);
    const CSMSException error = errorOf(Mode::Pdu, QString(200, u'a'));
    EXPECT_EQ(error.code(), CSMSException::SystemErrorBase | EIO);
    EXPECT_FALSE(modems.simulator().present(Port));
    EXPECT_EQ(air().size(), 1u);
}

// Part one is on the air: the outcome is unknown, not a plain error a retry would send again.
TEST_F(SimulatedSubmissionTest, VanishingBetweenPartsLeavesTheOutcomeUnknown)
{
    startModem("vanish=1");
    const CSMSException error = errorOf(Mode::Pdu, QString(200, u'a'));
    EXPECT_EQ(error.code(), CSMSException::UnconfirmedCode);
    EXPECT_EQ(air().size(), 1u);
}

QList<QByteArray> textTranscript(const QByteArray& csmp, const QList<QByteArray>& charset,
                                 const QByteArray& body)
{
    return QList<QByteArray>{"AT\r", "AT+CSMS=0\r", "AT+CMGF=1\r", csmp} + charset +
           QList<QByteArray>{"AT+CMGF?\r", "AT+CMGS=\"+447700900123\"\r", body + "\x1A\r\n",
                             "AT+CMEE=1\r", "AT+CSCA=\"+447785016005\",145\r"};
}

// "Use national language tables where they save parts": PDU mode sends a Turkish text in the
// Turkish tables, in two parts in place of UCS2's four; text mode, which has no header to name
// them in, keeps UCS2.
TEST_F(SimulatedSubmissionTest, NationalLanguageTablesGoOnTheAirInPduModeOnly)
{
    startModem();
    options.setUnicode(true);
    options.setNationalLanguages(true);
    const QString text =
        QStringLiteral("\u0130stanbul'da bulu\u015Fal\u0131m, \u011Fece. ").repeated(8);
    const std::size_t before = air().size();
    EXPECT_EQ(send(Mode::Pdu, text), SubmissionOutcome::Sent);
    const std::vector<sim::AirMessage> all = air();
    const std::vector<sim::AirMessage> sent(all.begin() + qsizetype(before), all.end());
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(airText(sent), text);
    for (const sim::AirMessage& message : sent) {
        EXPECT_EQ(message.dcs, 0);
        EXPECT_TRUE(message.pdu.contains(QLatin1String("240101"))) << "the Turkish single shift";
    }
    // Hindi with its danda: the Hindi locking and single shift tables, one part for UCS2's two.
    const QString hindi = QStringLiteral("नमस्ते, आप कैसे हैं? मैं ठीक हूँ। ").repeated(3);
    const std::size_t hindiBefore = air().size();
    EXPECT_EQ(send(Mode::Pdu, hindi), SubmissionOutcome::Sent);
    ASSERT_EQ(air().size(), hindiBefore + 1);
    EXPECT_EQ(air().back().text, hindi);
    EXPECT_EQ(air().back().dcs, 0);
    EXPECT_TRUE(air().back().pdu.contains(QLatin1String("06240106250106")))
        << "the Hindi single and locking shifts";

    const std::size_t textBefore = air().size();
    EXPECT_EQ(send(Mode::Text, text), SubmissionOutcome::Sent);
    ASSERT_GT(air().size(), textBefore);
    EXPECT_EQ(air().back().dcs, 8);
}

// With the Unicode option on, a text the GSM alphabet covers still goes as GSM text, in a
// character set that carries all of it. The cases run in order on one modem, which keeps the
// set the case before chose.
TEST_F(SimulatedSubmissionTest, TextModeSendsGsmTextAsGsmWhateverTheUnicodeOption)
{
    startModem("charsets=IRA/GSM/UCS2/HEX");
    options.setUnicode(true);
    const QByteArray query = "AT+CSCS?\r";
    const QByteArray supported = "AT+CSCS=?\r";
    const struct
    {
        QString text;
        bool flash;
        QByteArray csmp;
        QList<QByteArray> charset;
        QByteArray body;
    } cases[] = {
        {"Hello [world]", false, "AT+CSMP=17,255,0,0\r", {query}, "Hello [world]"},
        {"Hello [world]", true, "AT+CSMP=17,255,0,16\r", {query}, "Hello [world]"},
        // IRA has no euro sign, and in GSM its escape code would cancel the message: HEX
        // carries the GSM codes as hex.
        {"Price 5€",
         false,
         "AT+CSMP=17,255,0,0\r",
         {query, supported, "AT+CSCS=\"HEX\"\r"},
         "507269636520351B65"},
        {"Price 5€", true, "AT+CSMP=17,255,0,16\r", {query, supported}, "507269636520351B65"},
        {"Back to [IRA]",
         false,
         "AT+CSMP=17,255,0,0\r",
         {query, supported, "AT+CSCS=\"IRA\"\r"},
         "Back to [IRA]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        options.setFlash(c.flash);
        channel.clearTranscript();
        const std::size_t before = air().size();
        EXPECT_EQ(send(Mode::Text, c.text), SubmissionOutcome::Sent);
        EXPECT_EQ(channel.transcript(), textTranscript(c.csmp, c.charset, c.body));
        ASSERT_EQ(air().size(), before + 1);
        EXPECT_EQ(air().back().text, c.text);
        EXPECT_EQ(air().back().dcs, c.flash ? 16 : 0);
    }
}

TEST_F(SimulatedSubmissionTest, TextModeSetsTheCustomSmscAndRestoresTheDefault)
{
    startModem();
    const struct
    {
        const char* smsc;
        QByteArray command;
    } cases[] = {
        {" +447700900999 ", "AT+CSCA=\"+447700900999\",145\r"},
        {"07700900999", "AT+CSCA=\"07700900999\",129\r"},
    };
    for (const auto& c : cases) {
        channel.clearTranscript();
        EXPECT_EQ(send(Mode::Text, "hello", c.smsc), SubmissionOutcome::Sent);
        const QList<QByteArray> head = {"AT\r", "AT+CSMS=0\r", "AT+CMGF=1\r", "AT+CMEE=1\r",
                                        c.command};
        EXPECT_EQ(channel.transcript().mid(0, 5), head);
        EXPECT_EQ(air().back().smsc, QString::fromLatin1(c.smsc).trimmed());
        EXPECT_EQ(channel.transcript().last(), "AT+CSCA=\"+447785016005\",145\r");
    }
    // The modem's own SMSC is back in place.
    EXPECT_EQ(send(Mode::Text, "after"), SubmissionOutcome::Sent);
    EXPECT_EQ(air().back().smsc, DefaultSmsc);
    EXPECT_TRUE(QueryDeviceInformation(channel).contains("\nDefault SMSC No. :+447785016005\n"));
}

// HEX is preferred to UCS2 as the character set of a Unicode text; the body is UCS2 hex either
// way. A long Unicode text chooses again for every slice.
TEST_F(SimulatedSubmissionTest, TextModeUnicodeChoosesHexBeforeUcs2)
{
    const struct
    {
        const char* profile;
        QByteArray select;
    } cases[] = {
        {"charsets=IRA/GSM/UCS2/HEX", "AT+CSCS=\"HEX\"\r"},
        {"charsets=IRA/GSM/UCS2", "AT+CSCS=\"UCS2\"\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.profile);
        startModem(c.profile);
        options.setUnicode(true);
        const QString text = QString::fromUtf8("Привет");
        EXPECT_EQ(send(Mode::Text, text), SubmissionOutcome::Sent);
        const QList<QByteArray> expected = {
            "AT\r",
            "AT+CSMS=0\r",
            "AT+CMGF=1\r",
            "AT+CSMP=17,255,0,8\r",
            "AT+CSCS=?\r",
            c.select,
            "AT+CMGF?\r",
            "AT+CMGS=\"+447700900123\"\r",
            "041F04400438043204350442\x1A\r\n",
            "AT+CMEE=1\r",
            "AT+CSCA=\"+447785016005\",145\r",
        };
        EXPECT_EQ(channel.transcript(), expected);

        const QString longText = QString(71, u'ж');
        channel.clearTranscript();
        EXPECT_EQ(send(Mode::Text, longText), SubmissionOutcome::Sent);
        EXPECT_EQ(channel.transcript().count(c.select), 2);
        const std::vector<sim::AirMessage> sent = air();
        ASSERT_EQ(sent.size(), 3u);
        EXPECT_EQ(sent[0].text, text);
        EXPECT_EQ(sent[1].text + sent[2].text, longText);
        for (const sim::AirMessage& message : sent)
            EXPECT_EQ(message.dcs, 8);
        serial.Close();
        modems.stop();
        channel.clearTranscript();
    }
}

// In text mode the modem echoes the body; its "OK" line is the user's text, and the modem's
// verdict comes after it.
TEST_F(SimulatedSubmissionTest, EchoedOkLineOfTheBodyIsNotTheResult)
{
    startModem("cms-error=38");
    EXPECT_EQ(statusOf(Mode::Text, "Hi\nOK\nbye"), "Error : +CMS ERROR: 38");
    EXPECT_EQ(statusOf(Mode::Pdu, "Hi\nOK\nbye"), "Error : +CMS ERROR: 38");
}

// Every character arrives, whatever set the modem starts in; a text no narrow set carries
// goes as UCS2 rather than with "?".
TEST_F(SimulatedSubmissionTest, TextModeKeepsEveryCharacter)
{
    const QString text = QString::fromUtf8("Price 5€ [x]{y}~|^\\");
    for (const char* profile : {"", "charset=UCS2", "charsets=IRA/GSM/UCS2/HEX"}) {
        SCOPED_TRACE(profile);
        startModem(profile);
        EXPECT_EQ(statusOf(Mode::Text, text), "Message sent successfully.");
        ASSERT_EQ(air().size(), 1u);
        EXPECT_EQ(air().front().text, text);
        serial.Close();
        modems.stop();
    }
}

// A custom SMSC must not stay in a modem that has no stored default to put back: the modem's
// own SMSC is remembered and restored.
TEST_F(SimulatedSubmissionTest, TextModeRestoresTheModemsOwnSmsc)
{
    startModem();
    const SubmissionContext unknownDevice{clock, references, &options, {}, nullptr};
    const SendRequest custom{"first", "+491710760000", Destination, 0};
    const SendRequest plain{"second", {}, Destination, 0};
    EXPECT_EQ(SendTextStreamMode(channel, custom, unknownDevice), SubmissionOutcome::Sent);
    EXPECT_EQ(SendTextStreamMode(channel, plain, unknownDevice), SubmissionOutcome::Sent);
    ASSERT_EQ(air().size(), 2u);
    EXPECT_EQ(air().at(0).smsc, "+491710760000");
    EXPECT_EQ(air().at(1).smsc, "+447785016005");
}

// The answer is read as it comes: a modem that takes the message and then disappears has
// still sent it.
TEST_F(SimulatedSubmissionTest, ModemGoneRightAfterAcceptingHasSent)
{
    for (const Mode mode : {Mode::Pdu, Mode::Text}) {
        SCOPED_TRACE(mode == Mode::Text);
        startModem("vanish-sent=1");
        EXPECT_EQ(statusOf(mode, "hello"), "Message sent successfully.");
        EXPECT_EQ(air().size(), 1u);
        serial.Close();
        modems.stop();
    }
}

} // namespace

namespace {

class DeliveryReportSubmissionTest : public SimulatedSubmissionTest
{
protected:
    void SetUp() override
    {
        options.setDeliveryReports(true);
        context.messageReferences = &messageReferences;
    }

    std::vector<int> airReferences() const
    {
        std::vector<int> references;
        for (const sim::AirMessage& message : air())
            references.push_back(message.messageReference);
        return references;
    }

    std::vector<int> messageReferences;
};

// Every part asks for a report and the caller learns each part's reference from the modem's
// "+CMGS:" answer, in PDU mode (first octets 0x31 and 0x71) as in text mode (AT+CSMP=49).
TEST_F(DeliveryReportSubmissionTest, EveryPartAsksForAReportAndKeepsItsReference)
{
    for (const Mode mode : {Mode::Pdu, Mode::Text}) {
        for (const QString& text : {QStringLiteral("short"), QString(310, u'a')}) {
            SCOPED_TRACE(text.size());
            startModem();
            messageReferences.clear();
            EXPECT_EQ(send(mode, text), SubmissionOutcome::Sent);
            ASSERT_FALSE(air().empty());
            EXPECT_EQ(messageReferences, airReferences());
            if (mode == Mode::Text) {
                EXPECT_TRUE(channel.transcript().contains("AT+CSMP=49,255,0,0\r"));
            } else {
                const QString expectedFirst = air().size() == 1 ? "31" : "71";
                for (const sim::AirMessage& message : air())
                    EXPECT_EQ(message.pdu.mid(2, 2), expectedFirst);
            }
            serial.Close();
            modems.stop();
            channel.clearTranscript();
        }
    }
}

TEST_F(DeliveryReportSubmissionTest, ARefusedPartHasNoReference)
{
    startModem("cms-error=38,every=2");
    EXPECT_EQ(statusOf(Mode::Pdu, QString(310, u'a')), "Error : +CMS ERROR: 38");
    const std::vector<int> sent = airReferences();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(messageReferences, (std::vector<int>{sent[0], -1, sent[1]}));
}

TEST_F(SimulatedSubmissionTest, NoReportIsAskedForUnlessTheOptionIsOn)
{
    startModem();
    EXPECT_EQ(send(Mode::Pdu, QStringLiteral("short")), SubmissionOutcome::Sent);
    ASSERT_EQ(air().size(), 1u);
    EXPECT_EQ(air()[0].pdu.mid(2, 2), "11");
    EXPECT_EQ(send(Mode::Text, QStringLiteral("short")), SubmissionOutcome::Sent);
    EXPECT_TRUE(channel.transcript().contains("AT+CSMP=17,255,0,0\r"));
}

} // namespace

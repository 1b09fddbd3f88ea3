#include "QtPrinters.h"
#include "RecordingChannel.h"
#include "ScriptedModem.h"
#include "SimulatedModem.h"
#include "modem/CSMSException.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/Interrogation.h"
#include "modem/MessageSenders.h"
#include "modem/ModemCommands.h"
#include "modem/SendOptions.h"
#include "modem/SubmissionStatus.h"

#include <QDir>
#include <QFile>
#include <chrono>
#include <thread>

// What real modems do that a well-behaved one would not: answer late, in pieces, with
// unsolicited lines in between, echo message bodies that look like results, go silent or away
// right after a message.

namespace {

const QString Destination = QStringLiteral("+447700900123");

// Channel and modem on a pseudo-terminal where a script answers; the clock runs the 5 s
// channel time-out in 200 ms.
class ScriptedQuirksTest : public ::testing::Test
{
protected:
    void start(ScriptedModem::Script script)
    {
        ASSERT_TRUE(folder.isValid());
        modem = std::make_unique<ScriptedModem>(std::move(script));
        ASSERT_TRUE(QFile::link(modem->slavePath(), QDir(folder.path()).filePath("COM3")));
        serial.Open(3, 5000);
    }

    QString statusOf(const QString& text, bool textMode = false)
    {
        const SendRequest request{text, {}, Destination, 0};
        try {
            return submissionStatusText(textMode ? SendTextStreamMode(channel, request, context)
                                                 : SendPduStreamMode(channel, request, context));
        } catch (const CSMSException& error) {
            return submissionStatusText(error);
        }
    }

    QTemporaryDir folder;
    std::unique_ptr<ScriptedModem> modem;
    PortMap ports{folder.path()};
    Clock clock{25};
    CSMSSerialPort serial{ports, clock};
    RecordingChannel channel{serial};
    ConcatReferenceCounter references;
    SendOptions options;
    SubmissionContext context{clock, references, &options, {}, nullptr};
};

QByteArray answer(const QByteArray& value)
{
    return "\r\n" + value + "\r\n\r\nOK\r\n";
}

// The first answer comes after the channel has given up on it, before the modem reads on: the
// next commands still get their own answers.
TEST_F(ScriptedQuirksTest, LateAnswerNeverReachesTheNextCommand)
{
    start([](const QByteArray& input) -> QByteArray {
        if (input == "AT+GMI") {
            std::this_thread::sleep_for(std::chrono::milliseconds(260));
            return answer("LATECORP");
        }
        if (input == "AT+GMM")
            return answer("QX-7");
        if (input == "AT+CGSN")
            return answer("356938035643809");
        return "\r\nOK\r\n";
    });
    EXPECT_FALSE(sendCommand(channel, "AT+GMI\r"));
    EXPECT_EQ(QueryModel(channel), "QX-7");
    EXPECT_EQ(QueryImei(channel), "356938035643809");
}

// Multi-line answers are joined; the voltage some modems add after the battery level is not
// part of the level.
TEST_F(ScriptedQuirksTest, MultiLineRevisionAndBatteryVoltage)
{
    start([](const QByteArray& input) -> QByteArray {
        if (input == "AT+GMR")
            return "\r\n+GMR: 11.608.12.02.21\r\nR2B\r\n\r\nOK\r\n";
        if (input == "AT+CBC")
            return answer("+CBC: 0,97,4177");
        return "\r\nOK\r\n";
    });
    const QStringList lines = QueryDeviceInformation(channel).split(u'\n');
    EXPECT_EQ(lines.at(2), "Revision :11.608.12.02.21 R2B");
    EXPECT_EQ(lines.at(4), "Battery :97%");
}

// The body went out and then nothing conclusive came: the message may be on the air, so it
// must neither read as sent nor as a plain failure.
TEST_F(ScriptedQuirksTest, SilenceAfterTheBodyLeavesTheOutcomeUnknown)
{
    start([](const QByteArray& input) -> QByteArray {
        if (input.startsWith("AT+CMGS="))
            return "\r\n> ";
        if (input.endsWith('\x1A'))
            return {};
        return "\r\nOK\r\n";
    });
    EXPECT_EQ(statusOf("hello"),
              "Error : No confirmation from the modem; the message may have been sent.");
}

class QuirkySimulatedModemTest : public SimulatedModemTest
{
protected:
    QString statusOf(const QString& text, bool textMode, const QString& smsc = {})
    {
        const SendRequest request{text, smsc, Destination, 0};
        try {
            return submissionStatusText(textMode ? SendTextStreamMode(channel, request, context)
                                                 : SendPduStreamMode(channel, request, context));
        } catch (const CSMSException& error) {
            return submissionStatusText(error);
        }
    }

    ConcatReferenceCounter references;
    SendOptions options;
    SubmissionContext context{clock, references, &options, {}, nullptr};
};

// Answers a byte at a time: "NOKIA" holds "OK", and a wait that stopped there would shift
// every later answer by one command.
TEST_F(QuirkySimulatedModemTest, AnswersInPiecesAreReadWhole)
{
    startModem("trickle,manufacturer=NOKIA,model=N95,revision=V1");
    const QStringList lines = QueryDeviceInformation(channel).split(u'\n');
    EXPECT_EQ(lines.at(0), "Manufacturer :NOKIA");
    EXPECT_EQ(lines.at(1), "Model :N95");
    EXPECT_EQ(lines.at(2), "Revision :V1");
    EXPECT_EQ(lines.at(3), "Supported SMS Mode :PDU Mode & Text Mode");
}

// A signal report inside the answer to AT+CMGF=? must not make a text-only modem look like
// one that takes PDUs.
TEST_F(QuirkySimulatedModemTest, UnsolicitedLinesInsideAnswersChangeNoValue)
{
    startModem("text-only,urc-every=1,signal=17");
    EXPECT_EQ(QuerySmsModes(channel), TextModeOnly);
    serial.Open(Port, ChannelTimeoutMs);
    const QString information = QueryDeviceInformation(channel);
    EXPECT_FALSE(information.contains(u"RSSI")) << information.toStdString();
    EXPECT_FALSE(information.contains(u"MODE:")) << information.toStdString();
    EXPECT_TRUE(information.contains(u"Signal Quality :Good (17)")) << information.toStdString();
    EXPECT_TRUE(information.contains(u"Supported SMS Mode :Text Mode"));
    EXPECT_FALSE(serial.takeUnsolicited().isEmpty());
}

// In text mode the modem echoes the body; its "OK" line is the user's text, and the modem's
// verdict comes after it.
TEST_F(QuirkySimulatedModemTest, EchoedOkLineOfTheBodyIsNotTheResult)
{
    startModem("cms-error=38");
    EXPECT_EQ(statusOf("Hi\nOK\nbye", true), "Error : +CMS ERROR: 38");
    EXPECT_EQ(statusOf("Hi\nOK\nbye", false), "Error : +CMS ERROR: 38");
}

// Every character arrives, whatever set the modem starts in; a text no narrow set carries
// goes as UCS2 rather than with "?".
TEST_F(QuirkySimulatedModemTest, TextModeKeepsEveryCharacter)
{
    const QString text = QString::fromUtf8("Price 5€ [x]{y}~|^\\");
    for (const char* profile : {"", "charset=UCS2", "charsets=IRA/GSM/UCS2/HEX"}) {
        SCOPED_TRACE(profile);
        startModem(profile);
        EXPECT_EQ(statusOf(text, true), "Message sent successfully.");
        ASSERT_EQ(air().size(), 1u);
        EXPECT_EQ(air().front().text, text);
        serial.Close();
        simulator.reset();
    }
}

// A custom SMSC must not stay in a modem that has no stored default to put back: the modem's
// own SMSC is remembered and restored.
TEST_F(QuirkySimulatedModemTest, TextModeRestoresTheModemsOwnSmsc)
{
    startModem();
    EXPECT_EQ(statusOf("first", true, "+491710760000"), "Message sent successfully.");
    EXPECT_EQ(statusOf("second", true), "Message sent successfully.");
    ASSERT_EQ(air().size(), 2u);
    EXPECT_EQ(air().at(0).smsc, "+491710760000");
    EXPECT_EQ(air().at(1).smsc, "+447785016005");
}

// The answer is read as it comes: a modem that takes the message and then disappears has
// still sent it.
TEST_F(QuirkySimulatedModemTest, ModemGoneRightAfterAcceptingHasSent)
{
    for (const bool textMode : {false, true}) {
        SCOPED_TRACE(textMode);
        startModem("vanish-sent=1");
        EXPECT_EQ(statusOf("hello", textMode), "Message sent successfully.");
        EXPECT_EQ(air().size(), 1u);
        serial.Close();
        simulator.reset();
    }
}

} // namespace

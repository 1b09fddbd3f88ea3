#include "ScriptedModem.h"
#include "base/Clock.h"
#include "modem/CSMSException.h"
#include "modem/CSMSSerialPort.h"
#include "modem/ConcatReferenceCounter.h"
#include "modem/DeviceInfoLookup.h"
#include "modem/Interrogation.h"
#include "modem/MessageSenders.h"
#include "modem/ModemCommands.h"
#include "modem/PortMap.h"
#include "modem/SendOptions.h"
#include "modem/SubmissionStatus.h"
#include "support/QtPrinters.h"
#include "support/RecordingChannel.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Behaviour the simulator does not show, against scripted modems on pseudo-terminals.

namespace {

constexpr int Port = 3;

class StaticDeviceInfo : public DeviceInfoLookup
{
public:
    explicit StaticDeviceInfo(QString information) : m_information(std::move(information)) {}
    QString deviceInformationOf(const QString& portText) const override
    {
        return portText == u"COM3" ? m_information : QString();
    }

private:
    QString m_information;
};

class ScriptedSubmissionTest : public ::testing::Test
{
protected:
    void start(ScriptedModem::Script script)
    {
        ASSERT_TRUE(folder.isValid());
        modem = std::make_unique<ScriptedModem>(std::move(script));
        ASSERT_TRUE(QFile::link(modem->slavePath(), QDir(folder.path()).filePath("COM3")));
        serial.Open(Port, 5000);
    }

    QString statusOf(bool textMode, const SendRequest& request)
    {
        try {
            const SubmissionOutcome outcome = textMode
                                                  ? SendTextStreamMode(channel, request, context)
                                                  : SendPduStreamMode(channel, request, context);
            return submissionStatusText(outcome);
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
    StaticDeviceInfo deviceInfo{"Model :X\nDefault SMSC No. :+447785016005\nOperator Code :Y"};
    SubmissionContext context{clock, references, &options, {}, &deviceInfo};
};

QByteArray okTo(const QByteArray&)
{
    return "\r\nOK\r\n";
}

// The modem echoes a text-mode body, so "OK" in the message reaches us before the modem's
// verdict on it: that must not count as the final "OK".
TEST_F(ScriptedSubmissionTest, OkInsideTheEchoedTextIsNotTheResult)
{
    start([](const QByteArray& input) -> QByteArray {
        if (input.startsWith("AT+CMGS="))
            return "\r\n> ";
        if (input.endsWith('\x1A'))
            return "Is it OK?\r\n\r\n+CMS ERROR: 38\r\n";
        return okTo(input);
    });
    EXPECT_EQ(statusOf(true, {"Is it OK?", {}, "+447700900123", 1}), "Error : +CMS ERROR: 38");
}

// A modem left in UCS2 by a Unicode message may refuse the plain SMSC number: the restore goes
// back to a narrow character set and tries again.
TEST_F(ScriptedSubmissionTest, RestoreOfTheDefaultSmscLeavesTheWideCharacterSet)
{
    auto charset = std::make_shared<QByteArray>("IRA");
    start([charset](const QByteArray& input) -> QByteArray {
        if (input == "AT+CSCS=?")
            return "\r\n+CSCS: (\"IRA\",\"GSM\",\"UCS2\")\r\n\r\nOK\r\n";
        if (input.startsWith("AT+CSCS=\"")) {
            *charset = input.mid(9).chopped(1);
            return "\r\nOK\r\n";
        }
        if (input == "AT+CMGF?")
            return "\r\n+CMGF: 1\r\n\r\nOK\r\n";
        if (input.startsWith("AT+CSCA=\"+") && *charset == "UCS2")
            return "\r\n+CME ERROR: 3\r\n";
        if (input.startsWith("AT+CMGS="))
            return "\r\n> ";
        if (input.endsWith('\x1A'))
            return "\r\n+CMGS: 7\r\n\r\nOK\r\n";
        return okTo(input);
    });
    options.setUnicode(true);
    EXPECT_EQ(statusOf(true, {QString::fromUtf8("Привет"), {}, "+447700900123", 0}),
              "Message sent successfully.");
    const QList<QByteArray> expected = {
        "AT\r",
        "AT+CSMS=0\r",
        "AT+CMGF=1\r",
        "AT+CSMP=17,255,0,8\r",
        "AT+CSCS=?\r",
        "AT+CSCS=\"UCS2\"\r",
        "AT+CMGF?\r",
        "AT+CMGS=\"+447700900123\"\r",
        "041F04400438043204350442\x1A\r\n",
        "AT+CMEE=1\r",
        "AT+CSCA=\"+447785016005\",145\r",
        "AT+CSCS=?\r",
        "AT+CSCS=\"GSM\"\r",
        "AT+CMEE=1\r",
        "AT+CSCA=\"+447785016005\",145\r",
    };
    EXPECT_EQ(channel.transcript(), expected);
    EXPECT_EQ(*charset, "GSM");
}

// A reply that comes after its wait gave up belongs to the message before. Read as the answer
// to the next message's commands, it shifts every answer by one: here the character set query
// would miss that the modem is still in UCS2, and the GSM text would go out garbled.
TEST_F(ScriptedSubmissionTest, StaleReplyIsNotTakenForTheNextMessage)
{
    auto charset = std::make_shared<QByteArray>("UCS2");
    start([charset](const QByteArray& input) -> QByteArray {
        // A modem slow enough that every read takes one answer: a late one shifts them all. The
        // slowness is the modem's own, so it is a sleep, not a wait.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (input == "AT+CSCS?")
            return "\r\n+CSCS: \"" + *charset + "\"\r\n\r\nOK\r\n";
        if (input == "AT+CSCS=?")
            return "\r\n+CSCS: (\"IRA\",\"GSM\",\"UCS2\")\r\n\r\nOK\r\n";
        if (input.startsWith("AT+CSCS=\"")) {
            *charset = input.mid(9).chopped(1);
            return "\r\nOK\r\n";
        }
        if (input.startsWith("AT+CMGS="))
            return "\r\n> ";
        if (input.endsWith('\x1A'))
            return *charset == "UCS2" ? "\r\n+CMS ERROR: 304\r\n" : "\r\n+CMGS: 6\r\n\r\nOK\r\n";
        return okTo(input);
    });
    modem->push("\r\n+CMGS: 5\r\n\r\nOK\r\n");
    // The pty hands bytes over asynchronously: the late reply is there before we start.
    ASSERT_TRUE(waitUntil([&] { return serial.WaitForData(0); }));
    EXPECT_EQ(statusOf(true, {"hello", {}, "+447700900123", 0}), "Message sent successfully.");
    EXPECT_TRUE(channel.transcript().contains("hello\x1A\r\n"));
}

// The first answer comes after the channel has given up on it, before the modem reads on: the
// next commands still get their own answers.
TEST_F(ScriptedSubmissionTest, LateAnswerNeverReachesTheNextCommand)
{
    start([](const QByteArray& input) -> QByteArray {
        if (input == "AT+GMI") {
            // Silent past the channel's 200 ms (5 s designed) time-out: the program's clock
            // decides when it gives up, so only time can pass here.
            std::this_thread::sleep_for(std::chrono::milliseconds(260));
            return "\r\nLATECORP\r\n\r\nOK\r\n";
        }
        if (input == "AT+GMM")
            return "\r\nQX-7\r\n\r\nOK\r\n";
        if (input == "AT+CGSN")
            return "\r\n356938035643809\r\n\r\nOK\r\n";
        return "\r\nOK\r\n";
    });
    EXPECT_FALSE(sendCommand(channel, "AT+GMI\r"));
    EXPECT_EQ(QueryModel(channel), "QX-7");
    EXPECT_EQ(QueryImei(channel), "356938035643809");
}

// Multi-line answers are joined; the voltage some modems add after the battery level is not
// part of the level.
TEST_F(ScriptedSubmissionTest, MultiLineRevisionAndBatteryVoltage)
{
    start([](const QByteArray& input) -> QByteArray {
        if (input == "AT+GMR")
            return "\r\n+GMR: 11.608.12.02.21\r\nR2B\r\n\r\nOK\r\n";
        if (input == "AT+CBC")
            return "\r\n+CBC: 0,97,4177\r\n\r\nOK\r\n";
        return "\r\nOK\r\n";
    });
    const QStringList lines = QueryDeviceInformation(channel).split(u'\n');
    EXPECT_EQ(lines.at(2), "Revision :11.608.12.02.21 R2B");
    EXPECT_EQ(lines.at(4), "Battery :97%");
}

// The body went out and then nothing conclusive came: the message may be on the air, so it
// must neither read as sent nor as a plain failure.
TEST_F(ScriptedSubmissionTest, SilenceAfterTheBodyLeavesTheOutcomeUnknown)
{
    start([](const QByteArray& input) -> QByteArray {
        if (input.startsWith("AT+CMGS="))
            return "\r\n> ";
        if (input.endsWith('\x1A'))
            return {};
        return "\r\nOK\r\n";
    });
    EXPECT_EQ(statusOf(false, {"hello", {}, "+447700900123", 0}),
              "Error : No confirmation from the modem; the message may have been sent.");
}

} // namespace

#include "modem/ConcatReferenceCounter.h"
#include "modem/MessageSenders.h"
#include "modem/ModemCommands.h"
#include "modem/ReportRouting.h"
#include "modem/SendOptions.h"
#include "support/QtPrinters.h"
#include "support/SimulatedModem.h"

#include <map>

// Status reports from simulated modems: the route the modem allows, routed "+CDS:" lines and
// reports read back from the store, always with unsolicited noise around them.

namespace {

const QString Delivered = QStringLiteral("+447700900123");
const QString Expiring = QStringLiteral("+447700900999");

class SimulatedReportsTest : public SimulatedModemTest
{
protected:
    void start(const QString& profile)
    {
        startModem(QStringLiteral("report-delay=0,report=+44770090099*:expired,") + profile);
        options.setDeliveryReports(true);
    }

    void send(bool textMode, const QString& number, const QString& text)
    {
        const SendRequest request{text, {}, number, 0};
        if (textMode)
            (void)SendTextStreamMode(channel, request, context);
        else
            (void)SendPduStreamMode(channel, request, context);
    }

    // Idle commands until count indications of the given kind came; reports come unasked.
    QList<QByteArray> indications(const char* prefix, int count)
    {
        QList<QByteArray> found;
        for (int round = 0; round < 200 && found.size() < count; ++round) {
            sendCommand(channel, "AT\r");
            for (const QByteArray& line : channel.takeUnsolicited()) {
                if (line.startsWith(prefix))
                    found.append(line);
            }
        }
        return found;
    }

    ConcatReferenceCounter references;
    SendOptions options;
    std::vector<int> sentReferences;
    SubmissionContext context{clock, references, &options, {}, nullptr, &sentReferences};
};

TEST_F(SimulatedReportsTest, RoutedReportsNameEachPartsReference)
{
    for (const bool textMode : {false, true}) {
        SCOPED_TRACE(textMode ? "text" : "pdu");
        start({});
        ASSERT_EQ(setUpDeliveryReports(channel), ReportRoute::Routed);
        sentReferences.clear();
        send(textMode, Delivered, QStringLiteral("short"));
        send(textMode, Expiring, QString(200, u'a'));
        ASSERT_EQ(sentReferences.size(), 3u);

        std::map<int, StatusReport> byReference;
        for (const QByteArray& line : indications("+CDS:", 3)) {
            const std::optional<StatusReport> report = parseCdsIndication(line);
            ASSERT_TRUE(report.has_value()) << line.toStdString();
            byReference[report->messageReference] = *report;
        }
        ASSERT_EQ(byReference.size(), 3u);
        EXPECT_EQ(byReference[sentReferences[0]].recipient, Delivered);
        EXPECT_EQ(byReference[sentReferences[0]].outcome, ReportOutcome::Delivered);
        for (const int part : {sentReferences[1], sentReferences[2]}) {
            EXPECT_EQ(byReference[part].recipient, Expiring);
            EXPECT_EQ(byReference[part].status, 0x46);
        }
        serial.Close();
        modems.stop();
    }
}

TEST_F(SimulatedReportsTest, StoredReportsAreAnnouncedAndReadFromTheStore)
{
    for (const bool textMode : {false, true}) {
        SCOPED_TRACE(textMode ? "text" : "pdu");
        start(QStringLiteral("reports-stored"));
        ASSERT_EQ(setUpDeliveryReports(channel), ReportRoute::Stored);
        EXPECT_TRUE(channel.transcript().contains("AT+CPMS=\"SR\"\r"));
        sentReferences.clear();
        send(textMode, Expiring, QStringLiteral("short"));
        send(textMode, Delivered, QStringLiteral("short"));
        const QList<QByteArray> announced = indications("+CDSI:", 2);
        ASSERT_EQ(announced.size(), 2);
        EXPECT_EQ(parseCdsiLine(QString::fromLatin1(announced[0]))->store, "SR");

        const std::vector<StoredReport> stored = readStoredReports(channel, !textMode);
        ASSERT_EQ(stored.size(), 2u);
        EXPECT_EQ(stored[0].report.messageReference, sentReferences[0]);
        EXPECT_EQ(stored[0].report.outcome, ReportOutcome::PermanentError);
        EXPECT_EQ(stored[1].report.messageReference, sentReferences[1]);
        EXPECT_EQ(stored[1].report.outcome, ReportOutcome::Delivered);
        serial.Close();
        modems.stop();
        channel.clearTranscript();
    }
}

} // namespace

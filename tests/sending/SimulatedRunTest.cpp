#include "modem/ConcatReferenceCounter.h"
#include "modem/SendOptions.h"
#include "modem/StatusReport.h"
#include "sending/DeliveryTracker.h"
#include "sending/ModemSubmitter.h"
#include "sending/RowPredicates.h"
#include "support/RunFixture.h"
#include "support/WaitUntil.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

// Sending runs through simulated modems on pseudo-terminals. Designed waits run 50 times
// faster: the 2 s after each message takes 40 ms, a 5 s channel time-out 100 ms.
class SimulatedRunTest : public RunFixture
{
protected:
    SimulatedRunTest() : RunFixture(50) {}

    // Modems on ports 3, 4, ... each with its profile items; all of them chosen in PDU mode.
    void startModems(const QStringList& profiles, int mode = 1)
    {
        modems.start(profiles);
        std::vector<std::pair<int, int>> chosen;
        for (int i = 0; i < int(profiles.size()); ++i)
            chosen.push_back({FirstModemPort + i, mode});
        useDevices(chosen);
        activeSubmitter = &recording;
    }

    std::map<QString, int> airPerPort() const
    {
        std::map<QString, int> counts;
        for (const sim::AirMessage& m : modems.air())
            ++counts[m.port];
        return counts;
    }
    std::map<QString, int> airPerNumber() const
    {
        std::map<QString, int> counts;
        for (const sim::AirMessage& m : modems.air())
            ++counts[m.destination];
        return counts;
    }
    // Waits (in real time, at most ten seconds) until the air holds count messages.
    bool airReaches(std::size_t count) const
    {
        return waitUntil([&] { return modems.air().size() >= count; });
    }

    ConcatReferenceCounter references;
    SendOptions sendOptions;
    ModemSubmitter modemSubmitter{clock, references, &sendOptions, &devices.details()};
    RecordingSubmitter recording{modemSubmitter, events, eventMutex};
};

TEST_F(SimulatedRunTest, WorkersStartAtTheirRowClaimRowsOnceAndAFastModemSendsMore)
{
    startModems({"", "", "latency=40"}); // COM5 answers every command 40 ms late
    recipients(24);
    runToEnd();

    std::map<QString, QString> first;
    for (const sim::AirMessage& m : modems.air())
        first.try_emplace(m.port, m.destination);
    EXPECT_EQ(first["COM3"], "1000");
    EXPECT_EQ(first["COM4"], "1001");
    EXPECT_EQ(first["COM5"], "1002");

    const auto perNumber = airPerNumber();
    EXPECT_EQ(perNumber.size(), 24u);
    for (const auto& [number, count] : perNumber)
        EXPECT_EQ(count, 1) << number.toStdString();
    const auto perPort = airPerPort();
    EXPECT_GT(perPort.at("COM3"), perPort.at("COM5"));
    EXPECT_GT(perPort.at("COM4"), perPort.at("COM5"));
    EXPECT_EQ(column(StatusColumn), QStringList(24, "Message sent successfully."));
}

// What a submission wrote to its modem, with what differs between messages (the length of the
// PDU and the PDU itself) left out.
QList<QByteArray> commandsOf(const QList<QByteArray>& written)
{
    QList<QByteArray> commands;
    for (const QByteArray& entry : written) {
        if (entry.endsWith("\x1A\r\n"))
            commands.append("<message>");
        else if (entry.startsWith("AT+CMGS="))
            commands.append("AT+CMGS=");
        else
            commands.append(entry);
    }
    return commands;
}

// Answers that come a byte at a time, so that every read holds a piece of a line, leave each
// message's conversation as it is with a modem that answers at once: no wait gives up on a
// piece and nothing is asked twice.
TEST_F(SimulatedRunTest, AnswersThatArriveInPiecesLeaveTheConversationAsItIs)
{
    startModems({"", "trickle"});
    recipients(8);
    runToEnd();

    EXPECT_EQ(column(StatusColumn), QStringList(8, "Message sent successfully."));
    EXPECT_EQ(airPerNumber().size(), 8u);
    const std::vector<RecordingSubmitter::Conversation> conversations = recording.conversations();
    ASSERT_EQ(conversations.size(), 8u);
    const auto atOnce = std::find_if(conversations.begin(), conversations.end(),
                                     [](const auto& c) { return c.port == FirstModemPort; });
    ASSERT_NE(atOnce, conversations.end());
    const QList<QByteArray> expected = commandsOf(atOnce->written);
    EXPECT_EQ(expected.count("AT+CMGS="), 1) << expected.join("|").toStdString();
    std::set<int> ports;
    for (const auto& [port, written] : conversations) {
        ports.insert(port);
        EXPECT_EQ(commandsOf(written), expected) << port;
    }
    EXPECT_EQ(ports, (std::set<int>{FirstModemPort, FirstModemPort + 1}));
}

TEST_F(SimulatedRunTest, TwoDevicesAndOneRowStartOneWorker)
{
    startModems({"", ""});
    recipients(1);
    runToEnd();
    ASSERT_EQ(modems.air().size(), 1u);
    EXPECT_EQ(modems.air().front().port, "COM3");
    EXPECT_EQ(submissions().size(), 1u);
}

TEST_F(SimulatedRunTest, DuplicatesAreSkippedAndExcludedNumbersExcluded)
{
    startModems({"", ""}, 2); // text mode
    options.skipDuplicates = true;
    options.useExclusionRules = true;
    exclusions.add("+447700900002");
    recipients({{"+447700900001", "one"},
                {"+447700900002", "two"},
                {"+447700900001", "again"},
                {"+447700900003", "three"}});
    runToEnd();

    EXPECT_EQ(column(StatusColumn), QStringList({"Message sent successfully.", "Excluded.",
                                                 "Skipped.", "Message sent successfully."}));
    EXPECT_EQ(modems.air().size(), 2u);
}

TEST_F(SimulatedRunTest, PauseEveryFiveComesOnceForTenRowsAndNotAfterTheLast)
{
    startModems({"", ""});
    options.delayedDelivery = true;
    state.setPauseTexts("5", "10 Seconds");
    recipients(10);
    runToEnd();

    int pauses = 0;
    int submittedDuringPause = 0;
    bool inPause = false;
    for (const RunEvent& e : allEvents()) {
        if (e.kind == RunEvent::Trace && e.text.startsWith("Pause of 10000 ms after ")) {
            ++pauses;
            inPause = true;
            EXPECT_LT(e.text.section(' ', 5, 5).toInt(), 10);
        } else if (e.kind == RunEvent::Trace && e.text == "Pause ended") {
            inPause = false;
        } else if (e.kind == RunEvent::Submission && inPause) {
            ++submittedDuringPause;
        }
    }
    EXPECT_EQ(pauses, 1);
    EXPECT_LE(submittedDuringPause, 1); // at most the other modem's message under way
    EXPECT_EQ(modems.air().size(), 10u);
}

TEST_F(SimulatedRunTest, ManualQuotaOfThreeStopsThatDeviceOthersCarryOn)
{
    startModems({"", ""});
    options.quotaManagement = true;
    devices.setDeviceRecordText(";COM3;Modem 3;Manual;3;Y;\n;COM4;Modem 4;Auto;Auto;Y;\n\n");
    recipients(12);
    runToEnd();

    const auto perPort = airPerPort();
    EXPECT_EQ(perPort.at("COM3"), 3);
    EXPECT_EQ(perPort.at("COM4"), 9);
    EXPECT_EQ(devices.deviceList(), QStringList({"COM4 - Modem 4", "All Device"}));
}

TEST_F(SimulatedRunTest, RetriesOnARowThatAlwaysFailsMakeThreeAttemptsAndOneRecord)
{
    startModems({"cms-error=38"});
    options.retriesOn = true;
    options.saveSentItems = true;
    retryLimit = 2;
    recipients(1);
    runToEnd();

    EXPECT_EQ(submissions().size(), 3u);
    EXPECT_EQ(column(RetryColumn), QStringList{"2"});
    EXPECT_EQ(column(StatusColumn), QStringList{"Error : +CMS ERROR: 38"});
    const auto records = sentItemRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].status, "Error : +CMS ERROR: 38");
}

TEST_F(SimulatedRunTest, StopMidRunLeavesNoRowSendingAndLogsOnce)
{
    startModems({"latency=5", "latency=5"});
    options.saveSentItems = true;
    recipients(40);
    start();
    ASSERT_TRUE(airReaches(4));
    prompter.answer(true);
    run->stopPressed();
    ASSERT_TRUE(run->waitUntilSettled(std::chrono::seconds(30)));

    int sent = 0;
    for (const QueueRow& row : rows()) {
        EXPECT_NE(row[UseStatusColumn], "Sending...");
        EXPECT_FALSE(row[StatusColumn].isEmpty());
        sent += row[StatusColumn] == "Message sent successfully." ? 1 : 0;
    }
    EXPECT_EQ(std::size_t(sent), modems.air().size());
    EXPECT_LT(sent, 40);
    const auto records = sentItemRecords();
    EXPECT_EQ(int(records.size()), sent);
    std::set<QString> logged;
    for (const SentItem& record : records)
        EXPECT_TRUE(logged.insert(record.number).second) << record.number.toStdString();
}

TEST_F(SimulatedRunTest, AModemThatVanishesFailsItsRowAndTheOthersFinishTheList)
{
    startModems({"vanish=2", ""});
    recipients(16);
    runToEnd();

    const auto perPort = airPerPort();
    EXPECT_EQ(perPort.at("COM3"), 2);
    EXPECT_EQ(perPort.at("COM4"), 13);
    int failed = 0;
    for (const QueueRow& row : rows()) {
        if (!RowPredicates::IsFailed(row)) {
            EXPECT_EQ(row[StatusColumn], "Message sent successfully.");
            continue;
        }
        ++failed;
        EXPECT_EQ(row[UsePortColumn], "3");
        EXPECT_TRUE(row[StatusColumn].startsWith("Error : "));
    }
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(airPerNumber().size(), 15u);
}

// Rows that failed, each with its port and status.
std::vector<QueueRow> failedRows(const std::vector<QueueRow>& all)
{
    std::vector<QueueRow> failed;
    for (const QueueRow& row : all)
        if (RowPredicates::IsFailed(row))
            failed.push_back(row);
    return failed;
}

TEST_F(SimulatedRunTest, AModemThatWedgesForGoodFailsOneRowAndTheOtherSendsTheRest)
{
    startModems({"wedge=2,wedge-stays,urc=^RSSI:20,urc-every=3", "urc=^RSSI:20,urc-every=3"});
    recipients(16);
    runToEnd();

    const auto perPort = airPerPort();
    EXPECT_EQ(perPort.at("COM3"), 2);
    EXPECT_EQ(perPort.at("COM4"), 13);
    const auto failed = failedRows(rows());
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0][UsePortColumn], "3");
    EXPECT_EQ(failed[0][StatusColumn],
              "Error : +CMS ERROR: 500 (COM3 did not answer: 1 time-out; it did not recover and "
              "takes no more messages)");
    EXPECT_EQ(airPerNumber().size(), 15u);
    EXPECT_EQ(devices.deviceList(), QStringList({"COM4 - Modem 4", "All Device"}));
}

TEST_F(SimulatedRunTest, AModemThatWedgesIsOpenedAgainAndCarriesOn)
{
    startModems({"wedge=3,urc=^RSSI:20,urc-every=3"});
    recipients(8);
    runToEnd();

    EXPECT_EQ(airPerPort().at("COM3"), 6);
    const auto failed = failedRows(rows());
    ASSERT_EQ(failed.size(), 2u);
    for (const QueueRow& row : failed)
        EXPECT_EQ(row[StatusColumn], "Error : +CMS ERROR: 500 (COM3 did not answer: 1 time-out; "
                                     "the port was opened again and the modem answers)");
    EXPECT_EQ(column(NumberColumn).indexOf(failed[0][NumberColumn]), 3);
}

// Every modem returns a report for each part after a short delay: half of them print it at once
// (+CDS), half store it (+CDSI, read and deleted by the run). The network's outcome follows the
// number's last digit, and every row ends with that state, also when its report came after the
// last submission. QUILLON_DELIVERY_MODEMS and QUILLON_DELIVERY_ROWS scale it (the soak label
// runs 32 modems and 5,000 rows).
TEST_F(SimulatedRunTest, EveryRowEndsWithTheDeliveryStateTheNetworkGave)
{
    const int modemCount = qEnvironmentVariableIntValue("QUILLON_DELIVERY_MODEMS") > 0
                               ? qEnvironmentVariableIntValue("QUILLON_DELIVERY_MODEMS")
                               : 6;
    const int rowCount = qEnvironmentVariableIntValue("QUILLON_DELIVERY_ROWS") > 0
                             ? qEnvironmentVariableIntValue("QUILLON_DELIVERY_ROWS")
                             : 240;
    const QString outcomes = "report=*0:expired,report=*1:rejected,report=*2:none,report-delay=20";
    QStringList profiles;
    for (int i = 0; i < modemCount; ++i)
        profiles.append(i % 2 ? outcomes + ",reports-stored" : outcomes);
    startModems(profiles);
    sendOptions.setDeliveryReports(true);
    DeliveryTracker tracker;
    deliveries = &tracker;
    recipients(rowCount);
    // Every tenth row a long message: all its parts must be delivered.
    QList<int> longRows;
    for (int row = 5; row < rowCount; row += 10)
        longRows.append(row);
    list.setMessages(longRows, QString(200, 'x'));
    runToEnd();

    const auto expected = [](const QString& number) {
        switch (number.back().digitValue()) {
        case 0:
            return deliveryText({RowDelivery::State::NotDelivered, statusReason(70)});
        case 1:
            return deliveryText({RowDelivery::State::NotDelivered, statusReason(65)});
        case 2:
            return deliveryText({RowDelivery::State::Pending, {}});
        default:
            return deliveryText({RowDelivery::State::Delivered, {}});
        }
    };
    const std::vector<QueueRow> sent = rows();
    ASSERT_EQ(int(sent.size()), rowCount);
    const auto states = [&] {
        QStringList texts;
        for (int row = 0; row < rowCount; ++row) {
            const auto delivery = tracker.rowDelivery(row);
            texts.append(delivery ? deliveryText(*delivery) : QStringLiteral("(none)"));
        }
        return texts;
    };
    // A row whose submission failed (a busy machine can make a modem late for the channel's
    // time-out) asked for nothing that can come; every row sent must end as the network said.
    QStringList wanted;
    bool allSent = true;
    for (const QueueRow& row : sent) {
        const bool ok = row[StatusColumn] == u"Message sent successfully.";
        allSent = allSent && ok;
        wanted.append(ok ? expected(row[NumberColumn]) : QString());
    }
    EXPECT_LT(wanted.count(QString()), rowCount / 10) << "most rows must go out";
    const auto matches = [&](const QStringList& got) {
        for (int row = 0; row < rowCount; ++row)
            if (!wanted[row].isEmpty() && got[row] != wanted[row])
                return false;
        return true;
    };
    // The finished run keeps looking at the modems for the reports still out.
    EXPECT_TRUE(waitUntil([&] { return matches(states()); }, std::chrono::seconds(60)));
    const QStringList got = states();
    for (int row = 0; row < rowCount; ++row)
        if (!wanted[row].isEmpty())
            EXPECT_EQ(got[row], wanted[row]) << "row " << row;
    if (allSent)
        EXPECT_EQ(tracker.unmatchedCount(), 0u);
}

} // namespace

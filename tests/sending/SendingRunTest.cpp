#include "sending/QueueText.h"
#include "sending/RowPredicates.h"
#include "support/Gate.h"
#include "support/RunFixture.h"
#include "support/WaitUntil.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace {

using SendingRunTest = RunFixture;

std::map<int, int> sentPerPort(const std::vector<RunEvent>& submissions)
{
    std::map<int, int> counts;
    for (const RunEvent& e : submissions)
        ++counts[e.port];
    return counts;
}

TEST_F(SendingRunTest, EveryRowIsSentOnceAndTheRunFinishes)
{
    recipients(25);
    useDevices({{3, 1}, {5, 2}, {8, 1}});
    runToEnd();

    const auto sent = submissions();
    ASSERT_EQ(sent.size(), 25u);
    std::set<QString> numbers;
    for (const RunEvent& e : sent)
        numbers.insert(e.number);
    EXPECT_EQ(numbers.size(), 25u);

    for (const QueueRow& row : rows()) {
        EXPECT_EQ(row[StatusColumn], "Message sent successfully.");
        EXPECT_EQ(row[UseStatusColumn], "Done");
        EXPECT_EQ(row[CurrentStatusColumn],
                  "Done (COM" + row[UsePortColumn] + " - Modem " + row[UsePortColumn] + ")");
    }
    const RunView view = run->view();
    EXPECT_EQ(view.statusLabel, "Finish.");
    EXPECT_EQ(view.caption, "Sending Process, Finished.");
    EXPECT_EQ(view.stopButtonText, "Close");
    EXPECT_TRUE(view.exportVisible);
    EXPECT_EQ(view.progressText, "25 / 25 Message or 100.00%");
    EXPECT_EQ(state.Mark_To_Stop_All, 1);
    EXPECT_TRUE(state.workerRegistry.empty());
}

TEST_F(SendingRunTest, WorkerKStartsItsFirstPassAtRowK)
{
    recipients(12);
    useDevices({{3, 1}, {5, 1}, {8, 1}});
    Gate allStarted(3);
    std::map<int, QString> first;
    std::mutex firstMutex;
    for (int port : {3, 5, 8})
        submitter.behave(port, [&](int port, const SendRequest& message, int attempt) {
            if (attempt == 1) {
                {
                    std::lock_guard lock(firstMutex);
                    first[port] = message.number;
                }
                allStarted.arriveAndWait(); // each holds its first row until all have one
            }
            return SubmitOutcome::Sent;
        });
    runToEnd();

    EXPECT_EQ(first[3], "1000"); // row 0
    EXPECT_EQ(first[5], "1001");
    EXPECT_EQ(first[8], "1002");
    EXPECT_EQ(submissions().size(), 12u);
}

TEST_F(SendingRunTest, AFastModemTakesTheRowsASlowOneCannot)
{
    recipients(12);
    useDevices({{3, 1}, {8, 1}});
    Gate othersDone;
    Gate slowStarted;
    submitter.behave(3, [&](int, const SendRequest&, int attempt) {
        if (attempt == 2)
            slowStarted.wait(); // COM8 gets a row before COM3 could take them all
        if (attempt == 11)
            othersDone.open();
        return SubmitOutcome::Sent;
    });
    submitter.behave(8, [&](int, const SendRequest&, int) {
        slowStarted.open();
        othersDone.wait(); // COM8 is slow: one message takes as long as eleven of COM3's
        return SubmitOutcome::Sent;
    });
    runToEnd();

    const auto counts = sentPerPort(submissions());
    EXPECT_EQ(counts.at(8), 1);
    EXPECT_EQ(counts.at(3), 11);
}

TEST_F(SendingRunTest, TwoDevicesAndOneRowStartOneWorker)
{
    recipients(1);
    useDevices({{3, 1}, {5, 1}});
    runToEnd();

    ASSERT_EQ(submissions().size(), 1u);
    EXPECT_EQ(submissions().front().port, 3);
    EXPECT_EQ(run->view().statusLabel, "Finish.");
}

TEST_F(SendingRunTest, DuplicatesAreSkippedAndExcludedNumbersExcluded)
{
    options.skipDuplicates = true;
    options.useExclusionRules = true;
    exclusions.add("0777");
    recipients(
        {{"0700", "a"}, {"0777", "b"}, {"0700", "c"}, {"AB1", "d"}, {"ab1", "e"}, {"0777", "f"}});
    useDevices({{3, 1}, {5, 1}});
    runToEnd();

    EXPECT_EQ(column(StatusColumn),
              QStringList({"Message sent successfully.", "Excluded.", "Skipped.",
                           "Message sent successfully.", "Skipped.", "Excluded."}));
    EXPECT_EQ(submissions().size(), 2u);
    for (const QueueRow& row : rows())
        EXPECT_TRUE(row[CurrentStatusColumn].startsWith("Done (COM"))
            << row[NumberColumn].toStdString();
}

TEST_F(SendingRunTest, ModemErrorsBecomeTheRowStatus)
{
    recipients(3);
    useDevices({{3, 1}});
    submitter.behave(3, [](int, const SendRequest& m, int) -> SubmitOutcome {
        if (m.number == "1000")
            ThrowModemError("+CMS ERROR: 38");
        if (m.number == "1001")
            ThrowModemError("ERROR");
        return SubmitOutcome::Sent;
    });
    runToEnd();

    EXPECT_EQ(column(StatusColumn),
              QStringList({"Error : +CMS ERROR: 38", "Error : +CMS ERROR: 500",
                           "Message sent successfully."}));
}

TEST_F(SendingRunTest, ModeAndSmscAreLookedUpByPortAfterTheListWasRebuilt)
{
    recipients(4);
    // Confirmed COM3 (text) and COM7 (PDU, custom SMSC); the device check dropped COM3.
    devices.setChoiceList({{"COM3 - A", 3}, {"COM7 - B", 7}, {AllDeviceText(), 0}}, 2);
    devices.setDeviceModeList({2, 1, 0});
    devices.setCustomSmscList({"COM7||+4477||Y"});
    devices.setDeviceList({"COM7 - B"}, 0);
    std::vector<QString> smscs;
    submitter.behave(7, [&](int, const SendRequest& m, int) {
        smscs.push_back(m.customSmsc);
        return SubmitOutcome::Sent;
    });
    runToEnd();

    for (const RunEvent& e : submissions()) {
        EXPECT_EQ(e.port, 7);
        EXPECT_EQ(e.mode, 1);
    }
    EXPECT_EQ(smscs, std::vector<QString>(4, "+4477"));
}

TEST_F(SendingRunTest, ADeviceWithoutAModeFailsItsRowsWithoutSubmitting)
{
    recipients(2);
    useDevices({{3, 0}});
    runToEnd();
    EXPECT_TRUE(submissions().empty());
    EXPECT_EQ(column(StatusColumn), QStringList(2, "Error : +CMS ERROR: 500"));
}

TEST_F(SendingRunTest, AVanishedModemFailsItsRowAndTheOthersFinishTheList)
{
    recipients(20);
    useDevices({{3, 1}, {5, 1}});
    Gate vanished;
    submitter.behave(3, [&](int, const SendRequest&, int attempt) -> SubmitOutcome {
        if (attempt < 2)
            return SubmitOutcome::Sent;
        vanished.open();
        RaiseSystemError(EIO);
    });
    submitter.behave(5, [&](int, const SendRequest&, int) {
        vanished.wait(); // COM3 has its go before COM5 sends anything
        return SubmitOutcome::Sent;
    });
    runToEnd();

    const auto counts = sentPerPort(submissions());
    EXPECT_EQ(counts.at(3), 2); // one sent, one failed, then it stopped
    EXPECT_EQ(counts.at(5), 18);
    int failed = 0;
    for (const QueueRow& row : rows()) {
        if (RowPredicates::IsFailed(row)) {
            ++failed;
            EXPECT_EQ(row[UsePortColumn], "3");
            EXPECT_TRUE(row[StatusColumn].startsWith("Error : "))
                << row[StatusColumn].toStdString();
        } else {
            EXPECT_EQ(row[StatusColumn], "Message sent successfully.");
        }
    }
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(devices.deviceList(), QStringList({"COM5 - Modem 5", "All Device"}));
}

TEST_F(SendingRunTest, TheOnlyModemVanishingEndsTheRunWithTheRestStopped)
{
    recipients(5);
    useDevices({{3, 1}});
    submitter.behave(3,
                     [](int, const SendRequest&, int) -> SubmitOutcome { RaiseSystemError(EIO); });
    runToEnd();

    EXPECT_EQ(submissions().size(), 1u);
    const QStringList statuses = column(StatusColumn);
    EXPECT_TRUE(statuses.first().startsWith("Error : "));
    EXPECT_EQ(statuses.mid(1), QStringList(4, "Stopped"));
    EXPECT_EQ(run->view().statusLabel, "Finish.");
}

TEST_F(SendingRunTest, ManualQuotaStopsThatDeviceAndRemovesItOthersCarryOn)
{
    recipients(12);
    useDevices({{3, 1}, {5, 1}});
    options.quotaManagement = true;
    devices.setDeviceRecordText(";COM3;Modem 3;Manual;3;Y;\n;COM5;Modem 5;Auto;Auto;Y;\n\n");
    Gate quotaUsed;
    submitter.behave(3, [&](int, const SendRequest&, int attempt) {
        if (attempt == 3)
            quotaUsed.open();
        return SubmitOutcome::Sent;
    });
    submitter.behave(5, [&](int, const SendRequest&, int) {
        quotaUsed.wait(); // COM3 gets to its quota before COM5 takes the rest
        return SubmitOutcome::Sent;
    });
    runToEnd();

    const auto counts = sentPerPort(submissions());
    EXPECT_EQ(counts.at(3), 3);
    EXPECT_EQ(counts.at(5), 9);
    EXPECT_EQ(column(StatusColumn), QStringList(12, "Message sent successfully."));
    EXPECT_EQ(devices.deviceList(), QStringList({"COM5 - Modem 5", "All Device"}));
    EXPECT_EQ(state.consumedQuotaLog.entries(), QStringList({"3|3", "5|9"}));
}

TEST_F(SendingRunTest, QuotaBelowTheListLeavesTheRestStopped)
{
    recipients(6);
    useDevices({{3, 1}});
    options.quotaManagement = true;
    devices.setDeviceRecordText(";COM3;Modem 3;Manual;4;Y;\n\n");
    runToEnd();

    EXPECT_EQ(submissions().size(), 4u);
    EXPECT_EQ(column(StatusColumn).mid(4), QStringList(2, "Stopped"));
    EXPECT_EQ(run->view().statusLabel, "Finish.");
}

TEST_F(SendingRunTest, RetriesGiveAnAlwaysFailingRowThreeAttemptsAndOneRecord)
{
    options.retriesOn = true;
    options.saveSentItems = true;
    retryLimit = 2;
    recipients(4);
    useDevices({{3, 1}, {5, 1}});
    for (int port : {3, 5})
        submitter.behave(port, [](int, const SendRequest& m, int) -> SubmitOutcome {
            if (m.number == "1002")
                ThrowModemError("+CMS ERROR: 38");
            return SubmitOutcome::Sent;
        });
    runToEnd();

    int attempts = 0;
    for (const RunEvent& e : submissions())
        attempts += e.number == "1002" ? 1 : 0;
    EXPECT_EQ(attempts, 3);
    EXPECT_EQ(submissions().size(), 6u);
    EXPECT_EQ(column(RetryColumn), QStringList({"0", "0", "2", "0"}));
    EXPECT_EQ(column(StatusColumn)[2], "Error : +CMS ERROR: 38");
    EXPECT_TRUE(column(CurrentStatusColumn)[2].startsWith("Done (COM"));

    const auto records = sentItemRecords();
    ASSERT_EQ(records.size(), 4u);
    int failedRecords = 0;
    for (const SentItem& record : records)
        failedRecords += record.number == "1002" ? 1 : 0;
    EXPECT_EQ(failedRecords, 1);
    EXPECT_EQ(column(SentItemColumn), QStringList(4, "1"));
}

TEST_F(SendingRunTest, ARowThatSucceedsInARetryRoundIsLoggedAsSent)
{
    options.retriesOn = true;
    options.saveSentItems = true;
    retryLimit = 3;
    recipients(2);
    useDevices({{3, 1}});
    submitter.behave(3, [](int, const SendRequest& m, int attempt) -> SubmitOutcome {
        if (m.number == "1000" && attempt == 1)
            ThrowModemError("+CMS ERROR: 38");
        return SubmitOutcome::Sent;
    });
    runToEnd();

    EXPECT_EQ(column(StatusColumn), QStringList(2, "Message sent successfully."));
    EXPECT_EQ(column(RetryColumn), QStringList({"1", "0"}));
    const auto records = sentItemRecords();
    ASSERT_EQ(records.size(), 2u);
    for (const SentItem& record : records)
        EXPECT_EQ(record.status, "Message sent successfully.");
}

// A message whose modem never confirmed it may be on the air: a retry round asks once, with
// the count, and sends it again only on Yes. Plain failures are retried either way.
class ResendQuestionTest : public RunFixture, public ::testing::WithParamInterface<bool>
{};

TEST_P(ResendQuestionTest, RetryRoundAsksBeforeSendingUnconfirmedRowsAgain)
{
    const bool resend = GetParam();
    options.retriesOn = true;
    retryLimit = 1;
    recipients(3);
    useDevices({{3, 1}});
    auto tries = std::make_shared<std::map<QString, int>>();
    submitter.behave(3, [tries](int, const SendRequest& m, int) -> SubmitOutcome {
        const int attempt = ++(*tries)[m.number];
        if (m.number == "1000" && attempt == 1)
            throw UnconfirmedError();
        if (m.number == "1001")
            ThrowModemError("+CMS ERROR: 38");
        return SubmitOutcome::Sent;
    });
    start();
    int asked = 0;
    while (!run->waitUntilSettled(std::chrono::milliseconds(5))) {
        if (const int rows = run->view().resendQuestionRows) {
            EXPECT_EQ(rows, 1);
            ++asked;
            run->answerResendQuestion(resend);
        }
    }
    EXPECT_EQ(asked, 1);
    EXPECT_EQ((*tries)["1000"], resend ? 2 : 1);
    EXPECT_EQ((*tries)["1001"], 2);
    EXPECT_EQ(column(StatusColumn)[0],
              resend ? "Message sent successfully."
                     : "Error : No confirmation from the modem; the message may have been sent.");
    EXPECT_EQ(column(StatusColumn)[1], "Error : +CMS ERROR: 38");
}

INSTANTIATE_TEST_SUITE_P(Answers, ResendQuestionTest, ::testing::Bool());

TEST_F(SendingRunTest, StopMidRunLeavesNoRowSendingAndLogsEachOutcomeOnce)
{
    options.saveSentItems = true;
    recipients(30);
    useDevices({{3, 1}, {5, 1}});
    Gate stopped;
    Gate twoInFlight(2);
    for (int port : {3, 5})
        submitter.behave(port, [&](int, const SendRequest&, int attempt) {
            if (attempt == 3) {
                twoInFlight.arriveAndWait();
                stopped.wait(); // both modems are mid-message when Stop is pressed
            }
            return SubmitOutcome::Sent;
        });
    start();
    twoInFlight.wait();
    prompter.answer(true);
    run->stopPressed();
    stopped.open();
    ASSERT_TRUE(run->waitUntilSettled(std::chrono::seconds(30)));

    EXPECT_EQ(prompter.texts(), QStringList{"Are you sure you want to continue?"});
    const auto all = rows();
    int sent = 0;
    for (const QueueRow& row : all) {
        EXPECT_NE(row[UseStatusColumn], "Sending...");
        if (row[StatusColumn] == "Message sent successfully.") {
            ++sent;
            EXPECT_EQ(row[SentItemColumn], "1");
        } else {
            EXPECT_EQ(row[StatusColumn], "Stopped");
            EXPECT_EQ(row[CurrentStatusColumn], "Stopped");
        }
    }
    EXPECT_EQ(sent, 6); // three per modem, the last two finished after the stop
    EXPECT_EQ(int(sentItemRecords().size()), sent);
    EXPECT_EQ(run->view().statusLabel, "Finish.");

    // Pressing Stop once finished asks nothing more and closes the window.
    run->stopPressed();
    EXPECT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(run->view().closed);
    EXPECT_EQ(state.RunOpen, 0);
    EXPECT_EQ(int(sentItemRecords().size()), sent);
}

TEST_F(SendingRunTest, AnsweringNoToStopChangesNothing)
{
    recipients(10);
    useDevices({{3, 1}});
    Gate release;
    Gate inFlight;
    submitter.behave(3, [&](int, const SendRequest&, int attempt) {
        if (attempt == 1) {
            inFlight.open();
            release.wait();
        }
        return SubmitOutcome::Sent;
    });
    start();
    inFlight.wait();
    prompter.answer(false);
    run->stopPressed();
    release.open();
    ASSERT_TRUE(run->waitUntilSettled(std::chrono::seconds(30)));
    EXPECT_EQ(column(StatusColumn), QStringList(10, "Message sent successfully."));
}

} // namespace

namespace {

struct Pause
{
    int rowsBefore = -1;
    int submissionsDuring = 0;
    bool ended = false;
};

// The pauses of a run with the submissions that started while each one ran.
std::vector<Pause> pausesOf(const std::vector<RunEvent>& events, std::int64_t expectedMs)
{
    std::vector<Pause> pauses;
    bool inPause = false;
    for (const RunEvent& e : events) {
        if (e.kind == RunEvent::Trace && e.text.startsWith("Pause of ")) {
            const QStringList words = e.text.split(' ');
            EXPECT_EQ(words.at(2).toLongLong(), expectedMs);
            pauses.push_back({words.at(5).toInt()});
            inPause = true;
        } else if (e.kind == RunEvent::Trace && e.text == "Pause ended") {
            pauses.back().ended = true;
            inPause = false;
        } else if (e.kind == RunEvent::Submission && inPause) {
            ++pauses.back().submissionsDuring;
        }
    }
    return pauses;
}

TEST_F(SendingRunTest, PauseEveryFiveForTenSecondsComesAfterTheFifthAndNotAfterTheLast)
{
    options.delayedDelivery = true;
    state.setPauseTexts("5", "10 Seconds");
    recipients(10);
    useDevices({{3, 1}});
    runToEnd();

    const auto pauses = pausesOf(allEvents(), 10000);
    ASSERT_EQ(pauses.size(), 1u);
    EXPECT_EQ(pauses[0].rowsBefore, 5);
    EXPECT_EQ(pauses[0].submissionsDuring, 0);
    EXPECT_TRUE(pauses[0].ended);
    EXPECT_EQ(state.PauseActive, 0);
    EXPECT_EQ(column(StatusColumn), QStringList(10, "Message sent successfully."));
}

TEST_F(SendingRunTest, APauseIdlesEveryWorkerAndOneDigitEntriesPauseToo)
{
    options.delayedDelivery = true;
    state.setPauseTexts("5", " 5  Seconds");
    recipients(40);
    useDevices({{3, 1}, {5, 1}, {7, 1}, {9, 1}});
    runToEnd();

    const auto pauses = pausesOf(allEvents(), 5000);
    ASSERT_GE(pauses.size(), 2u);
    for (const Pause& pause : pauses) {
        // Only messages already under way when the pause began may go out during it.
        EXPECT_LE(pause.submissionsDuring, 3);
        EXPECT_LT(pause.rowsBefore, 40);
        EXPECT_TRUE(pause.ended);
    }
    EXPECT_EQ(submissions().size(), 40u);
}

// A pause that began while another modem still sent the last row ends with that row: a
// finished run does not wait out twelve hours.
TEST_F(SendingRunTest, APauseStartedBeforeTheLastRowEndsOnceEveryRowHasItsOutcome)
{
    options.delayedDelivery = true;
    state.setPauseTexts("1", "12 Hours");
    recipients(2);
    useDevices({{3, 1}, {5, 1}});
    Gate lastRowInFlight;
    submitter.behave(3, [&](int, const SendRequest&, int) {
        lastRowInFlight.wait();
        return SubmitOutcome::Sent;
    });
    submitter.behave(5, [&](int, const SendRequest&, int) {
        lastRowInFlight.open();
        waitUntil([&] { return state.PauseActive == 1; });
        return SubmitOutcome::Sent;
    });
    runToEnd();

    const auto pauses = pausesOf(allEvents(), 12 * 3600 * 1000);
    ASSERT_EQ(pauses.size(), 1u);
    EXPECT_EQ(pauses[0].rowsBefore, 1);
    EXPECT_TRUE(pauses[0].ended);
    EXPECT_EQ(state.PauseActive, 0);
    EXPECT_EQ(run->view().pauseLabel, "");
    EXPECT_EQ(column(StatusColumn), QStringList(2, "Message sent successfully."));
}

TEST_F(SendingRunTest, ExportHandsEveryRowToTheStatusExportUnlessOneRuns)
{
    options.retriesOn = true;
    retryLimit = 1;
    recipients(3);
    useDevices({{3, 1}});
    submitter.behave(3, [](int, const SendRequest& m, int) -> SubmitOutcome {
        if (m.number == "1001")
            ThrowModemError("+CMS ERROR: 38");
        return SubmitOutcome::Sent;
    });
    runToEnd();

    exports.running = true;
    run->exportPressed();
    EXPECT_TRUE(exports.handed.empty());
    exports.running = false;
    run->exportPressed();
    ASSERT_EQ(exports.handed.size(), 1u);
    const auto& [handed, withRetry] = exports.handed[0];
    EXPECT_TRUE(withRetry);
    ASSERT_EQ(handed.size(), 3u);
    EXPECT_EQ(handed[1].Number, "1001");
    EXPECT_EQ(handed[1].Status, "Error : +CMS ERROR: 38");
    EXPECT_EQ(handed[1].Retry, "1");
    EXPECT_EQ(handed[2].CurrentStatus, "Done (COM3 - Modem 3)");

    // While an export runs, Stop and closing do nothing either.
    exports.running = true;
    run->stopPressed();
    EXPECT_FALSE(run->view().closed);
}

TEST_F(SendingRunTest, SentMessagesBecomeTemplatesOnceWithLetterCaseIgnored)
{
    ASSERT_TRUE(templateStore.AppendTemplate("HELLO there"));
    ASSERT_TRUE(templates.reload());
    options.saveToTemplates = true;
    recipients({{"1", "Hi"},
                {"2", "hi"},
                {"3", "Hello there"},
                {"4", "  "},
                {"5", "Hi"},
                {"6", "New\ntext"}});
    useDevices({{3, 1}, {5, 1}});
    runToEnd();

    QStringList stored;
    ASSERT_TRUE(templateStore.LoadTemplates(stored));
    ASSERT_EQ(stored.size(), 3);
    EXPECT_EQ(stored[0], "HELLO there");
    EXPECT_EQ(stored[1].toLower(), "hi");
    EXPECT_EQ(stored[2], "New\ntext");
}

TEST_F(SendingRunTest, ClosingWhileTheQueueIsFilledClosesAtOnceWithoutAFinishingPass)
{
    recipients(200000);
    useDevices({{3, 1}});
    start();
    prompter.answer(true);
    run->closePressed(); // long before 200,000 rows are in the queue
    ASSERT_TRUE(run->waitUntilSettled(std::chrono::seconds(30)));

    const RunView view = run->view();
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(view.statusLabel, "Populating Phone Numbers and Messages List.");
    EXPECT_FALSE(view.exportVisible);
    EXPECT_TRUE(submissions().empty());
    EXPECT_EQ(run->queue().rowCount(), 0); // emptied on closing
    EXPECT_EQ(state.RunOpen, 0);
    EXPECT_EQ(state.RunGeneration, 0);
}

} // namespace

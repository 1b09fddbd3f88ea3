#include "sending/JournalRecorder.h"
#include "sending/QueueText.h"
#include "sending/ResumePlan.h"
#include "stores/RunJournal.h"
#include "support/RunFixture.h"

#include <QFile>
#include <algorithm>
#include <map>
#include <set>

namespace {

const QString kSent = QStringLiteral("Message sent successfully.");
const QString kUnknown =
    QStringLiteral("Error : Outcome unknown (the program stopped during the submission).");

class RunJournalRunTest : public RunFixture
{
protected:
    RunJournalContent journalContent() const
    {
        RunJournalContent content;
        EXPECT_TRUE(journal.load(content));
        return content;
    }

    RunJournal journal{data};
};

// A new run writes its rows first; each submission is on disk before the modem is asked, its
// outcome and sent-items record follow, and the end is recorded once the rows are logged.
TEST_F(RunJournalRunTest, ARunRecordsEveryRowBeforeItsSubmissionAndAfterItsOutcome)
{
    options.saveSentItems = true;
    recipients(8);
    useDevices({{3, 1}, {5, 1}});
    std::mutex checkMutex;
    std::vector<QString> problems;
    for (int port : {3, 5})
        submitter.behave(port, [&](int port, const SendRequest& m, int) -> SubmitOutcome {
            const RunJournalContent content = journalContent();
            std::lock_guard lock(checkMutex);
            const auto row =
                std::find_if(content.rows.begin(), content.rows.end(),
                             [&](const JournalRowState& r) { return r.number == m.number; });
            if (row == content.rows.end() || row->submittingPort != QString::number(port) ||
                !row->outcomeUnknown())
                problems.push_back(m.number);
            if (m.number == "1002")
                ThrowModemError("+CMS ERROR: 38");
            return SubmitOutcome::Sent;
        });
    JournalRecorder recorder(journal, {"save-sent-items=1", {}, false, false, 42}, nullptr);
    run = std::make_unique<SendingRun>([&] {
        SendingContext c = context();
        c.journal = &recorder;
        return c;
    }());
    run->open();
    ASSERT_TRUE(run->waitUntilSettled(std::chrono::seconds(30)));
    EXPECT_TRUE(problems.empty()) << problems.front().toStdString();

    const RunJournalContent content = journalContent();
    ASSERT_TRUE(content.hasRun());
    EXPECT_EQ(content.begin->run, 42u);
    EXPECT_EQ(content.begin->options, "save-sent-items=1");
    EXPECT_TRUE(content.finished);
    EXPECT_FALSE(content.isUnfinished());
    const std::vector<QueueRow> queue = rows();
    ASSERT_EQ(content.rows.size(), queue.size());
    for (std::size_t i = 0; i < queue.size(); ++i) {
        const JournalRowState& row = content.rows[i];
        EXPECT_EQ(row.number, queue[i][NumberColumn]);
        EXPECT_EQ(row.status, queue[i][StatusColumn]);
        EXPECT_EQ(row.outcomePort, queue[i][UsePortColumn]);
        EXPECT_TRUE(row.logged);
    }
    EXPECT_EQ(content.ignoredLines, 0);
}

// The journal of a run that stopped half-way: what each row shows on resuming.
class ResumeTest : public RunJournalRunTest, public ::testing::WithParamInterface<bool>
{
protected:
    // Rows: 0 sent and logged; 1 sent, its record missing; 2 sent, its record written but not
    // marked; 3 submitted without outcome; 4 never reached; 5 failed; 6 skipped; 7 sent and
    // marked, its record lost by a power cut.
    void writeJournal()
    {
        sentItems.Append("older", "run", kSent, QDate::currentDate());
        std::vector<JournalRow> rows;
        for (int i = 0; i < 8; ++i)
            rows.push_back({i, QString::number(2000 + i), QStringLiteral("text %1").arg(i), {}});
        ASSERT_TRUE(journal.begin({9, "", 8, 1}, rows));
        const auto sent = [&](int row, const char* port) {
            journal.append(JournalSubmitting{row, port}, true);
            journal.append(JournalOutcome{row, kSent, port}, false);
        };
        sent(0, "3");
        sentItems.Append("2000", "text 0", kSent, QDate::currentDate());
        journal.append(JournalLogged{0}, false);
        sent(1, "5");
        sent(2, "3");
        sentItems.Append("2002", "text 2", kSent, QDate::currentDate());
        journal.append(JournalSubmitting{3, "5"}, true);
        journal.append(JournalSubmitting{5, "3"}, true);
        journal.append(JournalOutcome{5, "Error : +CMS ERROR: 38", "3"}, false);
        journal.append(JournalOutcome{6, "Skipped.", "5"}, false);
        sent(7, "5");
        journal.append(JournalLogged{7}, false);
        journal.close();
    }
};

TEST_P(ResumeTest, RowsKeepTheirOutcomesAndOnlyTheRestIsSent)
{
    const bool resendUnknown = GetParam();
    writeJournal();
    RunJournalContent content = journalContent();
    ASSERT_TRUE(content.isUnfinished());
    std::vector<SentItem> records = sentItemRecords();
    records.erase(records.begin(), records.begin() + content.begin->sentItemsBefore);
    const ResumePlan plan = PlanResume(content, resendUnknown, records);
    EXPECT_EQ(plan.toLog, (std::vector<int>{1, 7}));
    EXPECT_EQ(plan.alreadyLogged, std::vector<int>{2});
    EXPECT_EQ(plan.unknown.size(), resendUnknown ? 0u : 1u);
    EXPECT_EQ(plan.doneRows, resendUnknown ? 6 : 7);

    options.saveSentItems = true;
    std::vector<RecipientRow> list;
    for (const JournalRowState& row : content.rows)
        list.push_back({row.number, row.text});
    recipients(list);
    useDevices({{3, 1}, {5, 1}});
    JournalRecorder recorder(journal, {"", {}, true, false, 0}, nullptr);
    run = std::make_unique<SendingRun>([&] {
        SendingContext c = context();
        c.journal = &recorder;
        c.resume = &plan;
        return c;
    }());
    run->open();
    ASSERT_TRUE(run->waitUntilSettled(std::chrono::seconds(30)));

    std::set<QString> submitted;
    for (const RunEvent& e : submissions())
        submitted.insert(e.number);
    const std::set<QString> expected =
        resendUnknown ? std::set<QString>{"2003", "2004"} : std::set<QString>{"2004"};
    EXPECT_EQ(submitted, expected);
    const QStringList status = column(StatusColumn);
    EXPECT_EQ(status, QStringList({kSent, kSent, kSent, resendUnknown ? kSent : kUnknown, kSent,
                                   "Error : +CMS ERROR: 38", "Skipped.", kSent}));
    EXPECT_EQ(column(CurrentStatusColumn)[0], "Done (COM3)");

    // One sent-items record per sent row, the older run's left alone; the failed and unknown
    // rows are logged as the run ends.
    std::map<QString, int> perNumber;
    for (const SentItem& record : sentItemRecords())
        ++perNumber[record.number];
    EXPECT_EQ(perNumber, (std::map<QString, int>{{"older", 1},
                                                 {"2000", 1},
                                                 {"2001", 1},
                                                 {"2002", 1},
                                                 {"2003", 1},
                                                 {"2004", 1},
                                                 {"2005", 1},
                                                 {"2007", 1}}));
    content = journalContent();
    EXPECT_TRUE(content.finished);
    EXPECT_EQ(content.rows[3].status, resendUnknown ? kSent : kUnknown);
    for (int row : {0, 1, 2, 3, 4, 5, 7})
        EXPECT_TRUE(content.rows[std::size_t(row)].logged) << row;
}

INSTANTIATE_TEST_SUITE_P(ResendUnknown, ResumeTest, ::testing::Bool());

// Retry rounds leave a row whose outcome is unknown alone unless the user says otherwise.
TEST_F(RunJournalRunTest, ARetryRoundAsksBeforeSendingAnUnknownRowAgain)
{
    std::vector<JournalRow> rows{{0, "3000", "a", {}}, {1, "3001", "b", {}}};
    ASSERT_TRUE(journal.begin({1, "", 2, 0}, rows));
    journal.append(JournalSubmitting{0, "3"}, true);
    journal.close();
    const ResumePlan plan = PlanResume(journalContent(), false, {});
    options.retriesOn = true;
    retryLimit = 1;
    recipients({{"3000", "a"}, {"3001", "b"}});
    useDevices({{3, 1}});
    state.RetryRound = 0;
    state.RetryRoundActive = 0;
    state.RetryLimit = 1;
    run = std::make_unique<SendingRun>([&] {
        SendingContext c = context();
        c.resume = &plan;
        return c;
    }());
    run->open();
    int asked = 0;
    while (!run->waitUntilSettled(std::chrono::milliseconds(5))) {
        if (run->view().resendQuestionRows == 1) {
            ++asked;
            run->answerResendQuestion(false);
        }
    }
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(submissions().size(), 1u);
    EXPECT_EQ(submissions()[0].number, "3001");
    EXPECT_EQ(column(StatusColumn), QStringList({kUnknown, kSent}));
}

} // namespace

namespace {

// A journal that cannot be written (here: never opened) is reported once, not per message.
TEST(JournalRecorderTest, AJournalThatCannotBeWrittenIsReportedOnce)
{
    QTemporaryDir dir;
    const DataFolder data(dir.path());
    RunJournal journal(data);
    QStringList traces;
    JournalRecorder recorder(journal, {}, [&](const QString& text) { traces.append(text); });
    recorder.submitting(0, "3");
    recorder.outcome(0, kSent, "3");
    recorder.submitting(1, "3");
    ASSERT_EQ(traces.size(), 1);
    EXPECT_TRUE(traces[0].startsWith("Run journal: cannot write the submission record"));
}

} // namespace

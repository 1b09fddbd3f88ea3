#include "app/ExitSequence.h"
#include "app/MainWindowLogic.h"
#include "app/MainWindowSession.h"
#include "app/QuillonApp.h"
#include "base/Clock.h"
#include "exports/ExportServices.h"
#include "sending/QueueText.h"
#include "stores/RunJournal.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The window's start-up with a run journal left unfinished: one question, Yes takes the run up
// with the next Send, No sets it aside for "Last Run".

namespace {

class NoProcesses : public ProcessTable
{
public:
    QList<qint64> processesNamed(const QString&) const override { return {}; }
    void forceEnd(qint64) override {}
};

class NoComposerQuestion : public ComposerChangeQuestion
{
public:
    Answer ask() override { return Answer::Cancel; }
};

const QString kSent = QStringLiteral("Message sent successfully.");

class ResumeAtStartTest : public ::testing::Test
{
protected:
    // Three rows: the first sent, the second cut into by the stop, the third never reached.
    void leaveUnfinishedRun()
    {
        RunJournal journal(app.dataFolder());
        ASSERT_TRUE(journal.begin({5, "retries=0", 3, 0}, {{0, "+447700900001", "one", {}},
                                                           {1, "+447700900002", "two", {}},
                                                           {2, "+447700900003", "three", {}}}));
        journal.append(JournalSubmitting{0, "3"}, true);
        journal.append(JournalOutcome{0, kSent, "3"}, true);
        journal.append(JournalSubmitting{1, "3"}, true);
    }
    // The window opens: the session starts reading the journal.
    void open()
    {
        session = std::make_unique<MainWindowSession>(app.dataFolder(), app.clock(),
                                                      PortMap(dir.filePath("ports")));
        logic = std::make_unique<MainWindowLogic>(
            app, *session, MainWindowLogic::Services{prompter, processes, nullptr, question});
    }
    RunJournalContent journalNow() const
    {
        RunJournalContent content;
        EXPECT_TRUE(RunJournal(app.dataFolder()).load(content));
        return content;
    }

    QTemporaryDir dir;
    CQuillonApp app{{dir.filePath("quillon"), "", ""}, Clock::system()};
    ScriptedPrompter prompter;
    NoProcesses processes;
    NoComposerQuestion question;
    std::unique_ptr<MainWindowSession> session;
    std::unique_ptr<MainWindowLogic> logic;
};

TEST_F(ResumeAtStartTest, YesPutsTheRowsInTheListAndTheNextSendResumesThem)
{
    leaveUnfinishedRun();
    open();
    prompter.answer(true);
    prompter.answer(false); // the row cut into is not sent again
    EXPECT_TRUE(logic->offerUnfinishedRun());
    ASSERT_EQ(prompter.shown().size(), 2);
    EXPECT_TRUE(prompter.shown()[0].question);
    EXPECT_EQ(prompter.shown()[0].text, MainWindowLogic::resumeQuestionText(3, 1, 1));
    EXPECT_TRUE(prompter.shown()[0].text.endsWith("Resume the campaign?"));
    EXPECT_EQ(prompter.shown()[1].text, MainWindowLogic::resendUnknownQuestionText(1));
    const RecipientList& list = session->recipients();
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.at(0).Number, "+447700900001");
    EXPECT_EQ(list.at(2).Message, "three");

    const SendingContext resumed = session->sendingContext(prompter, nullptr);
    ASSERT_NE(resumed.resume, nullptr);
    ASSERT_NE(resumed.journal, nullptr);
    ASSERT_EQ(resumed.resume->rows.size(), 3u);
    EXPECT_EQ(resumed.resume->rows[0][StatusColumn], kSent);
    EXPECT_EQ(resumed.resume->rows[1][StatusColumn], QueueText::OutcomeUnknown());
    EXPECT_EQ(resumed.resume->rows[2][UseStatusColumn], QueueText::WaitToDispatch());
    // Taken up once: the Send after it is a run of its own.
    EXPECT_EQ(session->sendingContext(prompter, nullptr).resume, nullptr);
}

TEST_F(ResumeAtStartTest, ASecondYesSendsTheRowWhoseOutcomeIsUnknownAgain)
{
    leaveUnfinishedRun();
    open();
    prompter.answer(true);
    prompter.answer(true);
    ASSERT_TRUE(logic->offerUnfinishedRun());
    const SendingContext resumed = session->sendingContext(prompter, nullptr);
    ASSERT_NE(resumed.resume, nullptr);
    ASSERT_EQ(resumed.resume->rows.size(), 3u);
    EXPECT_EQ(resumed.resume->rows[0][StatusColumn], kSent);
    EXPECT_EQ(resumed.resume->rows[1][UseStatusColumn], QueueText::WaitToDispatch());
    EXPECT_EQ(resumed.resume->rows[2][UseStatusColumn], QueueText::WaitToDispatch());
}

TEST_F(ResumeAtStartTest, AListChangedAfterYesSendsAsANewRun)
{
    leaveUnfinishedRun();
    open();
    prompter.answer(true);
    prompter.answer(false);
    ASSERT_TRUE(logic->offerUnfinishedRun());
    session->recipients().insertRecipient(0, {"+447700900009", "new"});
    EXPECT_EQ(session->sendingContext(prompter, nullptr).resume, nullptr);
}

TEST_F(ResumeAtStartTest, NoSetsTheRunAsideAndLastRunStillExportsIt)
{
    leaveUnfinishedRun();
    open();
    prompter.answer(false);
    EXPECT_FALSE(logic->offerUnfinishedRun());
    EXPECT_TRUE(session->recipients().isEmpty());
    const RunJournalContent journal = journalNow();
    EXPECT_TRUE(journal.setAside);
    EXPECT_FALSE(journal.isUnfinished());
    EXPECT_EQ(session->sendingContext(prompter, nullptr).resume, nullptr);

    const std::vector<ProcessStatusRow> rows = logic->lastRunRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Status, kSent);
    EXPECT_EQ(rows[0].CurrentStatus, "Done (COM3)");
    EXPECT_EQ(rows[1].Status, QueueText::OutcomeUnknown());
    EXPECT_EQ(rows[2].Status, "");

    // The next start asks nothing.
    open();
    EXPECT_FALSE(logic->offerUnfinishedRun());
    EXPECT_EQ(prompter.shown().size(), 1);
}

TEST_F(ResumeAtStartTest, WithoutAJournalNothingIsAskedAndLastRunSaysSo)
{
    open();
    EXPECT_FALSE(logic->offerUnfinishedRun());
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_TRUE(logic->lastRunRows().empty());
    EXPECT_EQ(prompter.texts(), QStringList{"No sending run has been recorded yet."});
}

} // namespace

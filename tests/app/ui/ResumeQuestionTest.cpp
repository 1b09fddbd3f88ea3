#include "app/ExitSequence.h"
#include "app/QuillonApp.h"
#include "app/ui/MainWindow.h"
#include "base/Clock.h"
#include "recipients/ui/RecipientTableView.h"
#include "stores/RunJournal.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The main window opened over a run journal left unfinished asks once, after it shows, whether
// to resume; "Last Run" is there for the statuses of the last run.

namespace {

class NoProcesses : public ProcessTable
{
public:
    QList<qint64> processesNamed(const QString&) const override { return {}; }
    void forceEnd(qint64) override {}
};

class ResumeQuestionTest : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        RunJournal journal(app.dataFolder());
        ASSERT_TRUE(journal.begin(
            {5, "", 2, 0}, {{0, "+447700900001", "one", {}}, {1, "+447700900002", "two", {}}}));
        journal.append(JournalSubmitting{0, "3"}, true);
    }

    QTemporaryDir dir;
    CQuillonApp app{{dir.filePath("quillon"), "", ""}, Clock::system()};
    NoProcesses processes;
    ScriptedPrompter prompter;
};

TEST_P(ResumeQuestionTest, TheWindowAsksOnceAfterItShows)
{
    const bool resume = GetParam();
    CKORV_QuillonDlg window(app, processes);
    window.setPrompter(prompter);
    prompter.answer(resume);
    prompter.answer(false); // after Yes: the first row, cut into, is not sent again
    window.show();
    EXPECT_TRUE(prompter.shown().isEmpty()); // not before the window is up
    QApplication::processEvents();
    const qsizetype questions = resume ? 2 : 1;
    ASSERT_EQ(prompter.shown().size(), questions);
    EXPECT_TRUE(prompter.shown()[0].text.endsWith("Resume the campaign?"));
    EXPECT_EQ(window.totalNumbersText(), resume ? "Total Numbers : 2" : "Total Numbers : 0");
    EXPECT_EQ(window.recipientView()->model()->rowCount(), resume ? 2 : 0);
    RunJournalContent journal;
    ASSERT_TRUE(RunJournal(app.dataFolder()).load(journal));
    EXPECT_EQ(journal.setAside, !resume);
    EXPECT_NE(window.findChild<QPushButton*>("lastRunButton"), nullptr);
    QApplication::processEvents();
    EXPECT_EQ(prompter.shown().size(), questions);
}

INSTANTIATE_TEST_SUITE_P(Answers, ResumeQuestionTest, ::testing::Bool());

} // namespace

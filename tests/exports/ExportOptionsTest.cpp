#include "exports/ExportOptionLogic.h"
#include "exports/StatusChoice.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusChoice, OkNeedsOneStatusThatMatches)
{
    const struct
    {
        StatusChoice choice;
        QStringList statuses;
        bool accepted;
    } cases[] = {
        {StatusChoice::All, {"Stopped"}, true},
        {StatusChoice::All, {}, false},
        {StatusChoice::Succeeded, {"Message sent successfully."}, true},
        {StatusChoice::Succeeded, {"Message sent to device."}, true},
        {StatusChoice::Succeeded, {"Message sent successfully. ", "Error : x"}, false},
        {StatusChoice::Failed, {"Excluded.", "Error : +CMS ERROR: 500"}, true},
        {StatusChoice::Failed, {"error : lower case", "Skipped."}, false},
    };
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        const bool accepted = CheckStatusChoice(prompter, c.choice, c.statuses.size(),
                                                [&](qsizetype i) { return c.statuses[i]; });
        EXPECT_EQ(accepted, c.accepted) << c.statuses.join('|').toStdString();
        if (accepted) {
            EXPECT_TRUE(prompter.shown().isEmpty());
        } else {
            ASSERT_EQ(prompter.shown().size(), 1);
            EXPECT_EQ(prompter.shown()[0].caption, "Message");
            EXPECT_EQ(prompter.shown()[0].text, "There is no item for selected Export Option.");
            EXPECT_EQ(prompter.shown()[0].icon, Prompter::Icon::Information);
        }
    }
}

TEST(ExportOptionLogic, PresetsTheLastThirtyDaysAndText)
{
    ScriptedPrompter prompter;
    const std::vector<SentItem> records;
    const ExportOptionLogic logic(prompter, records, StatusChoice::All, QDate(2026, 3, 2));
    EXPECT_EQ(logic.defaultStart(), QDate(2026, 1, 31));
    EXPECT_EQ(logic.defaultEnd(), QDate(2026, 3, 2));
    EXPECT_EQ(ExportOptionLogic::defaultFormat(), ExportFormat::Txt);
}

TEST(ExportOptionLogic, OkChecksTheOrderOfTheDatesThenThatARecordFalls)
{
    const std::vector<SentItem> records = {
        {"111", "a", "10/05/2026", "Message sent successfully."},
        {"222", "b", "20/05/2026", "Error : +CMS ERROR: 500"},
    };
    using Verdict = ExportOptionLogic::Verdict;
    const struct
    {
        StatusChoice choice;
        QDate start;
        QDate end;
        Verdict verdict;
        QString message;
    } cases[] = {
        {StatusChoice::All,
         {2026, 5, 11},
         {2026, 5, 10},
         Verdict::EndBeforeStart,
         "End date should be greater than or equal to Start date."},
        {StatusChoice::All,
         {2026, 5, 11},
         {2026, 5, 19},
         Verdict::NoRecord,
         "There is no record for selected duration."},
        {StatusChoice::Succeeded,
         {2026, 5, 11},
         {2026, 5, 20},
         Verdict::NoRecord,
         "There is no record for selected duration."},
        {StatusChoice::Failed, {2026, 5, 20}, {2026, 5, 20}, Verdict::Accepted, {}},
        {StatusChoice::Succeeded, {2026, 5, 1}, {2026, 5, 10}, Verdict::Accepted, {}},
    };
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        ExportOptionLogic logic(prompter, records, c.choice, QDate(2026, 6, 1));
        EXPECT_EQ(logic.check(c.start, c.end), c.verdict);
        EXPECT_EQ(prompter.texts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
        for (const auto& shown : prompter.shown())
            EXPECT_EQ(shown.caption, "Message");
    }
    ScriptedPrompter prompter;
    const ExportOptionLogic logic(prompter, records, StatusChoice::Failed, QDate(2026, 6, 1));
    const SentItemsExportOptions chosen =
        logic.options(QDate(2026, 5, 1), QDate(2026, 5, 31), ExportFormat::Html);
    EXPECT_EQ(chosen.choice, StatusChoice::Failed);
    EXPECT_EQ(chosen.format, ExportFormat::Html);
    EXPECT_EQ(chosen.start, QDate(2026, 5, 1));
}

} // namespace

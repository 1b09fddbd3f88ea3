#include "recipients/RecipientCommands.h"

#include "RecipientFixture.h"
#include "recipients/LoadFileMsg.h"

namespace {

class RecipientCommandsTest : public RecipientFixture
{
protected:
    RecipientCommands commands{list, prompter};
};

TEST_F(RecipientCommandsTest, AddPutsTheNumberOnTopWithTheComposerText)
{
    fill({"111=old"});
    ASSERT_TRUE(commands.Add(" (0700) 123-4 ", "Hello", options(true, true)));
    ASSERT_TRUE(commands.Add("+4477", "", options(true, true)));
    EXPECT_EQ(numbers(), QStringList({"+4477", "07001234", "111"}));
    EXPECT_EQ(messages(), QStringList({"", "Hello", "old"}));
    EXPECT_EQ(UpdateCounters(list), "Total Numbers : 3");
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(RecipientCommandsTest, DuplicateAndExclusionRefusalsInTheirOrder)
{
    exclusions.add("222");
    exclusions.add("111");
    const struct
    {
        const char* number;
        bool skipDuplicates;
        bool useExclusion;
        const char* refusal; // empty when added
    } cases[] = {
        {"111", false, false, ""}, // the same number twice is allowed
        {"111", true, false, "Entered number already exists."},
        {"111", true, true, "Entered number already exists."}, // the duplicate message wins
        {"111", false, true, "Entered number is in exclusion list."},
        {"222", true, true, "Entered number is in exclusion list."},
        {"222", true, false, ""}, // the set counts only while the option is ticked
        {"+111", true, true, ""}, // a plus makes another number
        {"12+3", true, true, "Please enter a valid phone number."},
    };
    for (const auto& c : cases) {
        fill({"111"});
        ScriptedPrompter answers;
        RecipientCommands add(list, answers);
        const bool added = add.Add(c.number, "m", options(c.skipDuplicates, c.useExclusion));
        EXPECT_EQ(added, *c.refusal == 0) << c.number;
        EXPECT_EQ(list.count(), added ? 2 : 1) << c.number;
        if (added)
            continue;
        ASSERT_EQ(answers.shown().size(), 1) << c.number;
        EXPECT_EQ(answers.shown()[0].text, c.refusal);
        EXPECT_EQ(answers.shown()[0].caption, "Message");
        EXPECT_EQ(answers.shown()[0].icon, Prompter::Icon::Information);
    }
}

TEST_F(RecipientCommandsTest, ClearSelectedKeepsTheRestAndForgetsRemovedNumbers)
{
    EXPECT_EQ(commands.ClearSelected({0}, 0), -1);
    fill({"1", "2", "3", "4", "5"});
    EXPECT_EQ(commands.ClearSelected({}, 0), -1);
    EXPECT_EQ(prompter.texts(),
              QStringList({"Phone numbers-Messages list is empty.",
                           "Please select at least one record from the phone numbers-messages "
                           "list to continue."}));
    EXPECT_EQ(numbers().size(), 5);

    EXPECT_EQ(commands.ClearSelected({3, 1, 3}, 1), 1);
    EXPECT_EQ(numbers(), QStringList({"1", "3", "5"}));
    EXPECT_EQ(commands.ClearSelected({2}, 2), -1); // nothing left at the mark
    EXPECT_TRUE(commands.Add("2", "", options(true, false)));
    EXPECT_FALSE(commands.Add("3", "", options(true, false)));
}

TEST_F(RecipientCommandsTest, ClearAllAndResetAsk)
{
    EXPECT_FALSE(commands.ClearAll());
    EXPECT_EQ(prompter.texts().last(), "Phone numbers-Messages list is empty.");

    fill({"1", "2"});
    prompter.answer(false).answer(true);
    EXPECT_FALSE(commands.ClearAll());
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(commands.ClearAll());
    EXPECT_EQ(list.count(), 0);
    EXPECT_FALSE(list.containsNumber("1"));
    EXPECT_EQ(prompter.shown().last().caption, "Confirm");
    EXPECT_EQ(prompter.shown().last().text,
              "This option will clear the entire list contents. Are you sure you want to "
              "continue clearing the entire list?");

    prompter.answer(true); // an empty list still asks
    EXPECT_TRUE(commands.Reset());
    EXPECT_EQ(prompter.shown().last().text, "Are you sure you want to continue to reset?");
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(RecipientCommandsTest, ReplaceOrAppendQuestion)
{
    EXPECT_EQ(CLoad_File_Msg::Ask(list, prompter), CLoad_File_Msg::Choice::Append);
    EXPECT_TRUE(prompter.shown().isEmpty()); // nothing to ask about an empty list

    const struct
    {
        Prompter::Answer answer;
        CLoad_File_Msg::Choice choice;
        int rowsLeft;
    } cases[] = {
        {Prompter::Answer::Yes, CLoad_File_Msg::Choice::Replace, 0},
        {Prompter::Answer::No, CLoad_File_Msg::Choice::Append, 2},
        {Prompter::Answer::Cancel, CLoad_File_Msg::Choice::Cancel, 2},
    };
    for (const auto& c : cases) {
        fill({"1", "2"});
        ScriptedPrompter asked;
        asked.answer(c.answer);
        EXPECT_EQ(CLoad_File_Msg::Ask(list, asked), c.choice);
        EXPECT_EQ(list.count(), c.rowsLeft);
        ASSERT_EQ(asked.shown().size(), 1);
        EXPECT_EQ(asked.shown()[0].caption, "Information");
        EXPECT_TRUE(
            asked.shown()[0].text.startsWith("The phone numbers-messages list already contains "
                                             "some data.\n\nPress \u2018Yes\u2019"));
    }
}

TEST(CharacterCountTest, CountsUtf16CodeUnits)
{
    EXPECT_EQ(UpdateCharacterCount(""), "0 Characters");
    EXPECT_EQ(UpdateCharacterCount("a\tb\nc"), "5 Characters");
    EXPECT_EQ(UpdateCharacterCount(QString::fromUtf8("\xF0\x9F\x98\x80")), "2 Characters");
}

} // namespace

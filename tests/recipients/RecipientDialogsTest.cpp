#include "RecipientFixture.h"
#include "recipients/FillMessageInList.h"
#include "recipients/ManualNumberAdd.h"
#include "recipients/NumberMessageUpdate.h"
#include "recipients/SelectedMessagesUpdate.h"

namespace {

using RecipientDialogsTest = RecipientFixture;

TEST_F(RecipientDialogsTest, PasteAddsInPastedOrderAboveOlderRows)
{
    fill({"999=old"});
    ManualNumberAdd paste(list, prompter);
    ASSERT_TRUE(
        paste.Accept("111\t222\r\n333\n\n  \t(44) 4\tabc\t999\t111", "Hi", options(true, false)));
    // Refused fields (letters, a duplicate of an old row, one repeated in the paste) are skipped.
    EXPECT_EQ(numbers(), QStringList({"111", "222", "333", "444", "999"}));
    EXPECT_EQ(messages(), QStringList({"Hi", "Hi", "Hi", "Hi", "old"}));
    EXPECT_TRUE(prompter.shown().isEmpty());

    EXPECT_FALSE(paste.Accept(" \n\t ", "Hi", options(false, false)));
    EXPECT_EQ(prompter.texts(), QStringList({"No item to insert in list."}));
    EXPECT_EQ(list.count(), 5);

    EXPECT_EQ(ManualNumberAdd::TotalRowsText(""), "Total Rows : 1");
    EXPECT_EQ(ManualNumberAdd::TotalRowsText("1\n2\n"), "Total Rows : 3");
}

TEST_F(RecipientDialogsTest, EditRowChecksTheNewNumberButNeverAgainstItself)
{
    exclusions.add("555");
    const struct
    {
        const char* number;
        const char* refusal; // empty when the row is replaced
        const char* stored;
    } cases[] = {
        {"111", "", "111"},     // unchanged: accepted as it is
        {" 111 ", "", "111"},   // changed only by blanks: still not its own duplicate
        {"12-34", "", "12-34"}, // separators are not stripped here
        {"222", "Entered number already exists.", ""},
        {"555", "Entered number is in exclusion list.", ""},
        {"(12)", "Please enter a valid phone number.", ""},
        {"", "Please enter a valid phone number.", ""},
    };
    for (const auto& c : cases) {
        fill({"222=a", "111=b"});
        ScriptedPrompter answers;
        ASSERT_EQ(NumberMessageUpdate::RowToEdit(list, {1}), 1);
        NumberMessageUpdate edit(list, 1, answers);
        EXPECT_EQ(edit.number(), "111");
        EXPECT_EQ(edit.message(), "b");
        const bool replaced = edit.Update(c.number, "new", options(true, true));
        EXPECT_EQ(replaced, *c.refusal == 0) << c.number;
        if (replaced) {
            EXPECT_EQ(list.at(1), (RecipientRow{c.stored, "new"})) << c.number;
            EXPECT_EQ(list.numberCount("111"), QString(c.stored) == "111" ? 1 : 0);
            EXPECT_TRUE(answers.shown().isEmpty());
        } else {
            EXPECT_EQ(list.at(1), (RecipientRow{"111", "b"})) << c.number;
            EXPECT_EQ(answers.texts(), QStringList({c.refusal}));
        }
    }
}

TEST_F(RecipientDialogsTest, EditOpensOnTheFirstSelectedRowWithANumber)
{
    fill({"111", " ", "333"});
    EXPECT_EQ(NumberMessageUpdate::RowToEdit(list, {2, 0}), 0);
    EXPECT_EQ(NumberMessageUpdate::RowToEdit(list, {1, 2}), -1);
    EXPECT_EQ(NumberMessageUpdate::RowToEdit(list, {}), -1);
}

TEST_F(RecipientDialogsTest, UpdateSelectedMessagesOnlyTouchesTheSelection)
{
    EXPECT_FALSE(SelectedMessagesUpdate::CanOpen(list, {0}, prompter));
    fill({"1=a", "2=b", "3=c"});
    EXPECT_FALSE(SelectedMessagesUpdate::CanOpen(list, {}, prompter));
    EXPECT_TRUE(SelectedMessagesUpdate::CanOpen(list, {2}, prompter));
    EXPECT_EQ(prompter.texts(),
              QStringList({"Phone numbers-Messages list is empty.",
                           "Please select at least one record from the phone numbers-messages "
                           "list to continue."}));

    SelectedMessagesUpdate update(list, {2, 0}, prompter);
    EXPECT_EQ(update.selectedNumbers(), QStringList({"1", "3"}));
    EXPECT_EQ(update.totalText(), "Total Selected Numbers : 2");
    EXPECT_FALSE(update.Apply(""));
    EXPECT_EQ(prompter.texts().last(), "Please enter some text message.");
    prompter.answer(false).answer(true);
    EXPECT_FALSE(update.Apply("x"));
    EXPECT_EQ(messages(), QStringList({"a", "b", "c"}));
    EXPECT_TRUE(update.Apply("x"));
    EXPECT_EQ(messages(), QStringList({"x", "b", "x"}));
    EXPECT_EQ(prompter.shown().last().caption, "Confirm");
}

TEST_F(RecipientDialogsTest, ApplyComposerMessageToAllSelectedOrBlankRows)
{
    using Target = FillMessageInList::Target;
    using Outcome = FillMessageInList::Outcome;
    const struct
    {
        Target target;
        QList<int> selected;
        QStringList after;
    } cases[] = {
        {Target::All, {}, {"C", "C", "C", "C"}},
        {Target::Selected, {3, 1}, {"a", "C", "", "C"}},
        {Target::Blank, {0}, {"a", " ", "C", "C"}}, // a single blank is a message
    };
    for (const auto& c : cases) {
        fill({"1=a", "2= ", "3=", "4="});
        ScriptedPrompter answers;
        answers.answer(true);
        FillMessageInList fill(list, answers);
        EXPECT_EQ(fill.Apply(c.target, "C", c.selected), Outcome::Applied);
        EXPECT_EQ(messages(), c.after);
        ASSERT_EQ(answers.shown().size(), 1);
        EXPECT_EQ(answers.shown()[0].caption, "Confirm");
        EXPECT_EQ(answers.shown()[0].icon, Prompter::Icon::Warning);
    }
}

TEST_F(RecipientDialogsTest, ApplyComposerMessageRefusalsAndNo)
{
    using Target = FillMessageInList::Target;
    using Outcome = FillMessageInList::Outcome;
    EXPECT_FALSE(FillMessageInList::CanOpen(list, "C", prompter));
    fill({"1=a", "2= "});
    EXPECT_FALSE(FillMessageInList::CanOpen(list, "", prompter));
    EXPECT_TRUE(FillMessageInList::CanOpen(list, " ", prompter));
    FillMessageInList fillIn(list, prompter);
    EXPECT_EQ(fillIn.Apply(Target::Selected, "C", {}), Outcome::Refused);
    EXPECT_EQ(fillIn.Apply(Target::Blank, "C", {}), Outcome::Refused);
    prompter.answer(false);
    EXPECT_EQ(fillIn.Apply(Target::All, "C", {}), Outcome::Declined);
    EXPECT_EQ(messages(), QStringList({"a", " "}));
    EXPECT_EQ(
        prompter.texts(),
        QStringList({"Phone numbers-Messages list is empty.", "Please enter some text message.",
                     "Please select at least one record from the phone numbers-messages "
                     "list to continue.",
                     "There is no blank message in the phone numbers-messages list.",
                     "This action will copy the message of composer box to all numbers in "
                     "the list.\n\nAre you sure you want to continue?"}));
    EXPECT_EQ(FillMessageInList::TargetText(Target::All), "Apply message to all list items ");
}

} // namespace

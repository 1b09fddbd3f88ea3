#include "recipients/DynamicMessages.h"

#include "ImportFixture.h"
#include "recipients/DynamicExcelWizard.h"
#include "spreadsheet/SheetTable.h"

namespace {

class DynamicMessagesTest : public ImportFixture
{
protected:
    const SheetTable& sheet(const QString& name, std::vector<std::vector<QVariant>> rows)
    {
        EXPECT_TRUE(reader.open(workbook(name, std::move(rows))).ok());
        const SheetTable* table = reader.sheet(0);
        EXPECT_NE(table, nullptr);
        return *table;
    }

    static void inline_(const std::function<void()>& work, const ImportProgress&) { work(); }

    SpreadsheetReader reader;
};

TEST_F(DynamicMessagesTest, PlaceholderRules)
{
    for (const char* name : {"p.xlsx", "p.xls"}) {
        // Column 2 holds a placeholder of column 3, filled after it; column 3 holds one of
        // column 1, filled before it, so that one stays.
        const SheetTable& table =
            sheet(name, {{"Phone", "Name", "Marks"}, {5551234, "Ann <COL-3>", "90 <COL-1>"}});
        const struct
        {
            const char* messageTemplate;
            const char* filled;
        } cases[] = {
            {"Hi <COL-2>, <COL-3>", "Hi Ann 90 <COL-1>, 90 <COL-1>"},
            {"<COL-13>|<COL-5>|<COL-12>|<COL-1>", "<COL-13>|||5551234"}, // 1..9+3 filled
            {"<col-2> <COL-2 > <COL-02>", "<col-2> <COL-2 > <COL-02>"},
            {"no placeholder", "no placeholder"},
        };
        for (const auto& c : cases)
            EXPECT_EQ(FillPlaceholders(c.messageTemplate, table, 2), c.filled)
                << name << ' ' << c.messageTemplate;
    }
}

TEST_F(DynamicMessagesTest, TwoNumberColumnsGiveTwoRowsPerDataRow)
{
    const SheetTable& table =
        sheet("d.xlsx", {{"Mother", "Father", "Pupil"}, {111, 222, "Ann"}, {333, "x", "Bob"}});
    RecipientBatch batch(list);
    ImportProgress progress;
    EXPECT_EQ(BuildDynamicMessages(table, {1, 2}, "Dear parent of <COL-3>", batch,
                                   options(false, false), &progress),
              SheetReadEnd::Complete);
    InsertBatchAtTop(list, batch);
    EXPECT_EQ(numbers(), QStringList({"111", "333", "222"}));
    EXPECT_EQ(messages(),
              QStringList({"Dear parent of Ann", "Dear parent of Bob", "Dear parent of Ann"}));
    EXPECT_EQ(progress.snapshot().current, 6u);
    EXPECT_EQ(progress.total(), 6u);
}

TEST_F(DynamicMessagesTest, RowAndLengthLimits)
{
    EXPECT_EQ(DynamicTotalRecords(2, 50'001), 100'002u);
    EXPECT_EQ(DynamicTotalRecords(2, 60'000), 50'000u);

    std::vector<std::vector<QVariant>> rows;
    for (int r = 0; r < 50'010; ++r)
        rows.push_back({QString::number(100000 + r), r == 0 ? QString(2000, u'a') : "m"});
    const SheetTable& table = sheet("big.xlsx", std::move(rows));
    RecipientBatch wizard(list);
    EXPECT_EQ(ImportNumbersAndMessages(table, 1, 2, wizard, options(false, false)),
              SheetReadEnd::Complete);
    EXPECT_EQ(wizard.size(), 50'000);
    RecipientBatch dynamic(list);
    EXPECT_EQ(BuildDynamicMessages(table, {1}, "<COL-2>", dynamic, options(false, false)),
              SheetReadEnd::Complete);
    InsertBatchAtTop(list, dynamic);
    EXPECT_EQ(list.count(), 50'000);
    EXPECT_EQ(list.at(0).Message, QString(1600, u'a'));
    EXPECT_EQ(list.at(49'999).Number, "149999");
}

TEST_F(DynamicMessagesTest, WizardChecksInOrderAndReplacesOnlyWhenReading)
{
    fill({"9"});
    DynamicExcelWizard wizard(list, prompter, CLoad_File_Msg::Choice::Replace);
    EXPECT_EQ(wizard.checkNumbersAndMessages(0, 1)->text, "Please select a valid file path.");
    EXPECT_FALSE(wizard.browse(file("a.txt", "1")));
    EXPECT_FALSE(wizard.browse(dir.filePath("none.xlsx")));
    EXPECT_EQ(prompter.texts(), QStringList({"Please select a valid file.",
                                             "File does not exist on selected location."}));
    ASSERT_TRUE(wizard.browse(workbook(
        "w.xlsx", {{"Phone", QVariant(), "Text"}, {"+44 1", QVariant(), QString(1700, 'm')}})));
    EXPECT_EQ(wizard.checkNumbersAndMessages(0, 1)->text, "Please select a Sheet.");
    wizard.chooseSheet(0);
    EXPECT_EQ(wizard.checkNumbersAndMessages(-1, 2)->text,
              "Please select a column for Mobile number.");
    EXPECT_EQ(wizard.checkNumbersAndMessages(0, -1)->text, "Please select a column for Message.");
    EXPECT_EQ(wizard.checkNumberColumns({false, false, false})->text,
              "Please select a column for Mobile number.");
    EXPECT_EQ(wizard.columnTable()[1].name, "Untitled Column 1");
    EXPECT_EQ(wizard.columnTable()[2].placeholder, "<COL-3>");
    EXPECT_EQ(DynamicExcelWizard::checkTemplate("")->text, "Please enter some text message.");
    EXPECT_EQ(numbers(), QStringList({"9"}));

    EXPECT_EQ(wizard.ImportNumbersAndMessages(0, 2, options(true, false), inline_), 1);
    EXPECT_EQ(numbers(), QStringList({"+441"}));
    EXPECT_EQ(messages()[0].size(), 1600);
    EXPECT_EQ(wizard.BuildDynamicMessages({true, false, false}, "x", options(true, false), inline_),
              0);
    EXPECT_EQ(prompter.texts().last().left(40), "Either file is corrupted or selected fil");
    EXPECT_EQ(numbers(), QStringList({"+441"})); // the second reading appends
}

} // namespace

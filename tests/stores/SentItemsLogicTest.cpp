#include "stores/SentItemsLogic.h"

#include "stores/DataFolder.h"
#include "stores/SentItemStore.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QDate kDay(2026, 1, 31);
const QString kPleaseSelect =
    QStringLiteral("Please select at least one record from the sent items list to continue.");

class SentItemsLogicTest : public ::testing::Test
{
protected:
    void open(int records)
    {
        for (int i = 1; i <= records; ++i)
            ASSERT_TRUE(store.Append(QString::number(i), "m" + QString::number(i), "s", kDay));
        logic.showRecords(logic.readStore());
    }
    QStringList numbers() const
    {
        QStringList shown;
        for (const SentItem& record : logic.model().records())
            shown.append(record.number);
        return shown;
    }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
    SentItemStore store{data};
    ScriptedPrompter prompter;
    SentItemsLogic logic{store, prompter};
};

TEST_F(SentItemsLogicTest, DeletingTwoOfFiveAndClosingKeepsTheOtherThreeInOrder)
{
    open(5);
    EXPECT_EQ(logic.totalItemsText(), "Total Items : 5");
    EXPECT_FALSE(logic.checkClearSelected({}));
    EXPECT_EQ(prompter.shown().last().text, kPleaseSelect);
    EXPECT_FALSE(logic.isChanged());

    const std::vector<int> selected{1, 3};
    ASSERT_TRUE(logic.checkClearSelected(selected));
    logic.removeRows(logic.model().recordsWithout(selected));
    EXPECT_TRUE(logic.isChanged());
    EXPECT_EQ(numbers(), QStringList({"1", "3", "5"}));
    ASSERT_FALSE(logic.writeBack());

    std::vector<SentItem> reread;
    ASSERT_TRUE(store.Load(reread));
    EXPECT_EQ(reread, logic.model().records());
}

TEST_F(SentItemsLogicTest, ClearAllAsksWithAWarningAndLeavesOnlyTheMark)
{
    EXPECT_FALSE(logic.clearAll());
    EXPECT_EQ(prompter.shown().last().text, "Sent items list is empty.");
    open(3);
    prompter.answer(false).answer(true);
    EXPECT_FALSE(logic.clearAll());
    EXPECT_EQ(logic.model().rowCount(), 3);
    EXPECT_TRUE(logic.clearAll());
    const auto& question = prompter.shown().last();
    EXPECT_EQ(question.caption, "Confirm");
    EXPECT_EQ(question.icon, Prompter::Icon::Warning);
    EXPECT_EQ(logic.model().rowCount(), 0);
    EXPECT_TRUE(logic.isChanged());
    EXPECT_EQ(ReadBytes(data.sentItemPath()), QByteArray("\xFF\xFE"));
}

TEST_F(SentItemsLogicTest, SelectionTextsAndDetails)
{
    open(2);
    EXPECT_EQ(SentItemsLogic::selectedItemsText(2), "Selected Items : 2");
    EXPECT_EQ(logic.detailsText({1}),
              "Number\t:  2\r\n\r\nMessage\t:  m2\r\n\r\nDate\t:  31/01/2026\r\n\r\nStatus\t:  s");
    EXPECT_EQ(logic.detailsText({0, 1}), "");
}

TEST_F(SentItemsLogicTest, SendToComposerHandsTheSelectedRowsInListOrder)
{
    open(4);
    std::vector<SentItem> handed;
    ComposerInsertResult result = ComposerInsertResult::ListGrew;
    const SentItemsToComposer handler = [&](const std::vector<SentItem>& rows) {
        handed = rows;
        return result;
    };
    const struct
    {
        ComposerInsertResult result;
        bool clearSelection;
        QString message;
    } cases[] = {
        {ComposerInsertResult::ListGrew, true,
         "Selected sent items inserted in SMS Composer successfully."},
        {ComposerInsertResult::NothingAdded, true,
         "Either file is corrupted or selected file contains invalid characters.\n\nOR\n\n"
         "Recipient number is skipped because of using 'Skip Duplicate Numbers' or 'Exclusion "
         "List' option."},
        {ComposerInsertResult::Cancelled, false, ""},
    };
    for (const auto& c : cases) {
        result = c.result;
        const auto before = prompter.shown().size();
        EXPECT_EQ(logic.sendToComposer({0, 2, 3}, handler), c.clearSelection);
        ASSERT_EQ(handed.size(), 3u);
        EXPECT_EQ(handed[1], logic.model().record(2));
        if (c.message.isEmpty()) {
            EXPECT_EQ(prompter.shown().size(), before);
        } else {
            EXPECT_EQ(prompter.shown().last().text, c.message);
        }
    }
    handed.clear();
    EXPECT_FALSE(logic.sendToComposer({}, handler));
    EXPECT_EQ(prompter.shown().last().text, kPleaseSelect);
    EXPECT_TRUE(handed.empty());
}

TEST_F(SentItemsLogicTest, ExportNeedsRecords)
{
    EXPECT_FALSE(logic.checkExport());
    EXPECT_EQ(prompter.shown().last().text, "Sent items list is empty.");
    open(1);
    EXPECT_TRUE(logic.checkExport());
}

} // namespace

#include "recipients/RecipientList.h"
#include "recipients/ui/CFill_Msg_In_List.h"
#include "recipients/ui/CManually_Multiple_Num_Add.h"
#include "recipients/ui/CUpdate_Num_Message.h"
#include "recipients/ui/CUpdate_Selected_Item_SMS.h"
#include "recipients/ui/ClearSelectedJob.h"
#include "recipients/ui/MessageEdit.h"
#include "recipients/ui/RecipientTableView.h"
#include "support/ScriptedPrompter.h"
#include "widgets/CSpecialEdit.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class RecipientDialogsUiTest : public ::testing::Test
{
protected:
    void fill(int rows)
    {
        std::vector<RecipientRow> all;
        for (int i = 0; i < rows; ++i)
            all.push_back({QString::number(1000 + i), QString()});
        list.insertRecipients(0, std::move(all));
    }

    static void press(QDialog& dialog, QDialogButtonBox::ButtonRole role)
    {
        for (QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons()) {
            if (dialog.findChild<QDialogButtonBox*>()->buttonRole(button) == role) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no such button";
    }

    RecipientList list;
    ScriptedPrompter prompter;
};

TEST_F(RecipientDialogsUiTest, PasteDialogCountsLinesAndAddsOnOk)
{
    fill(1);
    CManually_Multiple_Num_Add dialog(list, {}, "Hi", prompter);
    dialog.show();
    press(dialog, QDialogButtonBox::AcceptRole);
    EXPECT_TRUE(dialog.isVisible()); // an empty box is refused
    EXPECT_EQ(prompter.texts(), QStringList({"No item to insert in list."}));

    dialog.numbersBox()->setPlainText("111\t222\n333");
    EXPECT_EQ(dialog.findChild<QLabel*>("totalRows")->text(), "Total Rows : 2");
    press(dialog, QDialogButtonBox::AcceptRole);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.at(2), (RecipientRow{"333", "Hi"}));
}

TEST_F(RecipientDialogsUiTest, RowEditorStaysOpenOnARefusal)
{
    fill(2);
    CUpdate_Num_Message dialog(list, 1, {true, false, nullptr}, prompter);
    dialog.show();
    EXPECT_EQ(dialog.numberBox()->text(), "1001");
    EXPECT_EQ(dialog.numberBox()->maxLength(), 20);
    dialog.numberBox()->setText("1000");
    press(dialog, QDialogButtonBox::AcceptRole);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(prompter.texts(), QStringList({"Entered number already exists."}));

    dialog.numberBox()->setText("2000");
    dialog.messageBox()->setPlainText("New text");
    EXPECT_EQ(dialog.findChild<QLabel*>("characters")->text(), "8 Characters");
    press(dialog, QDialogButtonBox::AcceptRole);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(list.at(1), (RecipientRow{"2000", "New text"}));
}

TEST_F(RecipientDialogsUiTest, SelectedMessagesDialogListsTheSelectionAndApplies)
{
    fill(5);
    CUpdate_Selected_Item_SMS dialog(list, {3, 1}, prompter);
    dialog.fillSelectedNumbers(nullptr);
    dialog.show();
    const QAbstractItemModel* shown = dialog.numbersView()->model();
    ASSERT_EQ(shown->rowCount(), 2);
    EXPECT_EQ(shown->index(0, 0).data().toString(), "1001");
    EXPECT_EQ(dialog.findChild<QLabel*>("total")->text(), "Total Selected Numbers : 2");

    dialog.messageBox()->setPlainText("Same for both");
    prompter.answer(true);
    press(dialog, QDialogButtonBox::AcceptRole);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(list.at(1).Message, "Same for both");
    EXPECT_EQ(list.at(2).Message, "");
    EXPECT_EQ(list.at(3).Message, "Same for both");
}

TEST_F(RecipientDialogsUiTest, ApplyMessageDialogFillsTheChosenRows)
{
    fill(3);
    list.setMessages({1}, " ");
    CFill_Msg_In_List dialog(list, "C", {}, prompter);
    dialog.show();
    EXPECT_EQ(dialog.choice(FillMessageInList::Target::All)->text(),
              "Apply message to all list items ");
    dialog.choice(FillMessageInList::Target::Selected)->setChecked(true);
    press(dialog, QDialogButtonBox::AcceptRole);
    EXPECT_TRUE(dialog.isVisible()); // nothing selected: choose again

    dialog.choice(FillMessageInList::Target::Blank)->setChecked(true);
    prompter.answer(true);
    press(dialog, QDialogButtonBox::AcceptRole);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(list.at(0).Message, "C");
    EXPECT_EQ(list.at(1).Message, " ");
}

TEST_F(RecipientDialogsUiTest, ClearSelectedRunsInTheBackgroundAndReselectsTheMark)
{
    fill(100'000);
    RecipientTableView view;
    view.setModel(&list);
    view.show();
    QList<int> everyOther;
    for (int row = 0; row < 100'000; row += 2)
        everyOther.append(row);
    int reselect = -2;
    ASSERT_TRUE(
        RunClearSelected(&view, list, prompter, everyOther, 10, [&](int row) { reselect = row; }));
    while (reselect == -2)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(list.count(), 50'000);
    EXPECT_EQ(list.at(0).Number, "1001");
    EXPECT_EQ(reselect, 10);
    EXPECT_TRUE(view.isEnabled());
    EXPECT_FALSE(RunClearSelected(&view, list, prompter, {}, 0, {}));
}

TEST_F(RecipientDialogsUiTest, TableViewSelectsAndAsksForEditAndClear)
{
    fill(4);
    RecipientTableView view;
    view.setModel(&list);
    view.show();
    // At least the designed width, and a whole international number fits.
    EXPECT_GE(view.columnWidth(0), 100);
    EXPECT_GT(view.columnWidth(0),
              view.fontMetrics().horizontalAdvance(QStringLiteral("+447700900123456")));
    QApplication::processEvents();
    EXPECT_EQ(view.columnViewportPosition(1) + view.columnWidth(1), view.viewport()->width());
    int edits = 0;
    int clears = 0;
    QObject::connect(&view, &RecipientTableView::editRequested, [&] { ++edits; });
    QObject::connect(&view, &RecipientTableView::clearSelectedRequested, [&] { ++clears; });

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(&view, &enter);
    EXPECT_EQ(edits, 0); // nothing selected yet

    QKeyEvent all(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, "\x01");
    QApplication::sendEvent(&view, &all);
    EXPECT_EQ(view.selectedRows(), QList<int>({0, 1, 2, 3}));
    QApplication::sendEvent(&view, &enter);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, "\x7f");
    QApplication::sendEvent(&view, &del);
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(clears, 1);

    view.selectOnly(2);
    EXPECT_EQ(view.selectedRows(), QList<int>({2}));
}

} // namespace

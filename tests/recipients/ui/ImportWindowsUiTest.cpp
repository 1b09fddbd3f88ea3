#include "base/BusyFlag.h"
#include "recipients/ExcelColumnChoice.h"
#include "recipients/RecipientList.h"
#include "recipients/ui/CDynamic_Excel_Msg.h"
#include "recipients/ui/CExcel_Info_Dlg.h"
#include "recipients/ui/ColumnCheckList.h"
#include "recipients/ui/ExcelTemplateImport.h"
#include "recipients/ui/ImportCommands.h"
#include "recipients/ui/ImportProgressWindow.h"
#include "recipients/ui/MessageEdit.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "support/ScriptedPrompter.h"
#include "support/WaitUntil.h"
#include "support/WorkbookFixture.h"
#include "widgets/WaitPopup.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>

namespace {

class ImportWindowsUiTest : public ::testing::Test
{
protected:
    QString book(std::vector<std::vector<QVariant>> rows)
    {
        const QString path = dir.filePath("book.xlsx");
        EXPECT_TRUE(WriteWorkbook(path, {{"Empty", {}}, {"Data", std::move(rows)}}));
        return path;
    }

    QStringList numbers() const
    {
        QStringList all;
        for (int i = 0; i < list.count(); ++i)
            all.append(list.at(i).Number);
        return all;
    }

    // The wizard over a workbook the file chooser always picks.
    std::unique_ptr<CDynamic_Excel_Msg> wizard(const QString& path, bool personalised)
    {
        auto w = std::make_unique<CDynamic_Excel_Msg>(
            list, prompter, CLoad_File_Msg::Choice::Append, NumberCheckOptions{});
        w->setFileChooser([path](QWidget*, const QString&) { return path; });
        w->setTotalNumbers([this](const QString& text) { totals.append(text); });
        w->show();
        (personalised ? w->personalisedOption() : w->numbersOption())->setChecked(true);
        w->onContinue();
        return w;
    }

    static void chooseSheet(CDynamic_Excel_Msg& w, int index)
    {
        w.sheetBox()->setCurrentIndex(index);
        emit w.sheetBox()->activated(index);
    }

    QString lastText() const { return prompter.texts().value(prompter.texts().size() - 1); }

    QTemporaryDir dir;
    RecipientList list;
    ScriptedPrompter prompter;
    QStringList totals;
};

TEST_F(ImportWindowsUiTest, SheetAndColumnChoiceWithSelectAll)
{
    SpreadsheetReader reader;
    ASSERT_TRUE(reader.open(book({{"Phone", QVariant(), "Name", QVariant()}, {1, 2, 3, 4}})).ok());
    ExcelColumnChoice choice(reader);
    CExcel_Info_Dlg dialog(choice, prompter);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Select Excel Sheet To Open");

    dialog.accept();
    dialog.sheetList()->setCurrentRow(0);
    EXPECT_EQ(dialog.columnList()->count(), 0);
    dialog.sheetList()->setCurrentRow(1);
    ASSERT_EQ(dialog.columnList()->count(), 4);
    EXPECT_EQ(dialog.columnList()->list()->item(3)->text(), "Untitled Column 2");
    dialog.accept();
    EXPECT_EQ(prompter.texts(), QStringList({"There is no column.\n\nOR\n\nNo column is selected.",
                                             "Excel sheet is empty.", "No column is selected."}));
    EXPECT_TRUE(dialog.isVisible());

    QCheckBox* all = dialog.columnList()->selectAllBox();
    all->setChecked(true);
    EXPECT_EQ(choice.ticked(), std::vector<bool>(4, true));
    dialog.columnList()->setTicked(1, false);
    EXPECT_FALSE(all->isChecked());
    EXPECT_EQ(choice.ticked(), (std::vector<bool>{true, false, true, true}));
    dialog.columnList()->setTicked(1, true);
    EXPECT_TRUE(all->isChecked());
    all->setChecked(false);
    dialog.columnList()->setTicked(2, true);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(choice.ticked(), (std::vector<bool>{false, false, true, false}));
}

TEST_F(ImportWindowsUiTest, NumbersAndMessagesPageChecksThenImports)
{
    const QString path = book({{"Phone", "Text"}, {"111", "one"}, {"abc", "bad"}, {"222", "two"}});
    auto w = wizard(path, false);
    EXPECT_EQ(w->page(), CDynamic_Excel_Msg::FilePage);
    EXPECT_EQ(w->fileNote()->text(), DynamicExcelWizard::numbersAndMessagesNote());

    w->onFileFinish();
    w->onBrowse();
    w->onFileFinish();
    chooseSheet(*w, 0); // empty: no columns
    w->onFileFinish();
    chooseSheet(*w, 1);
    w->onFileFinish();
    w->numberColumnBox()->setCurrentIndex(0);
    w->onFileFinish();
    EXPECT_EQ(prompter.texts(),
              QStringList({"Please select a valid file path.", "Please select a Sheet.",
                           "Please select a valid sheet there is no column.",
                           "Please select a column for Mobile number.",
                           "Please select a column for Message."}));

    w->messageColumnBox()->setCurrentIndex(1);
    w->onFileFinish();
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(w->imported(), 2);
    EXPECT_EQ(totals.value(totals.size() - 1), "Total Numbers : 2");
    EXPECT_EQ(numbers(), QStringList({"111", "222"}));
    EXPECT_EQ(list.at(1).Message, "two");
}

TEST_F(ImportWindowsUiTest, TheOnlySheetIsChosenAtOnceWithItsColumns)
{
    const QString path = dir.filePath("single.xlsx");
    ASSERT_TRUE(WriteWorkbook(path, {{"Contacts", {{"Mobile", "Name"}, {"111", "Ann"}}}}));
    for (const bool personalised : {false, true}) {
        SCOPED_TRACE(personalised);
        auto w = wizard(path, personalised);
        w->onBrowse();
        EXPECT_EQ(w->sheetBox()->currentIndex(), 0);
        EXPECT_EQ(w->sheetBox()->currentText(), "Contacts");
        EXPECT_EQ(w->numberColumnBox()->count(), 2);
        EXPECT_EQ(w->columnTable()->rowCount(), 2);
    }
    EXPECT_TRUE(prompter.texts().isEmpty());
}

TEST_F(ImportWindowsUiTest, PersonalisedMessagePageInsertsPlaceholdersAtTheCaret)
{
    const QString path = book({{"Mobile", "Name", "Marks"}, {"111", "Ann", "90"}});
    auto w = wizard(path, true);
    w->onNext();
    w->onBrowse();
    chooseSheet(*w, 1);
    w->onNext();
    w->numberColumns()->setTicked(0, true);
    w->onNext();
    EXPECT_EQ(prompter.texts(), QStringList({"Please select a valid file path.",
                                             "Please select a column for Mobile number."}));
    ASSERT_EQ(w->page(), CDynamic_Excel_Msg::MessagePage);
    ASSERT_EQ(w->columnTable()->rowCount(), 3);
    EXPECT_EQ(w->columnTable()->item(1, 1)->text(), "Name");
    EXPECT_EQ(w->columnTable()->item(2, 2)->text(), "<COL-3>");

    MessageEdit* edit = w->templateEdit();
    edit->setPlainText("Hi !");
    w->InsertPlaceholder();
    EXPECT_EQ(lastText(), "Please select a record from the list to continue.");
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(3);
    edit->setTextCursor(cursor);
    w->columnTable()->selectRow(1);
    w->InsertPlaceholder();
    EXPECT_EQ(edit->text(), "Hi <COL-2>!");
    cursor = edit->textCursor();
    cursor.setPosition(10);
    cursor.setPosition(11, QTextCursor::KeepAnchor); // "!" is replaced
    edit->setTextCursor(cursor);
    w->columnTable()->selectRow(2);
    w->InsertPlaceholder();
    EXPECT_EQ(edit->text(), "Hi <COL-2><COL-3>");

    edit->clear();
    w->onMessageFinish();
    EXPECT_EQ(lastText(), "Please enter some text message.");
    edit->setPlainText("Hi <COL-2>, <COL-3>");
    w->onMessageFinish();
    EXPECT_EQ(w->result(), QDialog::Accepted);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.at(0), (RecipientRow{"111", "Hi Ann, 90"}));
}

TEST_F(ImportWindowsUiTest, WaitWindowKeepsTheUiResponsive)
{
    QWidget window;
    window.show();
    std::atomic<bool> released{false};
    bool disabled = false;
    QString waitText;
    // The reading waits for the UI thread: it only ends if the event loop runs meanwhile.
    QTimer::singleShot(0, [&] {
        disabled = !window.isEnabled();
        if (auto* popup = window.findChild<WaitPopup*>())
            waitText = popup->text();
        released = true;
    });
    RunImportWithWait(
        &window, [&] { waitUntil([&] { return released.load(); }); },
        "Importing contacts from file, Please wait ...", [] { return 7; },
        [&](const QString& text) { totals.append(text); });
    EXPECT_TRUE(released);
    EXPECT_TRUE(disabled);
    EXPECT_EQ(waitText, "Importing contacts from file, Please wait ...");
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(totals.value(totals.size() - 1), "Total Numbers : 7");
}

TEST_F(ImportWindowsUiTest, ProgressWindowShowsTheLatestRecord)
{
    ImportProgress progress;
    ImportProgressWindow window;
    window.follow(progress);
    EXPECT_EQ(window.messageText(), "Message : Reading Excel Sheet");
    progress.setTotal(5);
    progress.record(2, "111", QString(200, u'm'));
    window.refresh();
    EXPECT_EQ(window.totalText(), "Total Records : 5");
    EXPECT_EQ(window.readingText(), "Currently Reading : 2 / 5 Records");
    EXPECT_EQ(window.numberText(), "Number  : 111");
    EXPECT_EQ(window.messageText(), "Message : " + QString(160, u'm') + "...");
}

TEST_F(ImportWindowsUiTest, LoadContactsEntryPointFillsTheList)
{
    const QString path = dir.filePath("numbers.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("111,222\r333\n");
    file.close();
    list.insertRecipient(0, {"999", "old"});
    prompter.answer(Prompter::Answer::No); // append
    QWidget window;
    BusyFlag state;
    bool busyWhileChoosing = false;
    const ImportContext context{list,
                                prompter,
                                {true, false, nullptr},
                                "Hello",
                                [&](const QString& text) { totals.append(text); },
                                &state,
                                [&](QWidget*, const QString& filter) {
                                    busyWhileChoosing = state.isBusy();
                                    EXPECT_EQ(filter, "Text & Excel Files(*.txt;*.xls;*.xlsx)|"
                                                      "*.txt;*.xls;*.xlsx||");
                                    return path;
                                }};
    EXPECT_EQ(LoadContactsFromFile(&window, context), 3);
    EXPECT_EQ(numbers(), QStringList({"111", "222", "333", "999"}));
    EXPECT_EQ(list.at(2).Message, "Hello");
    EXPECT_EQ(totals.value(totals.size() - 1), "Total Numbers : 4");
    EXPECT_TRUE(busyWhileChoosing);
    EXPECT_FALSE(state.isBusy());

    prompter.answer(Prompter::Answer::No);
    EXPECT_EQ(LoadContactsFromFile(&window, context), 0); // all duplicates
    EXPECT_TRUE(lastText().startsWith("Either file is corrupted"));
}

TEST_F(ImportWindowsUiTest, TemplateImportReadsTickedColumnsInOrder)
{
    const QString path = book({{"A", "B", "C"}, {"a2", "b2", "c2"}, {QVariant(), "b3", "c3"}});
    ExcelTemplateImport source(&prompter, [path](QWidget*, const QString&) { return path; });
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CExcel_Info_Dlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->sheetList()->setCurrentRow(1);
        dialog->columnList()->setTicked(0, true);
        dialog->columnList()->setTicked(2, true);
        dialog->accept();
    });
    ASSERT_TRUE(source.choose(nullptr));
    EXPECT_EQ(source.readCells(), QStringList({"A", "a2", "", "C", "c2", "c3"}));
}

} // namespace

#include "recipients/ExcelColumnChoice.h"
#include "recipients/NumberRule.h"
#include "recipients/ui/CSpecialEdit.h"
#include "stores/DataFolder.h"
#include "stores/ExclusionSet.h"
#include "stores/ExclusionWizard.h"
#include "stores/ui/CExclusion_Wizard.h"
#include "stores/ui/ExclusionWizardCommand.h"
#include "stores/ui/ExportCommands.h"
#include "stores/ui/ImportedExclusionNumbers.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"
#include "support/WorkbookFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kNothingTaken =
    "Either file is corrupted or selected file contains invalid characters.\n\nOR\n\nNumbers are "
    "skipped because of duplicate number already exits in the exclusion list.";

void press(QWidget* target, int key, const QString& text = QString())
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &event);
}

void type(QWidget* target, const QString& text)
{
    for (const QChar c : text)
        press(target, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A, QString(c));
}

bool firstSheetAllColumns(QWidget*, ExcelColumnChoice& choice)
{
    if (choice.chooseSheet(0))
        return false;
    choice.setSelectAll(true);
    return true;
}

// Loading numbers through the contact import's readers with the wizard's own rule: separators
// removed, invalid numbers and numbers already listed (or met earlier in the file) dropped.
TEST(ExclusionNumberLoadTest, TextAndWorkbookFilesGiveValidNewNumbersInFileOrder)
{
    QTemporaryDir dir;
    const QString text = dir.filePath("numbers.txt");
    WriteBytes(text, "0700 111,0700-222\r\n(0800) 333\nabc\n0700111\n+44 12\n1+2\r0900");
    const QString utf16 = dir.filePath("wide.txt");
    WriteBytes(utf16, Utf16Bytes("0700111\n"));
    const QString letters = dir.filePath("letters.txt");
    WriteBytes(letters, "abc\ndef");
    const QString workbook = dir.filePath("numbers.xlsx");
    ASSERT_TRUE(WriteWorkbook(workbook, {{"Sheet1",
                                          {{"Numbers", "Other"},
                                           {"0700 111", "x"},
                                           {700222, "0700111"},
                                           {"bad", QVariant()},
                                           {"(0800) 333", "0900"}}}}));

    struct Case
    {
        QString path;
        QStringList numbers; // after loading into a list holding 0900
        QStringList shown;
    };
    const Case cases[] = {
        {text, {"0700111", "0700222", "0800333", "+4412", "0900"}, {}},
        {workbook, {"0700111", "700222", "0800333", "0900"}, {}},
        {utf16, {"0900"}, {"Please select the ANSI encoded text file."}},
        {letters, {"0900"}, {kNothingTaken}},
        {dir.filePath("missing.txt"), {"0900"}, {"Please select a valid file path."}},
        {"  ", {"0900"}, {"Please select a valid file path."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        DataFolder data(dir.path());
        ScriptedPrompter prompter;
        ImportedExclusionNumbers reader(nullptr, firstSheetAllColumns);
        ExclusionWizard wizard(data, prompter,
                               {StripNumberSeparators, IsInvalidNumber, &reader, {}, {}});
        wizard.start();
        wizard.addNew();
        ASSERT_TRUE(wizard.next("Staff", QString()));
        ASSERT_TRUE(wizard.addNumber("0900"));

        wizard.loadNumbers(c.path);

        EXPECT_EQ(wizard.numbers(), c.numbers);
        EXPECT_EQ(prompter.texts(), c.shown);
    }
}

class ExclusionWizardWindowTest : public ::testing::Test
{
protected:
    ExclusionWizardWindowTest() { data.EnsureDataFolder(); }

    QTemporaryDir dir;
    DataFolder data{dir.path()};
    ScriptedPrompter prompter;
};

TEST_F(ExclusionWizardWindowTest, BoxesKeepTheirLimitsAndKeysWork)
{
    CExclusion_Wizard window(data, prompter, {});
    window.show();
    window.onAddNew();
    type(window.nameBox(), QString(60, 'n'));
    EXPECT_EQ(window.nameBox()->text(), QString(50, 'n'));
    window.nameBox()->setText("Staff");
    window.onNext();
    ASSERT_EQ(window.logic().page(), ExclusionWizard::Page::Numbers);

    type(window.numberBox(), "0123456789012345678901");
    EXPECT_EQ(window.numberBox()->text().size(), 20);
    window.numberBox()->setText("0700");
    press(window.numberBox(), Qt::Key_Return);
    EXPECT_EQ(window.logic().numbers(), QStringList{"0700"});
    EXPECT_TRUE(window.numberBox()->text().isEmpty());
    EXPECT_EQ(window.totalNumbersText(), "Total Numbers : 1");

    window.numberList()->selectAll();
    press(window.numberList(), Qt::Key_Delete);
    EXPECT_TRUE(window.logic().numbers().isEmpty());
    EXPECT_EQ(window.totalNumbersText(), "Total Numbers : 0");

    // Escape closes; the removal left unsaved changes, declined here.
    prompter.answer(false);
    press(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompter.allAnswersUsed());
}

TEST_F(ExclusionWizardWindowTest, EntryPointSavesAListPutsItInUseAndReloadsTheSet)
{
    ExclusionSet set;
    ExportCommands exports;
    prompter.answer(true).answer(true);
    QTimer::singleShot(0, [] {
        auto* window = qobject_cast<CExclusion_Wizard*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        window->onAddNew();
        window->nameBox()->setText("Staff");
        window->onNext();
        window->numberBox()->setText("0700");
        window->onAddNumber();
        window->onSaveList();
        window->onAddAll();
        window->onSaveInUse();
        window->reject();
    });

    OpenExclusionWizard(nullptr, {data, prompter, set, true, exports});

    EXPECT_EQ(ReadBytes(data.appExclusionPath()), Utf16Bytes("Staff\n"));
    EXPECT_TRUE(set.IsExcluded("0700"));
    EXPECT_TRUE(prompter.allAnswersUsed());
}

} // namespace

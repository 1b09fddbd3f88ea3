#include "recipients/ui/ImportedExclusionNumbers.h"

#include "recipients/ExcelColumnChoice.h"
#include "stores/DataFolder.h"
#include "stores/ExclusionWizard.h"
#include "stores/PhoneNumberText.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"
#include "support/WorkbookFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kNothingTaken =
    "Either file is corrupted or selected file contains invalid characters.\n\nOR\n\nNumbers are "
    "skipped because of duplicate number already exits in the exclusion list.";

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

} // namespace
